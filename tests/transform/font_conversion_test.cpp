#include "transform/font_conversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "commands/char_selection.h"
#include "commands/commands.h"
#include "editor/font_settings.h"
#include "model/glyph_packing.h"
#include "support/fake_host.h"
#include "support/test_font.h"
#include "transform/enlarge_dialog.h"
#include "transform/scan_change.h"

namespace pixmora {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int k6x8 = 0;
constexpr int k8x8 = 1;
constexpr int k16x16 = 3;

// The user picks `text` in the enlargement dialog and presses "ОК".
void ScriptEnlargeChoice(test::FakeHost& host, const std::string& text) {
    host.enlargeDialog = [&host, text](Editor& ed) {
        EnlargeDialogState state = OpenEnlargeDialog(ed);
        ChooseEnlargeFormat(state, ed, text);
        const std::optional<CellFormat> chosen = AcceptEnlargeDialog(state, ed, host);
        EXPECT_TRUE(chosen);
        return chosen;
    };
}

void PutChar(Editor& ed, int index, const Bytes& bytes, bool defined = true) {
    std::copy(bytes.begin(), bytes.end(), test::CharBytes(ed, index).begin());
    ed.font.CharDefined[static_cast<std::size_t>(index)] = defined ? kLit : kDark;
}

Bytes CharOf(Editor& ed, int index) {
    const auto bytes = test::CharBytes(ed, index);
    return {bytes.begin(), bytes.end()};
}

bool AllZero(std::span<const std::uint8_t> bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; });
}

// The new lines an enlargement from n to m lines shows, group after group: a group's K old lines,
// then its last old line E more times.
std::vector<int> ExpectedLines(int n, int m) {
    int groups = 1;
    while (groups < 32 && n % (groups * 2) == 0 && m % (groups * 2) == 0) {
        groups *= 2;
    }
    const int kept = n / groups;
    const int extra = m / groups - kept;
    std::vector<int> lines;
    for (int group = 0; group < groups; ++group) {
        for (int line = 0; line < kept; ++line) {
            lines.push_back(group * kept + line);
        }
        lines.insert(lines.end(), static_cast<std::size_t>(extra), group * kept + kept - 1);
    }
    return lines;
}

// The enlarged picture of an old glyph, dot by dot.
DotMatrix ExpectedDots(std::span<const std::uint8_t> glyph, int scan, const CellFormat& from,
                       const CellFormat& to) {
    const DotMatrix old = UnpackGlyph(glyph, scan, from.width, from.height);
    const std::vector<int> rows = ExpectedLines(from.height, to.height);
    const std::vector<int> columns = ExpectedLines(from.width, to.width);
    DotMatrix dots{};
    for (int row = 0; row < to.height; ++row) {
        for (int column = 0; column < to.width; ++column) {
            dots[DotIndex(row, column)] = old[DotIndex(rows[static_cast<std::size_t>(row)],
                                                       columns[static_cast<std::size_t>(column)])];
        }
    }
    return dots;
}

TEST(ConvertFont, WorkedExample6x8To8x8) {
    Editor ed;
    test::OpenTestFont(ed, k6x8, kScanVertical1);
    PutChar(ed, 33, {0x7E, 0x09, 0x09, 0x09, 0x7E, 0x00});
    test::FakeHost host;
    ScriptEnlargeChoice(host, "8 х 8");
    EnlargeFont(ed, host);
    EXPECT_EQ(CharOf(ed, 33), (Bytes{0x7E, 0x09, 0x09, 0x09, 0x09, 0x7E, 0x00, 0x00}));
}

// Five columns share no power of two with 8 or 12: one group, the last column repeated to fill
// the width. Eight rows become sixteen by doubling each.
TEST(ConvertFont, FiveByEightWidensByRepeatingItsLastColumn) {
    struct Case {
        const char* target;
        int width;
        std::vector<int> columnOf;
    };
    const std::vector<Case> cases{
        {"8 х 16", 8, {0, 1, 2, 3, 4, 4, 4, 4}},
        {"12 х 16", 12, {0, 1, 2, 3, 4, 4, 4, 4, 4, 4, 4, 4}},
    };
    for (const Case& c : cases) {
        for (const int scan : {kScanVertical1, kScanVertical2}) {
            SCOPED_TRACE(std::string(c.target) + " scan " + std::to_string(scan));
            Editor ed;
            test::OpenTestFont(ed, *FormatIndexByName("5 x 8"), scan);
            const Bytes a{0x7E, 0x11, 0x11, 0x11, 0x7E};  // an A in "вертикально 1"
            PutChar(ed, 33, a);
            test::FakeHost host;
            ScriptEnlargeChoice(host, c.target);
            EnlargeFont(ed, host);
            ASSERT_EQ(ed.params.CellWidth, c.width);
            ASSERT_EQ(ed.params.CellHeight, 16);
            const auto enlarged = test::CharBytes(ed, 33);
            for (int row = 0; row < 16; ++row) {
                for (int column = 0; column < c.width; ++column) {
                    ASSERT_EQ(
                        GlyphDot(enlarged, scan, c.width, row, column),
                        GlyphDot(a, scan, 5, row / 2, c.columnOf[static_cast<std::size_t>(column)]))
                        << "row " << row << " column " << column;
                }
            }
        }
    }
}

TEST(ConvertFont, DoublesEveryDotFrom8x8To16x16InEveryScan) {
    std::mt19937 random(5);
    for (int scan = 0; scan < kScanCount; ++scan) {
        Editor ed;
        test::OpenTestFont(ed, k8x8, scan);
        const Bytes glyph = test::RandomBytes(random, 8);
        PutChar(ed, 0, glyph);
        test::FakeHost host;
        ScriptEnlargeChoice(host, "16 х 16");
        EnlargeFont(ed, host);
        ASSERT_EQ(ed.params.BytesPerChar, 32);
        const auto enlarged = test::CharBytes(ed, 0);
        for (int row = 0; row < 16; ++row) {
            for (int column = 0; column < 16; ++column) {
                ASSERT_EQ(GlyphDot(enlarged, scan, 16, row, column),
                          GlyphDot(glyph, scan, 8, row / 2, column / 2))
                    << "scan " << scan << " row " << row << " column " << column;
            }
        }
    }
}

TEST(ConvertFont, VerticalFont8x8To24x32RepeatsColumnsThriceAndRowsFourTimes) {
    for (const int scan : {kScanVertical1, kScanVertical2}) {
        Editor ed;
        test::OpenTestFont(ed, k8x8, scan);
        const Bytes glyph{0x81, 0x42, 0x24, 0x18, 0xF0, 0x0F, 0xAA, 0x55};
        PutChar(ed, 0, glyph);
        PutChar(ed, 2, Bytes(8, 0xFF));
        PutChar(ed, 223, Bytes(8, 0xFF));
        test::FakeHost host;
        ScriptEnlargeChoice(host, "24 х 32");
        EnlargeFont(ed, host);

        const auto enlarged = test::CharBytes(ed, 0);
        for (int row = 0; row < 32; ++row) {
            for (int column = 0; column < 24; ++column) {
                ASSERT_EQ(GlyphDot(enlarged, scan, 24, row, column),
                          GlyphDot(glyph, scan, 8, row / 4, column / 3))
                    << "row " << row << " column " << column;
            }
        }
        // The full neighbours stay within their own 96 bytes.
        EXPECT_TRUE(AllZero(test::CharBytes(ed, 1)));
        EXPECT_EQ(CharOf(ed, 2), Bytes(96, 0xFF));
        EXPECT_TRUE(AllZero(test::CharBytes(ed, 3)));
        EXPECT_EQ(CharOf(ed, 223), Bytes(96, 0xFF));
        EXPECT_TRUE(AllZero({ed.font.FontImage.begin() + 224 * 96, ed.font.FontImage.end()}));
    }
}

TEST(ConvertFont, From16x16To16x24KeepsColumnsAndRepeatsEverySecondRow) {
    std::mt19937 random(16);
    for (int scan = 0; scan < kScanCount; ++scan) {
        Editor ed;
        test::OpenTestFont(ed, k16x16, scan);
        const Bytes glyph = test::RandomBytes(random, 32);
        PutChar(ed, 7, glyph);
        test::FakeHost host;
        ScriptEnlargeChoice(host, "16 х 24");
        EnlargeFont(ed, host);

        const int rows[] = {0, 1, 1, 2,  3,  3,  4,  5,  5,  6,  7,  7,
                            8, 9, 9, 10, 11, 11, 12, 13, 13, 14, 15, 15};
        const auto enlarged = test::CharBytes(ed, 7);
        for (int row = 0; row < 24; ++row) {
            for (int column = 0; column < 16; ++column) {
                ASSERT_EQ(GlyphDot(enlarged, scan, 16, row, column),
                          GlyphDot(glyph, scan, 16, rows[row], column))
                    << "scan " << scan << " row " << row << " column " << column;
            }
        }
    }
}

// A character that holds dots without being marked defined (cleared and brought back by undo,
// for example) is converted like any other; only a truly empty one stays empty.
TEST(ConvertFont, ConvertsEveryCharacterThatHoldsDots) {
    Editor ed;
    test::OpenTestFont(ed, k8x8, kScanVertical1);
    const Bytes glyph{0x7F, 0x40, 0x40, 0x40, 0x40, 0x40, 0x00, 0x00};
    PutChar(ed, 5, glyph, false);
    PutChar(ed, 6, glyph, true);
    PutChar(ed, 100, glyph, false);
    PutChar(ed, 7, Bytes(8, 0), false);
    PutChar(ed, 8, Bytes(8, 0), true);  // drawn and erased, not yet left
    SetDefinedLook(ed, 6);
    SetDefinedLook(ed, 8);

    test::FakeHost host;
    ScriptEnlargeChoice(host, "16 х 16");
    EnlargeFont(ed, host);

    for (const int index : {5, 6, 100}) {
        EXPECT_EQ(UnpackGlyph(test::CharBytes(ed, index), kScanVertical1, 16, 16),
                  ExpectedDots(glyph, kScanVertical1, kCellFormats[k8x8], kCellFormats[k16x16]))
            << index;
        const CharCell& cell = ed.table.cells[static_cast<std::size_t>(index)];
        EXPECT_EQ(ed.font.CharDefined[static_cast<std::size_t>(index)], kLit) << index;
        EXPECT_EQ(cell.textColour, kBlack) << index;
        EXPECT_TRUE(cell.bold) << index;
        EXPECT_EQ(cell.fontSize, 12) << index;
    }
    EXPECT_EQ(ed.table.cells[100].textCode, kBulletCode);
    EXPECT_EQ(ed.table.cells[5].textCode, 5 + kFirstCode);
    for (const int index : {7, 8}) {
        EXPECT_TRUE(AllZero(test::CharBytes(ed, index))) << index;
    }
    EXPECT_EQ(ed.font.CharDefined[7], kDark);
    EXPECT_EQ(ed.table.cells[7].textColour, kEmptyCellText);
}

TEST(ConvertFont, ShowsCharacterZeroOfTheNewFormat) {
    Editor ed;
    test::OpenTestFont(ed, k8x8, kScanVertical2);
    PutChar(ed, 0, {0xFF, 0x81, 0x81, 0x81, 0x81, 0x81, 0x81, 0xFF});
    // Character 40 is current and empty, the circle tool is armed, HEX output is chosen.
    ed.table.cells[0].background = kWhite;
    ed.font.CurrentChar = 40;
    ed.font.PreviousChar = 12;
    ed.font.CurrentCharOffset = 40 * 8;
    ed.table.cells[40].background = kRed;
    ToolButtonClick(ed, kToolCircle);
    ChooseOutputFormat(ed, "Intel HEX");
    ed.font.ImageEmpty = kLit;

    test::FakeHost host;
    ScriptEnlargeChoice(host, "16 х 16");
    EnlargeFont(ed, host);

    EXPECT_EQ(ed.params.CellWidth, 16);
    EXPECT_EQ(ed.params.CellHeight, 16);
    EXPECT_EQ(ed.params.BytesPerChar, 32);
    EXPECT_EQ(ed.params.FontByteScan, kScanVertical2);
    EXPECT_EQ(ed.win.fontCaption, "Шрифт 16 x 16 вертикальный 2  ");
    EXPECT_EQ(ed.font.CurrentChar, 0);
    EXPECT_EQ(ed.font.PreviousChar, 0);
    EXPECT_EQ(ed.font.CurrentCharOffset, 0);
    EXPECT_EQ(ed.table.cells[0].background, kRed);
    EXPECT_EQ(ed.table.cells[40].background, kWhite);
    EXPECT_FALSE(ed.table.locked);
    EXPECT_EQ(ed.font.ImageEmpty, kDark);
    EXPECT_EQ(ed.tools.ActiveTool, kNoTool);
    EXPECT_EQ(ed.undo.UndoPosition, kInitialPosition);
    EXPECT_EQ(host.busyCalls, 2);
    EXPECT_EQ(host.busyDepth, 0);
    for (const Ctl control : {Ctl::ClearChar, Ctl::DeleteFont, Ctl::Save, Ctl::Negative,
                              Ctl::IncompleteSet, Ctl::OutputKind, Ctl::OutputTitle, Ctl::KindLabel,
                              Ctl::StartAddress, Ctl::OutputFrame, Ctl::FontCaption}) {
        EXPECT_TRUE(IsVisible(ed.win, control)) << static_cast<int>(control);
    }
    EXPECT_FALSE(IsVisible(ed.win, Ctl::Notation));

    // The grid shows the new cell with its margin and character 0 on it.
    const DotMatrix shown = UnpackGlyph(test::CharBytes(ed, 0), kScanVertical2, 16, 16);
    for (int dot = 0; dot < kGridDots; ++dot) {
        const bool inCell = DotRow(dot) < 16 && DotColumn(dot) < 16;
        ASSERT_EQ(ed.font.DotVisible[dot], inCell) << dot;
        ASSERT_EQ(ed.font.DotGrid[dot] == kLit, inCell && shown[dot] == 1) << dot;
    }
    EXPECT_EQ(ed.font.DotBackColor[DotIndex(15, 15)], kYellow);
    EXPECT_EQ(ed.font.DotBackColor[DotIndex(13, 13)], kWhite);
}

TEST(ConvertFont, RunsFromItsButton) {
    Editor ed;
    test::OpenTestFont(ed, k6x8, kScanVertical2);
    test::FakeHost host;
    ScriptEnlargeChoice(host, "12 х 16");
    ed.win.nosave = 0;
    RunCommand(ed, host, Ctl::Enlarge);
    EXPECT_EQ(ed.params.BytesPerChar, 24);
    EXPECT_EQ(ed.win.fontCaption, "Шрифт 12 x 16 вертикальный 2  ");
    EXPECT_EQ(ed.win.nosave, 1) << "the enlarged font is not saved anywhere yet";
}

// Arming the copy marks its source cell blue; both commands repaint that mark away, so a copy
// left armed would overwrite the next character clicked without a sign.
TEST(ConvertFont, ScanChangeAndEnlargementDisarmTheCopy) {
    for (const bool enlarge : {false, true}) {
        SCOPED_TRACE(enlarge ? "enlargement" : "scan change");
        Editor ed;
        test::OpenTestFont(ed, k8x8, kScanVertical1);
        PutChar(ed, 5, {0x7F, 0x40, 0x40, 0x40, 0x40, 0x40, 0x00, 0x00});
        PutChar(ed, 7, {0x00, 0x3C, 0x42, 0x42, 0x42, 0x3C, 0x00, 0x00});
        SelectChar(ed, 5);
        ArmCopy(ed, 5);
        ASSERT_EQ(ed.win.movie, 1);
        if (enlarge) {
            ASSERT_TRUE(ConvertFont(ed, k16x16));
        } else {
            ASSERT_TRUE(SetFontByteScan(ed, kScanHorizontal1));
        }
        EXPECT_EQ(ed.win.movie, 0);
        const Bytes seventh = CharOf(ed, 7);
        SelectChar(ed, 7);
        EXPECT_EQ(CharOf(ed, 7), seventh) << "the click selects, it does not copy";
        EXPECT_NE(CharOf(ed, 7), CharOf(ed, 5));
    }
}

TEST(ConvertFont, NothingHappensUnlessTheDialogEndsWithOk) {
    Editor ed;
    test::OpenTestFont(ed, k8x8, kScanVertical1);
    PutChar(ed, 0, {0x7F, 0x40, 0x40, 0x40, 0x40, 0x40, 0x00, 0x00});
    const Bytes before(ed.font.FontImage.begin(), ed.font.FontImage.end());
    test::FakeHost host;

    host.enlargeDialog = [](Editor& dialogEd) -> std::optional<CellFormat> {
        EnlargeDialogState state = OpenEnlargeDialog(dialogEd);
        ChooseEnlargeFormat(state, dialogEd, "16 х 16");
        return std::nullopt;  // "Отмена"
    };
    EnlargeFont(ed, host);
    EXPECT_EQ(ed.params.CellWidth, 8);

    // A dialog closed by its frame chooses nothing either.
    host.enlargeDialog = [](Editor&) { return std::optional<CellFormat>{}; };
    EnlargeFont(ed, host);
    EXPECT_EQ(ed.params.CellWidth, 8);
    EXPECT_EQ(Bytes(ed.font.FontImage.begin(), ed.font.FontImage.end()), before);
    EXPECT_EQ(host.busyCalls, 0);
    EXPECT_EQ(ed.win.nosave, 0);
}

TEST(ConvertFont, RefusesFormatsTheDialogWouldNotOffer) {
    struct Case {
        int from;
        int scan;
        int to;
    };
    const Case cases[] = {{k16x16, kScanVertical1, k8x8}, {k16x16, kScanVertical1, k16x16},
                          {k8x8, kScanHorizontal1, 2},    {8, kScanVertical2, 8},
                          {k8x8, kScanVertical1, -1},     {k8x8, kScanVertical1, 9}};
    std::mt19937 random(3);
    for (const Case& c : cases) {
        Editor ed;
        test::OpenTestFont(ed, c.from, c.scan);
        PutChar(ed, 0, test::RandomBytes(random, ed.params.BytesPerChar));
        const Bytes before(ed.font.FontImage.begin(), ed.font.FontImage.end());
        EXPECT_FALSE(ConvertFont(ed, c.to)) << c.from << " -> " << c.to;
        EXPECT_EQ(ed.params.BytesPerChar,
                  kCellFormats[static_cast<std::size_t>(c.from)].bytesPerChar);
        EXPECT_EQ(Bytes(ed.font.FontImage.begin(), ed.font.FontImage.end()), before);
    }
}

// Every format into every larger one it offers, in every scan both have: random glyphs come out
// as the dot-by-dot enlargement of their pictures, and the empty characters stay empty.
TEST(ConvertFont, EveryConversionMatchesTheDotPicture) {
    std::mt19937 random(1999);
    const int drawn[] = {0, 1, 33, 95, 160, 222, 223};
    int conversions = 0;
    for (int fromFormat = 0; fromFormat < static_cast<int>(kCellFormats.size()); ++fromFormat) {
        const CellFormat& from = kCellFormats[static_cast<std::size_t>(fromFormat)];
        for (int scan = 0; scan < kScanCount; ++scan) {
            if (!ScanOffered(from.width, scan)) {
                continue;
            }
            Editor probe;
            test::OpenTestFont(probe, fromFormat, scan);
            for (const std::string& text : OpenEnlargeDialog(probe).offered) {
                const CellFormat& to =
                    kCellFormats[static_cast<std::size_t>(*FormatIndexByListText(text))];
                ASSERT_TRUE(ScanOffered(to.width, scan)) << text;
                SCOPED_TRACE(std::string(from.name) + " -> " + text + " scan " +
                             std::to_string(scan));
                Editor ed;
                test::OpenTestFont(ed, fromFormat, scan);
                std::vector<Bytes> glyphs;
                for (const int index : drawn) {
                    glyphs.push_back(test::RandomBytes(random, from.bytesPerChar));
                    PutChar(ed, index, glyphs.back());
                }
                test::FakeHost host;
                ScriptEnlargeChoice(host, text);
                EnlargeFont(ed, host);
                ASSERT_EQ(ed.params.BytesPerChar, to.bytesPerChar);

                for (std::size_t i = 0; i < std::size(drawn); ++i) {
                    ASSERT_EQ(UnpackGlyph(test::CharBytes(ed, drawn[i]), scan, to.width, to.height),
                              ExpectedDots(glyphs[i], scan, from, to))
                        << "character " << drawn[i];
                }
                for (int index = 0; index < kCharCount; ++index) {
                    if (std::find(std::begin(drawn), std::end(drawn), index) == std::end(drawn)) {
                        ASSERT_TRUE(AllZero(test::CharBytes(ed, index))) << index;
                    }
                }
                ++conversions;
            }
        }
    }
    // 6 x 8, 8 x 8 vertical and horizontal, 12 x 16 in two scans each; then four scans each of
    // 16 x 16 .. 40 x 48; then 5 x 8 in two scans, 8 x 16 vertical and horizontal.
    EXPECT_EQ(conversions,
              2 * 9 + 2 * 8 + 2 * 7 + 2 * 6 + 4 * (5 + 4 + 3 + 2 + 1) + 2 * 10 + 2 * 7 + 2 * 6);
}

}  // namespace
}  // namespace pixmora
