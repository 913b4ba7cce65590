#include "model/font_model.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "editor/editor.h"
#include "support/test_font.h"

namespace pixmora {
namespace {

TEST(FontModel, SizesCoverTheLargestFontPlusASpare) {
    EXPECT_EQ(kImageSize, 75265);
    EXPECT_EQ(kGridSize, 2689);
    int largest = 0;
    for (const CellFormat& format : kCellFormats) {
        largest = std::max(largest, format.bytesPerChar);
    }
    EXPECT_EQ(largest, kMaxBytesPerChar);
    EXPECT_EQ(kCharCount * largest, 75264);
}

TEST(FontModel, ResetKeepsLettersAndBlanksLetterlessCells) {
    Editor ed;
    test::OpenTestFont(ed, 1, kScanVertical1);
    for (int index = 0; index < kCharCount; ++index) {
        SetDefinedLook(ed, index);
        ed.table.cells[index].background = kRed;
    }
    ed.font.FontImage.fill(0x55);
    ed.font.DotGrid[100] = kLit;
    ed.font.ImageEmpty = kDark;
    ed.params.FontByteScan = kScanVertical2;

    ResetFontModel(ed);

    EXPECT_EQ(std::count(ed.font.FontImage.begin(), ed.font.FontImage.end(), 0), kImageSize);
    EXPECT_EQ(ed.font.DotGrid[100], kDark);
    EXPECT_EQ(ed.font.ImageEmpty, kLit);
    EXPECT_EQ(ed.params.FontByteScan, kScanVertical2) << "parameters are kept";
    for (int index = 0; index < kCharCount; ++index) {
        const CharCell& cell = ed.table.cells[index];
        EXPECT_EQ(ed.font.CharDefined[index], kDark);
        EXPECT_EQ(cell.textColour, kEmptyCellText);
        EXPECT_EQ(cell.fontSize, 10);
        EXPECT_FALSE(cell.bold);
        EXPECT_EQ(cell.background, kWhite);
        EXPECT_EQ(cell.textCode, IsLetterlessChar(index) ? 0 : index + 32) << index;
    }
    EXPECT_EQ(ed.table.cells[33].textCode, 'A');
    EXPECT_EQ(ed.table.cells[160].textCode, 192);  // Cyrillic А
}

TEST(FontModel, DefinedLookShowsTheBulletOnlyInLetterlessCells) {
    Editor ed;
    test::OpenTestFont(ed, 1, kScanVertical1);
    SetDefinedLook(ed, 100);
    SetDefinedLook(ed, 33);
    EXPECT_EQ(ed.table.cells[100].textCode, kBulletCode);
    EXPECT_EQ(ed.table.cells[33].textCode, 'A');
    EXPECT_EQ(ed.table.cells[33].fontSize, 12);
    EXPECT_TRUE(ed.table.cells[33].bold);
    EXPECT_EQ(ed.font.CharDefined[33], kLit);
    SetEmptyLook(ed, 100);
    EXPECT_EQ(ed.table.cells[100].textCode, 0);
    EXPECT_EQ(ed.font.CharDefined[100], kDark);
}

TEST(FontModel, CellAreaShowsOnlyTheFormatsDots) {
    FontModel font;
    ShowCellArea(font, 6, 8);
    EXPECT_EQ(std::count(font.DotVisible.begin(), font.DotVisible.end(), true), 48);
    EXPECT_TRUE(font.DotVisible[DotIndex(7, 5)]);
    EXPECT_FALSE(font.DotVisible[DotIndex(7, 6)]);
    EXPECT_FALSE(font.DotVisible[DotIndex(8, 0)]);
}

TEST(FontModel, MarginIsTwoDotsWideOnlyInCellsWiderThan8) {
    Editor ed;
    test::OpenTestFont(ed, 0, kScanVertical1);  // 6 x 8
    EXPECT_EQ(ed.font.DotBackColor[DotIndex(0, 5)], kYellow);
    EXPECT_EQ(ed.font.DotBackColor[DotIndex(7, 0)], kYellow);
    EXPECT_EQ(ed.font.DotBackColor[DotIndex(6, 4)], kWhite);
    test::OpenTestFont(ed, 2, kScanVertical1);  // 12 x 16
    EXPECT_EQ(ed.font.DotBackColor[DotIndex(0, 10)], kYellow);
    EXPECT_EQ(ed.font.DotBackColor[DotIndex(14, 0)], kYellow);
    EXPECT_EQ(ed.font.DotBackColor[DotIndex(13, 9)], kWhite);
}

}  // namespace
}  // namespace pixmora
