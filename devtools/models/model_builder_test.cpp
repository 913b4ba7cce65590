#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "glyph_render.h"
#include "model_builder.h"
#include "model_fonts.h"

namespace models {
namespace {

const CellFormat k6x8{6, 8};
const CellFormat k16x16{16, 16};

DotMatrix FromPicture(const std::vector<std::string>& rows) {
    DotMatrix matrix(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < matrix.height; ++y) {
        for (int x = 0; x < matrix.width; ++x) {
            matrix.at(x, y) = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#';
        }
    }
    return matrix;
}

// The "A" drawn in model_builder.h.
const std::vector<std::string> kLetterA = {"......", ".###..", "#...#.", "#...#.",
                                           "#...#.", "#####.", "#...#.", "#...#."};

TEST(ModelBuilder, PacksTheHeaderPictureColumnByColumn) {
    EXPECT_EQ(PackVertical1(FromPicture(kLetterA)),
              (std::vector<std::uint8_t>{0xFC, 0x22, 0x22, 0x22, 0xFC, 0x00}));
}

TEST(ModelBuilder, SecondBandOfATallCellFollowsTheFirst) {
    DotMatrix cell(16, 16);
    cell.at(3, 9) = 1;  // band 1, column 3, bit 1
    const std::vector<std::uint8_t> bytes = PackVertical1(cell);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        EXPECT_EQ(bytes[i], i == 19 ? 0x02 : 0x00) << "byte " << i;
    }
    EXPECT_EQ(UnpackVertical1(bytes.data(), k16x16).dots, cell.dots);
}

TEST(ModelBuilder, AlignsInkToTheBottomLeftCorner) {
    const DotMatrix glyph = FromPicture({"...", "..#", ".#.", "..."});
    const DotMatrix cell = AlignBottomLeft(glyph, k6x8);
    EXPECT_EQ(PackVertical1(cell), (std::vector<std::uint8_t>{0x80, 0x40, 0, 0, 0, 0}));
}

std::vector<std::uint8_t> SoundModel(const CellFormat& cell) {
    std::vector<std::uint8_t> bytes;
    for (int slot = 0; slot < 64; ++slot) {
        DotMatrix glyph(cell.width, cell.height);
        if (slot % 16 != 0) {
            glyph.at(0, cell.height - 1) = 1;
            glyph.at(slot % 4, cell.height - 1 - slot % 5) = 1;
        }
        const std::vector<std::uint8_t> packed = PackVertical1(glyph);
        bytes.insert(bytes.end(), packed.begin(), packed.end());
    }
    return bytes;
}

TEST(ModelBuilder, CheckAcceptsASoundModelAndNamesEveryFault) {
    std::vector<std::uint8_t> bytes = SoundModel(k6x8);
    EXPECT_TRUE(CheckModel(bytes, k6x8).empty());

    bytes[5 * 6] = 0x00;  // slot 5 loses its dots
    bytes[5 * 6 + 1] = 0x00;
    bytes[5 * 6 + 2] = 0x00;
    bytes[7 * 6] = 0x00;       // slot 7 loses its left column
    bytes[16 * 6 + 3] = 0x01;  // the blank of row 1 gets a dot
    const std::vector<std::string> faults = CheckModel(bytes, k6x8);
    ASSERT_EQ(faults.size(), 3u);
    EXPECT_NE(faults[0].find("slot 5 is blank"), std::string::npos);
    EXPECT_NE(faults[1].find("slot 7 is not in the bottom-left corner"), std::string::npos);
    EXPECT_NE(faults[2].find("slot 16 (blank) has lit dots"), std::string::npos);

    bytes.pop_back();
    EXPECT_EQ(CheckModel(bytes, k6x8).size(), 1u);
}

TEST(ModelBuilder, CheckRefusesAGlyphInTheSpacingMargin) {
    std::vector<std::uint8_t> bytes = SoundModel(k6x8);
    bytes[1 * 6 + 5] = 0x80;  // slot 1 reaches column 5, the margin of a 6 x 8 cell
    const std::vector<std::string> faults = CheckModel(bytes, k6x8);
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_NE(faults[0].find("larger than the drawing area"), std::string::npos);
}

TEST(ModelBuilder, CheckLetsOnlyEnlargedRowsIntoTheMargin) {
    std::vector<std::uint8_t> bytes = SoundModel(k6x8);
    bytes[1 * 6 + 5] = 0x80;   // row 0 reaches the margin column
    bytes[17 * 6 + 5] = 0x80;  // and so does row 1
    EXPECT_EQ(CheckModel(bytes, k6x8, {false, true, false, false}).size(), 1u);
    EXPECT_TRUE(CheckModel(bytes, k6x8, {true, true, false, false}).empty());
}

// The glyph of a 6 x 8 cell whose only lit column is `column`, rows 1..7.
DotMatrix Column6x8(int column) {
    DotMatrix glyph(6, 8);
    for (int y = 1; y < 8; ++y) {
        glyph.at(column, y) = 1;
    }
    return glyph;
}

int LitColumns(const DotMatrix& glyph) {
    int columns = 0;
    for (int x = 0; x < glyph.width; ++x) {
        bool lit = false;
        for (int y = 0; y < glyph.height; ++y) {
            lit = lit || glyph.at(x, y);
        }
        columns += lit ? 1 : 0;
    }
    return columns;
}

TEST(ModelBuilder, EnlargesUnevenlyAsTheProgramDoes) {
    // 6 -> 12 columns show old 0 1 2 2 2 2 | 3 4 5 5 5 5; 8 -> 16 rows double every row.
    const CellFormat k12x16{12, 16};
    for (int column = 0; column < 6; ++column) {
        const DotMatrix enlarged = EnlargeCell(Column6x8(column), k12x16);
        EXPECT_EQ(LitColumns(enlarged), column == 2 || column == 5 ? 4 : 1) << "column " << column;
        EXPECT_EQ(enlarged.cropped().height, 14) << "column " << column;
    }
    EXPECT_EQ(EnlargeCell(Column6x8(3), k12x16).at(6, 15), 1);
    EXPECT_EQ(EnlargeCell(Column6x8(3), k12x16).at(6, 1), 0);
    // 8 -> 16 is even: every column twice.
    DotMatrix eight(8, 8);
    eight.at(7, 7) = 1;
    const DotMatrix doubled = EnlargeCell(eight, k16x16);
    EXPECT_EQ(LitColumns(doubled), 2);
    EXPECT_EQ(doubled.at(14, 14) + doubled.at(15, 15), 2);
}

TEST(ModelBuilder, WritesDataLinesOfSixOrEightUpperCaseValues) {
    std::vector<std::uint8_t> six(12);
    six[2] = 0x5F;
    six[11] = 0xAB;
    EXPECT_EQ(ModelFileText(six, k6x8),
              "Data &h00,&h00,&h5F,&h00,&h00,&h00\r\nData &h00,&h00,&h00,&h00,&h00,&hAB\r\n");

    const std::vector<std::uint8_t> eight(16, 0xC4);
    const std::string text = ModelFileText(eight, CellFormat{8, 8});
    EXPECT_EQ(text.substr(0, text.find('\r')), "Data &hC4,&hC4,&hC4,&hC4,&hC4,&hC4,&hC4,&hC4");
    EXPECT_EQ(text.size(), 2 * (5 + 8 * 4 + 7 + 2));

    // A 5-byte glyph is one line, as the program writes a 5 x 8 font.
    const std::vector<std::uint8_t> five{0x7E, 0x11, 0x11, 0x11, 0x7E, 0, 0, 0, 0, 0x01};
    EXPECT_EQ(ModelFileText(five, CellFormat{5, 8}),
              "Data &h7E,&h11,&h11,&h11,&h7E\r\nData &h00,&h00,&h00,&h00,&h01\r\n");
}

TEST(ModelBuilder, EveryCellLeavesItsSpacingMargin) {
    EXPECT_EQ(k6x8.areaWidth(), 5);
    EXPECT_EQ(k6x8.areaHeight(), 7);
    EXPECT_EQ((CellFormat{8, 8}.areaWidth()), 7);
    EXPECT_EQ((CellFormat{12, 16}.areaWidth()), 10);
    EXPECT_EQ((CellFormat{48, 56}.areaHeight()), 54);
}

// Their fonts draw in every column and the display adds the gap; the bottom row stays free.
TEST(ModelBuilder, FiveByEightAndEightBySixteenHaveNoRightMargin) {
    EXPECT_EQ((CellFormat{5, 8}.areaWidth()), 5);
    EXPECT_EQ((CellFormat{5, 8}.areaHeight()), 7);
    EXPECT_EQ((CellFormat{8, 16}.areaWidth()), 8);
    EXPECT_EQ((CellFormat{8, 16}.areaHeight()), 15);

    // Five columns of seven rows fill the area; an eighth row does not fit.
    std::vector<std::uint8_t> model(64 * 5, 0);
    for (std::size_t slot = 0; slot < 64; ++slot) {
        if (slot % 16 != 0) {
            std::fill_n(model.begin() + static_cast<std::ptrdiff_t>(slot * 5), 5, 0xFE);
        }
    }
    EXPECT_TRUE(CheckModel(model, CellFormat{5, 8}).empty());
    model[5] = 0xFF;  // column 0 of slot 1, all eight rows
    EXPECT_EQ(CheckModel(model, CellFormat{5, 8}),
              std::vector<std::string>{"slot 1 is larger than the drawing area"});
}

// Uses the X11 fonts of xfonts-base; skipped where they are not installed.
FontSource CleanBitmap(const char* file) {
    return FontSource{std::string("/usr/share/fonts/X11/misc/") + file, "xfonts-base",
                      Rendering::Bitmap};
}

TEST(ModelBuilder, RowWithoutCyrillicFailsLoudlyAndFallsBackWhenGivenAFont) {
    const FontSource latinOnly = CleanBitmap("clR8x8.pcf.gz");
    const FontSource withCyrillic = CleanBitmap("6x10.pcf.gz");
    if (!std::filesystem::exists(latinOnly.path) || !std::filesystem::exists(withCyrillic.path)) {
        GTEST_SKIP() << "xfonts-base is not installed";
    }
    const FreeTypeLibrary library;
    const CellFormat cell = k16x16;  // room for every glyph of both fonts
    try {
        BuildRow(library, cell, ModelRow{"Latin only", {latinOnly}});
        FAIL() << "a row without Б was accepted";
    } catch (const RenderError& error) {
        EXPECT_NE(std::string(error.what()).find("U+0411"), std::string::npos) << error.what();
    }

    const BuiltRow row = BuildRow(library, cell, ModelRow{"mixed", {latinOnly, withCyrillic}});
    EXPECT_EQ(row.origins[12].path, latinOnly.path);  // А drawn as the row's own Latin A
    EXPECT_EQ(row.origins[12].drawnAs, U'A');
    EXPECT_EQ(row.origins[13].path, withCyrillic.path);  // Б from the fallback
    EXPECT_EQ(row.cells[12].dots, row.cells[8].dots);
    EXPECT_TRUE(row.cells[0].blank());
    std::vector<std::uint8_t> bytes;
    for (int copy = 0; copy < 4; ++copy) {
        for (const DotMatrix& glyph : row.cells) {
            const std::vector<std::uint8_t> packed = PackVertical1(glyph);
            bytes.insert(bytes.end(), packed.begin(), packed.end());
        }
    }
    EXPECT_TRUE(CheckModel(bytes, cell).empty());
}

TEST(ModelBuilder, EnlargedRowIsDrawnSmallMovedAndEnlarged) {
    const FontSource lcd = CleanBitmap("6x10.pcf.gz");
    if (!std::filesystem::exists(lcd.path)) {
        GTEST_SKIP() << "xfonts-base is not installed";
    }
    const FreeTypeLibrary library;
    const CellFormat k12x16{12, 16};
    const BuiltRow small = BuildRow(library, k6x8, ModelRow{"small", {lcd}});
    const BuiltRow enlarged =
        BuildRow(library, k12x16, ModelRow{"enlarged", {lcd}, Enlargement{k6x8, 1}});
    for (std::size_t slot = 1; slot < kTestChars.size(); ++slot) {
        const DotMatrix ink = small.cells[slot].cropped();
        // From column 1 a glyph five columns wide spans old columns 1..5, which become 11.
        const int expectedWidth = ink.width == 5 ? 11 : ink.width < 2 ? ink.width : -1;
        if (expectedWidth > 0) {
            EXPECT_EQ(enlarged.cells[slot].cropped().width, expectedWidth) << "slot " << slot;
        }
        EXPECT_EQ(enlarged.cells[slot].cropped().height, 2 * ink.height) << "slot " << slot;
        EXPECT_EQ(enlarged.cells[slot].dots, AlignBottomLeft(enlarged.cells[slot], k12x16).dots);
    }
    // A first column that pushes ink out of the small cell fails loudly.
    EXPECT_THROW(BuildRow(library, k12x16, ModelRow{"too far", {lcd}, Enlargement{k6x8, 2}}),
                 RenderError);
}

}  // namespace
}  // namespace models

namespace models {
namespace {

TEST(GlyphRender, ADoubledStrikeDrawsEveryDotAsATwoByTwoSquare) {
    FontSource doubled = CleanBitmap("6x10.pcf.gz");
    if (!std::filesystem::exists(doubled.path)) {
        GTEST_SKIP() << "xfonts-base is not installed";
    }
    const FreeTypeLibrary library;
    const PlacedGlyph plain = Font(library, doubled).place(U'A');
    doubled.dotScale = 2;
    const PlacedGlyph twice = Font(library, doubled).place(U'A');
    ASSERT_EQ(twice.dots.width, 2 * plain.dots.width);
    ASSERT_EQ(twice.dots.height, 2 * plain.dots.height);
    EXPECT_EQ(twice.left, 2 * plain.left);
    EXPECT_EQ(twice.top, 2 * plain.top);
    for (int y = 0; y < twice.dots.height; ++y) {
        for (int x = 0; x < twice.dots.width; ++x) {
            EXPECT_EQ(twice.dots.at(x, y), plain.dots.at(x / 2, y / 2)) << x << "," << y;
        }
    }
}

class ChosenListTest : public ::testing::Test {
  protected:
    std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("chosen_rows_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    void TearDown() override { std::filesystem::remove(path); }
    void Write(const std::string& text) { std::ofstream(path) << text; }
};

TEST_F(ChosenListTest, WrittenListsReadBackAndEveryPlaceMustBeNamedOnce) {
    ChosenRows chosen(ModelCells().size());
    for (std::size_t n = 0; n < chosen.size(); ++n) {
        for (std::size_t row = 0; row < kRowsPerModel; ++row) {
            chosen[n][row] = "row " + std::to_string(row) + " of " + std::to_string(n);
        }
    }
    WriteChosenList(path, chosen);
    EXPECT_EQ(ReadChosenList(path), chosen);

    std::ifstream in(path);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string repeated = text + "t3.mod 1 again\n";
    const std::string missing = text.substr(0, text.rfind("t10.mod 3"));
    for (const std::string& bad :
         {repeated, missing, text + "t11.mod 0 x\n", text + "t2.mod 4 x\n", text + "t2.mod 1\n"}) {
        Write(bad);
        EXPECT_THROW(ReadChosenList(path), RenderError);
    }
}

}  // namespace
}  // namespace models
