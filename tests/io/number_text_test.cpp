#include "io/number_text.h"

#include <gtest/gtest.h>

namespace pixmora {
namespace {

TEST(NumberText, ReadsDecimalsWithSignAndFraction) {
    EXPECT_EQ(ParseNumberText("32"), 32.0);
    EXPECT_EQ(ParseNumberText("-5"), -5.0);
    EXPECT_EQ(ParseNumberText("+12.25"), 12.25);
    EXPECT_EQ(ParseNumberText(".5"), 0.5);
    EXPECT_EQ(ParseNumberText("7."), 7.0);
    EXPECT_EQ(ParseNumberText(" \t255 "), 255.0);
}

TEST(NumberText, ReadsAmpersandHexLiterals) {
    EXPECT_EQ(ParseNumberText("&h1000"), 4096.0);
    EXPECT_EQ(ParseNumberText("&HfF"), 255.0);
    EXPECT_EQ(ParseNumberText("&hFFFFFFFF"), 4294967295.0);
}

TEST(NumberText, RefusesEverythingElse) {
    for (const char* text : {"", " ", "-", ".", "+.", "1.2.3", "1e3", "12a", "0x10", "$10", "10h",
                             "&h", "&hZZ", "&h123456789", "- 5", "1 000", "3,5", "&h-1"}) {
        EXPECT_FALSE(ParseNumberText(text)) << text;
    }
}

TEST(NumberText, WholeNumbersRoundHalvesToEven) {
    EXPECT_EQ(ParseWholeNumber("2.5"), 2);
    EXPECT_EQ(ParseWholeNumber("3.5"), 4);
    EXPECT_EQ(ParseWholeNumber("-0.4"), 0);
    EXPECT_EQ(ParseWholeNumber("-2.5"), -2);
    EXPECT_EQ(ParseWholeNumber("3.6"), 4);
    EXPECT_EQ(ParseWholeNumber("99999999999"), std::nullopt);
    EXPECT_EQ(ParseWholeNumber(std::string(400, '9')), std::nullopt);
}

TEST(NumberText, TrimsBlanksAndTabsOnly) {
    EXPECT_EQ(TrimBlanks(" \t&h01\t "), "&h01");
    EXPECT_EQ(TrimBlanks("\r&h01"), "\r&h01");
    EXPECT_EQ(TrimBlanks("   "), "");
}

}  // namespace
}  // namespace pixmora
