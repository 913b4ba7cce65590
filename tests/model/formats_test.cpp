#include "model/formats.h"

#include <gtest/gtest.h>

namespace pixmora {
namespace {

TEST(Formats, EveryFormatHoldsWholeBytes) {
    for (const CellFormat& format : kCellFormats) {
        EXPECT_EQ(format.height % 8, 0) << format.name;
        EXPECT_EQ(format.bytesPerChar, format.width * format.height / 8) << format.name;
        EXPECT_EQ(FormatIndexByName(format.name), FormatIndex(format.width, format.height));
    }
    EXPECT_EQ(FormatIndex(16, 24), 4);
    EXPECT_FALSE(FormatIndex(5, 7).has_value());
    EXPECT_FALSE(FormatIndexByName("8 х 8").has_value()) << "Cyrillic х is not a format name";
}

TEST(Formats, FiveByEightAndEightBySixteenFollowTheNine) {
    EXPECT_EQ(FormatIndexByName("48 x 56"), 8);
    ASSERT_EQ(FormatIndexByName("5 x 8"), 9);
    ASSERT_EQ(FormatIndexByName("8 x 16"), 10);
    EXPECT_EQ(kCellFormats[9].bytesPerChar, 5);
    EXPECT_EQ(kCellFormats[10].bytesPerChar, 16);
    for (int scan = 0; scan < kScanCount; ++scan) {
        EXPECT_EQ(ScanOffered(kCellFormats[9].width, scan), IsVerticalScan(scan)) << scan;
        EXPECT_TRUE(ScanOffered(kCellFormats[10].width, scan)) << scan;
    }
}

TEST(Formats, SpacingMarginIsOneDotUpToEightColumns) {
    EXPECT_EQ(SpacingMargin(5, 8), 1);
    EXPECT_EQ(SpacingMargin(6, 8), 1);
    EXPECT_EQ(SpacingMargin(8, 8), 1);
    EXPECT_EQ(SpacingMargin(8, 16), 1);
    EXPECT_EQ(SpacingMargin(12, 16), 2);
    EXPECT_EQ(SpacingMargin(48, 56), 2);
    // A cell of no format keeps the rule the formats follow.
    EXPECT_EQ(SpacingMargin(7, 8), 1);
    EXPECT_EQ(SpacingMargin(10, 8), 2);
}

TEST(Formats, HorizontalScansNeedWidthsOfWholeBytes) {
    EXPECT_TRUE(ScanOffered(6, kScanVertical2));
    EXPECT_FALSE(ScanOffered(6, kScanHorizontal1));
    EXPECT_FALSE(ScanOffered(12, kScanHorizontal2));
    EXPECT_TRUE(ScanOffered(16, kScanHorizontal2));
    EXPECT_FALSE(ScanOffered(16, kNoScan));
}

TEST(Formats, FontCaptionKeepsTrailingBlanks) {
    EXPECT_EQ(FontCaption(16, 24, ScanCaptionText(0, CaptionOrigin::NewOrRescan)),
              "Шрифт 16 x 24 вертикальный 1  ");
    EXPECT_EQ(ScanCaptionText(1, CaptionOrigin::NewOrRescan), "вертикальный 2 ");
    EXPECT_EQ(ScanCaptionText(1, CaptionOrigin::ImportOrEnlarge), "вертикальный 2  ");
    EXPECT_EQ(ScanCaptionText(3, CaptionOrigin::ImportOrEnlarge), "горизонтальный 2");
    EXPECT_EQ(ScanOptionCaption(2), "горизонтально 1");
}

}  // namespace
}  // namespace pixmora
