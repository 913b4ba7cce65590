#include "editor/window_status.h"

#include <gtest/gtest.h>

#include "editor/table_glyph.h"
#include "model/glyph_packing.h"
#include "support/test_font.h"

namespace pixmora {
namespace {

TEST(WindowStatusTest, TitleNamesTheFileAndMarksUnsavedChanges) {
    Editor ed;
    StartUp(ed);
    EXPECT_EQ(TitleOf(ed).name, "");
    test::OpenTestFont(ed, 1, kScanVertical1);
    EXPECT_EQ(TitleOf(ed).name, "Без имени");
    EXPECT_FALSE(TitleOf(ed).modified);
    ed.win.nosave = 1;
    EXPECT_TRUE(TitleOf(ed).modified);
    ed.win.fileName = FileNameOf("/home/user/шрифты/font8x8.fnt");
    EXPECT_EQ(TitleOf(ed).name, "font8x8.fnt");
    EXPECT_TRUE(TitleOf(ed).modified);
    ed.win.nosave = 0;
    EXPECT_FALSE(TitleOf(ed).modified);
    EXPECT_EQ(FileNameOf("bare.hex"), "bare.hex");
}

TEST(WindowStatusTest, StatusNamesTheCurrentCharacter) {
    Editor ed;
    StartUp(ed);
    EXPECT_EQ(CurrentCharStatus(ed), "");
    test::OpenTestFont(ed, 1, kScanVertical1);
    const std::pair<int, const char*> cases[] = {
        {65 - 32, "Символ 41h (65) «A»"},
        {192 - 32, "Символ C0h (192) «А»"},
        {255 - 32, "Символ FFh (255) «я»"},
        {185 - 32, "Символ B9h (185) «№»"},
        {0, "Символ 20h (32)"},
        {127 - 32, "Символ 7Fh (127)"},
        {152 - 32, "Символ 98h (152)"},
        {160 - 32, "Символ A0h (160)"},
    };
    for (const auto& [index, text] : cases) {
        MakeCharCurrent(ed.font, index, ed.params.BytesPerChar);
        EXPECT_EQ(CurrentCharStatus(ed), text);
    }
}

TEST(WindowStatusTest, AboutNamesVersionLicenceAndQt) {
    EXPECT_EQ(AboutText("2.61", "MIT", "6.4.2"),
              "Pixmora, версия 2.61\nРедактор знакогенераторов для дисплеев микроконтроллеров.\n"
              "Лицензия: MIT\nБиблиотека Qt 6.4.2");
}

// In every scan the table shows the dots the character's bytes hold, and only when asked to and
// only for a character with a lit dot.
TEST(TableGlyphTest, ShowsTheDotsOfDrawnCharactersInEveryScan) {
    for (const int scan : {kScanVertical1, kScanVertical2, kScanHorizontal1, kScanHorizontal2}) {
        Editor ed;
        test::OpenTestFont(ed, 3, scan);  // 16 x 16
        auto glyph = test::CharBytes(ed, 5);
        SetGlyphDot(glyph, scan, 16, 2, 11, true);
        SetGlyphDot(glyph, scan, 16, 13, 0, true);
        EXPECT_TRUE(TableGlyphOf(ed, 5).dots.empty());
        ed.view.tableGlyphs = true;
        const TableGlyph shown = TableGlyphOf(ed, 5);
        ASSERT_EQ(shown.width, 16);
        ASSERT_EQ(shown.height, 16);
        std::vector<bool> wanted(256, false);
        wanted[2 * 16 + 11] = true;
        wanted[13 * 16] = true;
        EXPECT_EQ(shown.dots, wanted) << scan;
        EXPECT_TRUE(TableGlyphOf(ed, 6).dots.empty());
    }
}

}  // namespace
}  // namespace pixmora
