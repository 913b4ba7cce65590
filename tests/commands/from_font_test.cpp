#include "commands/from_font.h"

#include <gtest/gtest.h>

#include <memory>

#include "editor/editor.h"
#include "editor/undo_history.h"
#include "model/glyph_packing.h"
#include "support/test_font.h"

namespace pixmora {
namespace {

constexpr int k8x8 = 1;

// A drawing of 8 x 8 cells where character k holds one dot in row k % 8, column k / 28.
RasterisedFont Drawing(int formatIndex) {
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(formatIndex)];
    RasterisedFont font;
    font.cells.assign(kCharCount, DotPicture(format.width, format.height));
    for (int k = 0; k < kCharCount; ++k) {
        font.cells[static_cast<std::size_t>(k)].at(k / 28, k % 8) = 1;
    }
    return font;
}

FromFontChoice Choice(int formatIndex, int scan, bool negative, FillChars chars) {
    FromFontChoice choice;
    choice.options.formatIndex = formatIndex;
    choice.scan = scan;
    choice.negative = negative;
    choice.chars = chars;
    return choice;
}

bool Lit(const Editor& ed, int index, int row, int column) {
    return GlyphDot(CharGlyph(ed.font.FontImage, index, ed.params.BytesPerChar),
                    ed.params.FontByteScan, ed.params.CellWidth, row, column);
}

class InstallDrawnFontTest : public ::testing::Test {
  protected:
    std::unique_ptr<Editor> ed = std::make_unique<Editor>();
};

TEST_F(InstallDrawnFontTest, ReplacesTheFontAsAnImportLoadsOneButCountsItUnsaved) {
    test::OpenTestFont(*ed, 3, 0);
    ed->font.CurrentChar = 40;
    ed->win.nosave = 0;
    InstallDrawnFont(*ed, Drawing(k8x8), Choice(k8x8, 2, true, FillChars::All));
    EXPECT_EQ(ed->params.CellFormatName, "8 x 8");
    EXPECT_EQ(ed->params.BytesPerChar, 8);
    EXPECT_EQ(ed->params.FontByteScan, 2);
    EXPECT_TRUE(ed->win.negative);
    EXPECT_EQ(ed->win.nosave, 1);
    EXPECT_EQ(ed->font.CurrentChar, 0);
    EXPECT_EQ(ed->table.cells[0].background, kRed);
    EXPECT_EQ(ed->win.fontCaption, "Шрифт 8 x 8 горизонтальный 1");
    EXPECT_EQ(ed->undo.UndoPosition, kInitialPosition);
    // FontImage holds the positive picture whatever the polarity.
    for (int k = 0; k < kCharCount; ++k) {
        EXPECT_TRUE(Lit(*ed, k, k % 8, k / 28)) << k;
        EXPECT_EQ(ed->font.CharDefined[static_cast<std::size_t>(k)], kLit);
    }
    EXPECT_FALSE(Lit(*ed, 0, 1, 0));
}

TEST_F(InstallDrawnFontTest, FillsOnlyTheCharactersNotYetDrawnInTheOpenFontsScan) {
    test::OpenTestFont(*ed, k8x8, 3);
    test::CharBytes(*ed, 5)[0] = 0x81;
    ed->font.CharDefined[5] = kLit;
    ed->font.CurrentChar = 7;
    ed->table.cells[7].background = kRed;
    InstallDrawnFont(*ed, Drawing(k8x8), Choice(k8x8, 0, false, FillChars::Undrawn));
    EXPECT_EQ(ed->params.FontByteScan, 3);
    EXPECT_EQ(test::CharBytes(*ed, 5)[0], 0x81);  // drawn by the user: kept
    EXPECT_TRUE(Lit(*ed, 6, 6, 0));
    EXPECT_EQ(ed->font.CharDefined[6], kLit);
    EXPECT_EQ(ed->win.nosave, 1);
    EXPECT_EQ(ed->font.CurrentChar, 0);
    EXPECT_EQ(ed->table.cells[7].background, kWhite);
}

TEST_F(InstallDrawnFontTest, FillsOnlyTheCurrentCharacter) {
    test::OpenTestFont(*ed, k8x8, 0);
    ed->font.CurrentChar = 9;
    InstallDrawnFont(*ed, Drawing(k8x8), Choice(k8x8, 0, false, FillChars::Current));
    for (int k = 0; k < kCharCount; ++k) {
        EXPECT_EQ(GlyphHasDots(CharGlyph(ed->font.FontImage, k, 8)), k == 9) << k;
    }
    EXPECT_EQ(ed->font.CharDefined[9], kLit);
    EXPECT_EQ(ed->font.CharDefined[10], 0);
}

TEST(DrawFromFont, TellsWhyAFontCannotBeDrawn) {
    const DrawnFont drawn = DrawFromFont(Choice(k8x8, 0, false, FillChars::All));
    EXPECT_FALSE(drawn.font);
    EXPECT_EQ(drawn.failure.rfind("Файл шрифта не прочитан: \n", 0), 0u) << drawn.failure;
}

}  // namespace
}  // namespace pixmora
