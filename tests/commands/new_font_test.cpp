#include "commands/new_font.h"

#include <gtest/gtest.h>

#include "commands/params_dialog.h"
#include "editor/cell_view.h"
#include "model/glyph_packing.h"
#include "support/fake_host.h"
#include "support/test_font.h"

namespace pixmora {
namespace {

class NewFontTest : public ::testing::Test {
  protected:
    void SetUp() override {
        StartUp(ed);
        host.programDir = "/opt/pixmora";
    }

    // The parameters dialog as a user fills it in: a format, a scan, maybe negative, then "ОК".
    void ScriptDialog(int formatIndex, int scan, bool negative = false) {
        host.paramsDialog = [this, formatIndex, scan,
                             negative](Editor& e) -> std::optional<ParamsChoice> {
            ParamsDialogState dialog = OpenParamsDialog(e);
            ChooseDialogFormat(e, host, dialog, formatIndex);
            ClickScanOption(host, dialog, scan);
            if (negative) {
                ClickNegativeCheck(e, dialog, true);
            }
            const std::optional<ParamsChoice> choice = ConfirmParamsDialog(host, dialog);
            EXPECT_FALSE(dialog.open);
            return choice;
        };
    }

    void ScriptCancel() {
        host.paramsDialog = [](Editor& e) -> std::optional<ParamsChoice> {
            ParamsDialogState dialog = OpenParamsDialog(e);
            CancelParamsDialog(dialog);
            return std::nullopt;
        };
    }

    Editor ed;
    test::FakeHost host;
};

TEST_F(NewFontTest, CreatesA24x32FontInHorizontal2) {
    ScriptDialog(5, kScanHorizontal2);
    NewFont(ed, host);

    EXPECT_EQ(ed.params.BytesPerChar, 96);
    EXPECT_EQ(ed.params.FontByteScan, 3);
    EXPECT_EQ(ed.params.CellFormatName, "24 x 32");
    EXPECT_EQ(ed.win.fontCaption, "Шрифт 24 x 32 горизонтальный 2");
    EXPECT_TRUE(IsVisible(ed.win, Ctl::FontCaption));
    EXPECT_EQ(ed.font.CurrentChar, 0);
    EXPECT_EQ(ed.font.CurrentCharOffset, 0);
    EXPECT_EQ(ed.table.cells[0].background, kRed);
    EXPECT_FALSE(ed.table.locked);
    EXPECT_EQ(ed.font.ImageEmpty, kDark);
    EXPECT_EQ(host.busyDepth, 0);

    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            const int dot = DotIndex(row, column);
            const bool inside = row < 32 && column < 24;
            ASSERT_EQ(ed.font.DotVisible[dot], inside) << row << "," << column;
            if (inside) {
                const bool margin = row >= 30 || column >= 22;
                EXPECT_EQ(ed.font.DotColour[dot], margin ? kYellow : kWhite)
                    << row << "," << column;
                EXPECT_EQ(ed.font.DotGrid[dot], kDark);
            }
        }
    }
}

TEST_F(NewFontTest, ShowsTheEditingCommandsButNotUndoAndRedo) {
    ScriptDialog(4, kScanVertical1);
    NewFont(ed, host);
    for (const Ctl shown :
         {Ctl::ClearChar, Ctl::DeleteFont, Ctl::Save, Ctl::ShiftUp, Ctl::ChangeScan, Ctl::Mirror,
          Ctl::Enlarge, Ctl::Line, Ctl::Polyline, Ctl::CreateModel, Ctl::Circle, Ctl::Negative,
          Ctl::IncompleteSet, Ctl::OutputKind, Ctl::Notation, Ctl::OutputTitle, Ctl::NotationLabel,
          Ctl::KindLabel, Ctl::OutputFrame}) {
        EXPECT_TRUE(IsVisible(ed.win, shown)) << static_cast<int>(shown);
    }
    for (const Ctl hidden : {Ctl::Undo, Ctl::Redo, Ctl::FirstCode, Ctl::LastCode, Ctl::RangeLabel,
                             Ctl::StartAddress, Ctl::AddressLabel}) {
        EXPECT_FALSE(IsVisible(ed.win, hidden)) << static_cast<int>(hidden);
    }
    // The two trailing blanks of the caption are part of it.
    EXPECT_EQ(ed.win.fontCaption, "Шрифт 16 x 24 вертикальный 1  ");
    EXPECT_EQ(ed.win.tex, "вертикальный 1  ");
}

TEST_F(NewFontTest, EachFormatAndScanGivesItsCaptionAndCellArea) {
    for (int format = 0; format < static_cast<int>(kCellFormats.size()); ++format) {
        for (int scan = 0; scan < kScanCount; ++scan) {
            const CellFormat& cell = kCellFormats[static_cast<std::size_t>(format)];
            if (!ScanOffered(cell.width, scan)) {
                continue;
            }
            ScriptDialog(format, scan);
            NewFont(ed, host);
            EXPECT_EQ(ed.params.CellWidth, cell.width);
            EXPECT_EQ(ed.params.BytesPerChar, cell.bytesPerChar);
            EXPECT_EQ(ed.params.FontByteScan, scan);
            EXPECT_EQ(ed.win.fontCaption,
                      FontCaption(cell.width, cell.height,
                                  ScanCaptionText(scan, CaptionOrigin::NewOrRescan)));
            EXPECT_EQ(std::count(ed.font.DotVisible.begin(), ed.font.DotVisible.end(), true),
                      cell.width * cell.height);
        }
    }
}

// Both cells have a one-dot margin, yellow along the right and bottom edges only.
TEST_F(NewFontTest, FiveByEightAndEightBySixteenShowAOneDotMargin) {
    for (const std::string_view name : {"5 x 8", "8 x 16"}) {
        const int format = *FormatIndexByName(name);
        const CellFormat& cell = kCellFormats[static_cast<std::size_t>(format)];
        ScriptDialog(format, kScanVertical2);
        NewFont(ed, host);
        int yellow = 0;
        for (int row = 0; row < cell.height; ++row) {
            for (int column = 0; column < cell.width; ++column) {
                const bool edge = row == cell.height - 1 || column == cell.width - 1;
                const Colour shown = ed.font.DotColour[DotIndex(row, column)];
                EXPECT_EQ(shown, edge ? kYellow : kWhite) << name << " " << row << "," << column;
                yellow += shown == kYellow ? 1 : 0;
            }
        }
        EXPECT_EQ(yellow, cell.width + cell.height - 1) << name;
    }
}

TEST_F(NewFontTest, Vertical2AfterCreateHasOneTrailingBlank) {
    ScriptDialog(1, kScanVertical2);
    NewFont(ed, host);
    EXPECT_EQ(ed.win.fontCaption, "Шрифт 8 x 8 вертикальный 2 ");
}

TEST_F(NewFontTest, NegativeChoiceChecksTheMainWindowBox) {
    ScriptDialog(1, kScanVertical1, true);
    NewFont(ed, host);
    EXPECT_EQ(ed.params.PositiveFont, kDark);
    EXPECT_TRUE(ed.win.negative);
}

TEST_F(NewFontTest, ReplacesTheOldFontWithAnEmptyOne) {
    ScriptDialog(1, kScanVertical1);
    NewFont(ed, host);
    ed.font.FontImage[40] = 0x55;
    SetDefinedLook(ed, 5);
    ed.win.incompleteSet = true;
    SetVisible(ed.win, Ctl::FirstCode, true);

    ScriptDialog(3, kScanHorizontal1);
    NewFont(ed, host);
    EXPECT_EQ(ed.font.FontImage[40], 0);
    EXPECT_EQ(ed.font.CharDefined[5], kDark);
    EXPECT_EQ(ed.table.cells[5].textColour, kEmptyCellText);
    EXPECT_FALSE(ed.win.incompleteSet);
    EXPECT_FALSE(IsVisible(ed.win, Ctl::FirstCode));
}

TEST_F(NewFontTest, CancelLeavesTheOpenFontAsItWas) {
    ScriptDialog(4, kScanVertical1);
    NewFont(ed, host);
    ed.font.FontImage[3] = 0x81;
    ShowGlyph(ed.font, 0, ed.params.BytesPerChar, ed.params.CellWidth, ed.params.FontByteScan);
    const FontParams params = ed.params;
    const auto image = ed.font.FontImage;
    const auto colours = ed.font.DotColour;
    const auto visible = ed.font.DotVisible;
    const std::string caption = ed.win.fontCaption;

    ScriptCancel();
    NewFont(ed, host);
    EXPECT_EQ(ed.params.CellWidth, params.CellWidth);
    EXPECT_EQ(ed.params.FontByteScan, params.FontByteScan);
    EXPECT_EQ(ed.font.FontImage, image);
    EXPECT_EQ(ed.font.DotColour, colours);
    EXPECT_EQ(ed.font.DotVisible, visible);
    EXPECT_EQ(ed.win.fontCaption, caption);
}

TEST_F(NewFontTest, AsksBeforeReplacingUnsavedChanges) {
    ScriptDialog(1, kScanVertical1);
    NewFont(ed, host);
    ed.font.FontImage[0] = 0x7F;
    ed.win.nosave = 1;

    host.answers = {MsgAnswer::No};
    NewFont(ed, host);
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].text, "Несохраненные данные будут потеряны. Продолжить?");
    EXPECT_EQ(host.messages[0].title, "Внимание!");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(ed.font.FontImage[0], 0x7F) << "No keeps the drawing";
    EXPECT_EQ(ed.win.nosave, 1);

    host.answers = {MsgAnswer::Yes};
    NewFont(ed, host);
    EXPECT_EQ(ed.font.FontImage[0], 0);
    EXPECT_EQ(ed.win.nosave, 1) << "creating neither asks about nor clears the flag itself";
}

TEST_F(NewFontTest, NoQuestionWithoutUnsavedChanges) {
    ScriptDialog(1, kScanVertical1);
    NewFont(ed, host);
    NewFont(ed, host);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(NewFontTest, DisarmsAnArmedCopy) {
    ScriptDialog(1, kScanVertical1);
    NewFont(ed, host);
    ed.win.movie = 1;
    ed.win.simb1 = 7;
    NewFont(ed, host);
    EXPECT_EQ(ed.win.movie, 0);
}

// The dialog's own rules.

TEST_F(NewFontTest, DialogOffersHorizontalScansOnlyForWidthsOfWholeBytes) {
    ParamsDialogState dialog = OpenParamsDialog(ed);
    EXPECT_EQ(dialog.comboText, "???");
    EXPECT_FALSE(dialog.okVisible);
    EXPECT_FALSE(dialog.scanPromptVisible);
    EXPECT_FALSE(dialog.pictureVisible);
    for (int format = 0; format < static_cast<int>(kCellFormats.size()); ++format) {
        ChooseDialogFormat(ed, host, dialog, format);
        const bool horizontal = format != 0 && format != 2 && format != 9;  // 6, 12 and 5 wide
        EXPECT_TRUE(dialog.optionVisible[0]);
        EXPECT_TRUE(dialog.optionVisible[1]);
        EXPECT_EQ(dialog.optionVisible[2], horizontal) << format;
        EXPECT_EQ(dialog.optionVisible[3], horizontal) << format;
        EXPECT_TRUE(dialog.okVisible);
        EXPECT_TRUE(dialog.negativeVisible);
        EXPECT_TRUE(dialog.scanPromptVisible);
    }
    EXPECT_EQ(ed.font.CellFormatChosen, kLit);
}

TEST_F(NewFontTest, DialogResetsTheScanWhenAnotherFormatIsChosen) {
    ParamsDialogState dialog = OpenParamsDialog(ed);
    ChooseDialogFormat(ed, host, dialog, 3);
    ClickScanOption(host, dialog, kScanHorizontal1);
    EXPECT_EQ(dialog.selectedOption, kScanHorizontal1);
    EXPECT_EQ(dialog.picture, "/opt/pixmora/Pict/v2.bmp");
    ChooseDialogFormat(ed, host, dialog, 1);
    EXPECT_EQ(dialog.selectedOption, kScanVertical1);
    EXPECT_EQ(dialog.picture, "/opt/pixmora/Pict/v0.bmp");
    EXPECT_EQ(ed.params.CellFormatName, "8 x 8");
}

TEST_F(NewFontTest, DialogWithoutFormatRefusesOk) {
    ParamsDialogState dialog = OpenParamsDialog(ed);
    dialog.comboText.clear();
    EXPECT_FALSE(ConfirmParamsDialog(host, dialog));
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].text, "Укажите формат знакоместа!");
    EXPECT_EQ(host.messages[0].title, kDefaultTitle);
    EXPECT_EQ(host.messages[0].icon, MsgIcon::None);
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::Ok);
    EXPECT_TRUE(dialog.open);
    EXPECT_EQ(host.busyCalls, 0) << "the message is read with the normal pointer";
    EXPECT_EQ(ed.params.FontByteScan, kNoScan);
}

TEST_F(NewFontTest, DialogNegativeCheckActsAtOnceEvenIfCancelled) {
    ParamsDialogState dialog = OpenParamsDialog(ed);
    ChooseDialogFormat(ed, host, dialog, 1);
    ClickNegativeCheck(ed, dialog, true);
    EXPECT_EQ(ed.params.PositiveFont, kDark);
    EXPECT_TRUE(ed.win.negative);
    CancelParamsDialog(dialog);
    EXPECT_FALSE(dialog.open);
    EXPECT_EQ(ed.params.PositiveFont, kDark);
    EXPECT_EQ(ed.params.FontByteScan, kNoScan);
}

TEST_F(NewFontTest, DialogOpeningKeepsTheOpenFontsParameters) {
    ScriptDialog(4, kScanHorizontal1, true);
    NewFont(ed, host);
    ParamsDialogState dialog = OpenParamsDialog(ed);
    EXPECT_EQ(ed.params.PositiveFont, kDark) << "only the first opening in a run resets it";
    EXPECT_EQ(ed.params.FontByteScan, kScanHorizontal1);
    EXPECT_EQ(dialog.selectedOption, kScanVertical1);
    EXPECT_FALSE(dialog.negative);
}

TEST_F(NewFontTest, OkChoosesAndTheChoiceCommits) {
    ParamsDialogState dialog = OpenParamsDialog(ed);
    ChooseDialogFormat(ed, host, dialog, 3);
    ClickScanOption(host, dialog, kScanHorizontal1);
    ClickNegativeCheck(ed, dialog, true);
    const std::optional<ParamsChoice> choice = ConfirmParamsDialog(host, dialog);
    ASSERT_TRUE(choice);
    EXPECT_FALSE(dialog.open);
    ApplyParamsChoice(ed, host, *choice);
    EXPECT_EQ(ed.params.CellWidth, 16);
    EXPECT_EQ(ed.params.CellHeight, 16);
    EXPECT_EQ(ed.params.BytesPerChar, 32);
    EXPECT_EQ(ed.params.FontByteScan, kScanHorizontal1);
    EXPECT_EQ(ed.params.PositiveFont, kDark);
    EXPECT_TRUE(ed.win.negative);
    EXPECT_TRUE(IsVisible(ed.win, Ctl::Save));
}

TEST_F(NewFontTest, OkShowsTheHexAddressWhenThatIsTheOutputFormat) {
    ed.win.outputKind = "Intel HEX";
    ScriptDialog(1, kScanVertical1);
    NewFont(ed, host);
    EXPECT_TRUE(IsVisible(ed.win, Ctl::StartAddress));
    EXPECT_FALSE(IsVisible(ed.win, Ctl::Notation));
}

}  // namespace
}  // namespace pixmora
