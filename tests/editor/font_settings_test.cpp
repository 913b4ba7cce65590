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
    EXPECT_TRUE(IsVisible(ed.win, Ctl::FirstCode));
    EXPECT_TRUE(IsVisible(ed.win, Ctl::RangeLabel));
    ed.win.firstCode = "192";
    SetIncompleteSet(ed, false);
    EXPECT_FALSE(IsVisible(ed.win, Ctl::FirstCode));
    EXPECT_FALSE(IsVisible(ed.win, Ctl::LastCode));
    EXPECT_FALSE(IsVisible(ed.win, Ctl::ToLabel));
    EXPECT_EQ(ed.win.firstCode, "192");
}

TEST(FontSettings, IntelHexSwapsNotationForStartAddress) {
    Editor ed;
    test::OpenTestFont(ed, 1, kScanVertical1);
    ChooseOutputFormat(ed, "Intel HEX");
    EXPECT_TRUE(IsVisible(ed.win, Ctl::AddressLabel));
    EXPECT_TRUE(IsVisible(ed.win, Ctl::StartAddress));
    EXPECT_FALSE(IsVisible(ed.win, Ctl::Notation));
    EXPECT_FALSE(IsVisible(ed.win, Ctl::NotationLabel));
    ChooseOutputFormat(ed, "Code");
    EXPECT_FALSE(IsVisible(ed.win, Ctl::AddressLabel));
    EXPECT_FALSE(IsVisible(ed.win, Ctl::StartAddress));
    EXPECT_TRUE(IsVisible(ed.win, Ctl::Notation));
    EXPECT_TRUE(IsVisible(ed.win, Ctl::NotationLabel));
}

}  // namespace
}  // namespace pixmora
