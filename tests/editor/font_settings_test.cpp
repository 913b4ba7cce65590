#include "editor/font_settings.h"

#include <gtest/gtest.h>

#include "support/test_font.h"

namespace pixmora {
namespace {

TEST(FontSettings, NegativeFontChangesNoByte) {
    Editor ed;
    test::OpenTestFont(ed, 1, kScanVertical1);
    ed.font.FontImage[3] = 0x3C;
    const auto image = ed.font.FontImage;
    SetNegativeFont(ed, true);
    EXPECT_EQ(ed.params.PositiveFont, kDark);
    SetNegativeFont(ed, false);
    EXPECT_EQ(ed.params.PositiveFont, kLit);
    EXPECT_EQ(ed.font.FontImage, image);
}

TEST(FontSettings, IncompleteSetShowsAndHidesTheRangeKeepingItsTexts) {
    Editor ed;
    test::OpenTestFont(ed, 1, kScanVertical1);
    SetIncompleteSet(ed, true);
    EXPECT_TRUE(IsVisible(ed.win, Ctl::Text2));
    EXPECT_TRUE(IsVisible(ed.win, Ctl::Label1));
    ed.win.Text2 = "192";
    SetIncompleteSet(ed, false);
    EXPECT_FALSE(IsVisible(ed.win, Ctl::Text2));
    EXPECT_FALSE(IsVisible(ed.win, Ctl::Text3));
    EXPECT_FALSE(IsVisible(ed.win, Ctl::Label21));
    EXPECT_EQ(ed.win.Text2, "192");
}

TEST(FontSettings, IntelHexSwapsNotationForStartAddress) {
    Editor ed;
    test::OpenTestFont(ed, 1, kScanVertical1);
    ChooseOutputFormat(ed, "Intel HEX");
    EXPECT_TRUE(IsVisible(ed.win, Ctl::Label26));
    EXPECT_TRUE(IsVisible(ed.win, Ctl::Text4));
    EXPECT_FALSE(IsVisible(ed.win, Ctl::Combo2));
    EXPECT_FALSE(IsVisible(ed.win, Ctl::Label23));
    ChooseOutputFormat(ed, "Code");
    EXPECT_FALSE(IsVisible(ed.win, Ctl::Label26));
    EXPECT_FALSE(IsVisible(ed.win, Ctl::Text4));
    EXPECT_TRUE(IsVisible(ed.win, Ctl::Combo2));
    EXPECT_TRUE(IsVisible(ed.win, Ctl::Label23));
}

}  // namespace
}  // namespace pixmora
