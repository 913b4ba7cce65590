#include "editor/font_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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

TEST(FontSettings, EachFirmwareKindShowsItsOwnOptionsOnly) {
    const struct {
        const char* kind;
        std::vector<Ctl> shown;
    } kinds[] = {
        {"Заголовок C",
         {Ctl::ArrayNameLabel, Ctl::ArrayName, Ctl::Art, Ctl::PlacementLabel, Ctl::Placement}},
        {"Шрифт BDF", {Ctl::BaselineLabel, Ctl::BaselineRow, Ctl::CodePageCodes}},
        {"Adafruit GFX",
         {Ctl::ArrayNameLabel, Ctl::ArrayName, Ctl::BaselineLabel, Ctl::BaselineRow,
          Ctl::GfxStructs}},
        {"Двоичный файл", {}},
        {"Data code", {Ctl::Notation, Ctl::NotationLabel}},
    };
    const Ctl options[] = {Ctl::ArrayNameLabel, Ctl::ArrayName,     Ctl::Art,
                           Ctl::PlacementLabel, Ctl::Placement,     Ctl::BaselineLabel,
                           Ctl::BaselineRow,    Ctl::CodePageCodes, Ctl::GfxStructs,
                           Ctl::Notation,       Ctl::NotationLabel, Ctl::StartAddress};
    Editor ed;
    test::OpenTestFont(ed, 1, kScanVertical1);
    for (const auto& k : kinds) {
        ChooseOutputFormat(ed, k.kind);
        for (const Ctl control : options) {
            const bool expected =
                std::find(k.shown.begin(), k.shown.end(), control) != k.shown.end();
            EXPECT_EQ(IsVisible(ed.win, control), expected)
                << k.kind << ", control " << static_cast<int>(control);
        }
    }
    EXPECT_EQ(std::vector<std::string>(std::begin(kPlacements), std::end(kPlacements)),
              (std::vector<std::string>{"нет", "PROGMEM", ".rodata"}));
}

}  // namespace
}  // namespace pixmora
