#include "model/glyph_packing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "support/test_font.h"

namespace pixmora {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The L of the packing picture: column 0 of rows 0..6 and row 6 of columns 0..5.
void DrawL(Editor& ed) {
    for (int row = 0; row <= 6; ++row) {
        ed.font.DotGrid[DotIndex(row, 0)] = kLit;
    }
    for (int column = 0; column <= 5; ++column) {
        ed.font.DotGrid[DotIndex(6, column)] = kLit;
    }
}

Bytes CurrentBytes(Editor& ed) {
    auto bytes = test::CharBytes(ed, ed.font.CurrentChar);
    return {bytes.begin(), bytes.end()};
}

TEST(GlyphPacking, LetterLPacksInEveryScan) {
    const std::vector<Bytes> expected{
        {0x7F, 0x40, 0x40, 0x40, 0x40, 0x40, 0x00, 0x00},
        {0xFE, 0x02, 0x02, 0x02, 0x02, 0x02, 0x00, 0x00},
        {0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0xFC, 0x00},
        {0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x3F, 0x00},
    };
    for (int scan = 0; scan < kScanCount; ++scan) {
        Editor ed;
        test::OpenTestFont(ed, 1, scan);
        DrawL(ed);
        PackGlyph(ed.font, 0, 8, 8, scan);
        EXPECT_EQ(CurrentBytes(ed), expected[scan]) << "scan " << scan;

        // Dot by dot gives the same bytes.
        Editor dotwise;
        test::OpenTestFont(dotwise, 1, scan);
        DrawL(dotwise);
        for (int dot = 0; dot < kGridDots; ++dot) {
            if (dotwise.font.DotGrid[dot] == kLit) {
                PackDot(dotwise.font, dotwise.params, dot);
            }
        }
        EXPECT_EQ(CurrentBytes(dotwise), expected[scan]) << "scan " << scan;
    }
}

// An L over the whole drawing area of a cell with a one-dot margin: column 0 down to the row above
// the margin, and that row up to the column before the margin.
void DrawAreaL(Editor& ed, const CellFormat& cell) {
    for (int row = 0; row <= cell.height - 2; ++row) {
        ed.font.DotGrid[DotIndex(row, 0)] = kLit;
    }
    for (int column = 0; column <= cell.width - 2; ++column) {
        ed.font.DotGrid[DotIndex(cell.height - 2, column)] = kLit;
    }
}

// Appends one byte at a time: GCC 12 at -O3 warns falsely about a range insert here.
Bytes Joined(Bytes head, const Bytes& tail) {
    for (const std::uint8_t byte : tail) {
        head.push_back(byte);
    }
    return head;
}

Bytes Repeated(std::uint8_t value, int times, const Bytes& tail) {
    return Joined(Bytes(static_cast<std::size_t>(times), value), tail);
}

struct LPicture {
    int format;
    int scan;
    Bytes bytes;
};

TEST(GlyphPacking, LetterLPacksIn5By8And8By16InEveryOfferedScan) {
    const Bytes top8x16{0xFF, 0, 0, 0, 0, 0, 0, 0};
    const auto band = [&](const Bytes& bottom) { return Joined(top8x16, bottom); };
    const std::vector<LPicture> pictures{
        {9, kScanVertical1, {0x7F, 0x40, 0x40, 0x40, 0x00}},
        {9, kScanVertical2, {0xFE, 0x02, 0x02, 0x02, 0x00}},
        {10, kScanVertical1, band({0x7F, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x00})},
        {10, kScanVertical2, band({0xFE, 0x02, 0x02, 0x02, 0x02, 0x02, 0x02, 0x00})},
        {10, kScanHorizontal1, Repeated(0x80, 14, {0xFE, 0x00})},
        {10, kScanHorizontal2, Repeated(0x01, 14, {0x7F, 0x00})},
    };
    for (const LPicture& picture : pictures) {
        const CellFormat& cell = kCellFormats[static_cast<std::size_t>(picture.format)];
        SCOPED_TRACE(std::string(cell.name) + " scan " + std::to_string(picture.scan));
        Editor ed;
        test::OpenTestFont(ed, picture.format, picture.scan);
        DrawAreaL(ed, cell);
        PackGlyph(ed.font, 0, cell.width, cell.height, picture.scan);
        EXPECT_EQ(CurrentBytes(ed), picture.bytes);

        Editor dotwise;
        test::OpenTestFont(dotwise, picture.format, picture.scan);
        DrawAreaL(dotwise, cell);
        for (int dot = 0; dot < kGridDots; ++dot) {
            if (dotwise.font.DotGrid[dot] == kLit) {
                PackDot(dotwise.font, dotwise.params, dot);
            }
        }
        EXPECT_EQ(CurrentBytes(dotwise), picture.bytes);
    }
}

TEST(GlyphPacking, BitPlacesInA16By16Cell) {
    EXPECT_EQ(DotBitPlace(kScanVertical1, 16, 9, 3).byte, 19);
    EXPECT_EQ(DotBitPlace(kScanVertical1, 16, 9, 3).bit, 1);
    EXPECT_EQ(DotBitPlace(kScanVertical2, 16, 9, 3).byte, 19);
    EXPECT_EQ(DotBitPlace(kScanVertical2, 16, 9, 3).bit, 6);
    EXPECT_EQ(DotBitPlace(kScanHorizontal1, 16, 9, 11).byte, 19);
    EXPECT_EQ(DotBitPlace(kScanHorizontal1, 16, 9, 11).bit, 4);
    EXPECT_EQ(DotBitPlace(kScanHorizontal2, 16, 9, 11).byte, 19);
    EXPECT_EQ(DotBitPlace(kScanHorizontal2, 16, 9, 11).bit, 3);
    // Horizontal scans never share a byte between two rows.
    for (int column = 0; column < 16; ++column) {
        EXPECT_EQ(DotBitPlace(kScanHorizontal1, 16, 0, column).byte, column / 8);
        EXPECT_EQ(DotBitPlace(kScanHorizontal1, 16, 1, column).byte, 2 + column / 8);
    }
}

TEST(GlyphPacking, ShowGlyphLightsTheColumnOf5F) {
    Editor ed;
    test::OpenTestFont(ed, 0, kScanVertical1);
    const Bytes glyph{0x00, 0x00, 0x5F, 0x00, 0x00, 0x00};
    std::copy(glyph.begin(), glyph.end(), ed.font.FontImage.begin());
    ShowGlyph(ed.font, 0, 6, 6, kScanVertical1);
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 6; ++column) {
            const bool lit = column == 2 && row != 5 && row != 7;
            EXPECT_EQ(ed.font.DotGrid[DotIndex(row, column)], lit ? kLit : kDark)
                << "row " << row << " column " << column;
        }
    }
}

TEST(GlyphPacking, ShowThenPackRestoresEveryFormatAndScan) {
    std::mt19937 random(1234);
    for (int format = 0; format < static_cast<int>(kCellFormats.size()); ++format) {
        const CellFormat& cell = kCellFormats[format];
        for (int scan = 0; scan < kScanCount; ++scan) {
            if (!ScanOffered(cell.width, scan)) {
                continue;
            }
            Editor ed;
            test::OpenTestFont(ed, format, scan);
            const int start = 7 * cell.bytesPerChar;
            const Bytes glyph = test::RandomBytes(random, cell.bytesPerChar);
            std::copy(glyph.begin(), glyph.end(), ed.font.FontImage.begin() + start);
            ShowGlyph(ed.font, start, cell.bytesPerChar, cell.width, scan);
            std::fill_n(ed.font.FontImage.begin() + start, cell.bytesPerChar, 0xA5);
            PackGlyph(ed.font, start, cell.width, cell.height, scan);
            EXPECT_TRUE(std::equal(glyph.begin(), glyph.end(), ed.font.FontImage.begin() + start))
                << cell.name << " scan " << scan;
            EXPECT_EQ(ed.font.FontImage[start - 1], 0) << "the character before is untouched";
            EXPECT_EQ(ed.font.FontImage[start + cell.bytesPerChar], 0) << "and the one after";
        }
    }
}

TEST(GlyphPacking, PackDotSetsAndClearsExactlyOneBit) {
    std::mt19937 random(99);
    for (int scan = 0; scan < kScanCount; ++scan) {
        Editor ed;
        test::OpenTestFont(ed, 5, scan);  // 24 x 32
        ed.font.CurrentChar = 3;
        ed.font.CurrentCharOffset = 3 * 96;
        const Bytes glyph = test::RandomBytes(random, 96);
        std::copy(glyph.begin(), glyph.end(), ed.font.FontImage.begin() + 3 * 96);
        ShowGlyph(ed.font, 3 * 96, 96, 24, scan);
        for (const int dot : {DotIndex(0, 0), DotIndex(13, 17), DotIndex(31, 23)}) {
            const std::int16_t was = ed.font.DotGrid[dot];
            ed.font.DotGrid[dot] = was == kLit ? kDark : kLit;
            PackDot(ed.font, ed.params, dot);
            EXPECT_NE(CurrentBytes(ed), glyph);
            ed.font.DotGrid[dot] = was;
            PackDot(ed.font, ed.params, dot);
            EXPECT_EQ(CurrentBytes(ed), glyph) << "scan " << scan << " dot " << dot;
        }
    }
}

TEST(GlyphPacking, PackDotIgnoresWhatTheBitHeldBefore) {
    Editor ed;
    test::OpenTestFont(ed, 1, kScanVertical1);
    ed.font.FontImage[0] = 0x01;  // the bit is already set though the dot shows lit anew
    ed.font.DotGrid[0] = kLit;
    PackDot(ed.font, ed.params, 0);
    EXPECT_EQ(ed.font.FontImage[0], 0x01);
    EXPECT_EQ(ed.font.FontImage[1], 0x00);
}

TEST(GlyphPacking, ShowGlyphPaintsInkByBackground) {
    Editor ed;
    test::OpenTestFont(ed, 3, kScanVertical1);  // 16 x 16: columns and rows 14, 15 are margin
    const int white = DotIndex(3, 3);
    const int yellow = DotIndex(3, 15);
    const int darkYellow = DotIndex(15, 0);
    ed.font.FontImage[3] = 0x08;   // column 3, row 3
    ed.font.FontImage[15] = 0x08;  // column 15, row 3
    ShowGlyph(ed.font, 0, 32, 16, kScanVertical1);
    EXPECT_EQ(ed.font.DotColour[white], kBlue);
    EXPECT_EQ(ed.font.DotColour[yellow], kRed);
    EXPECT_EQ(ed.font.DotColour[darkYellow], kYellow);
    EXPECT_EQ(ed.font.DotColour[DotIndex(0, 0)], kWhite);
}

}  // namespace
}  // namespace pixmora
