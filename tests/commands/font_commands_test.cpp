#include "commands/font_commands.h"

#include <gtest/gtest.h>

#include "commands/char_selection.h"
#include "commands/commands.h"
#include "editor/exit_check.h"
#include "model/glyph_packing.h"
#include "support/fake_host.h"
#include "support/test_font.h"
#include "tools/dot_editing.h"

namespace pixmora {
namespace {

class FontCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::OpenTestFont(ed, 3, kScanVertical2);  // 16 x 16
        for (const Ctl shown : {Ctl::Enlarge, Ctl::CreateModel, Ctl::Save}) {
            SetVisible(ed.win, shown, true);
        }
        ResetUndoHistory(ed);
    }

    void ClickDots(std::initializer_list<int> dots) {
        for (const int dot : dots) {
            DotClick(ed, host, dot);
        }
    }

    Editor ed;
    test::FakeHost host;
};

TEST_F(FontCommandsTest, ClearAsksThenErasesAndUndoBringsTheDrawingBack) {
    SelectChar(ed, 100);
    ClickDots({DotIndex(0, 0), DotIndex(3, 5), DotIndex(15, 15)});
    RecordUndoStep(ed);
    std::vector<std::uint8_t> drawn(test::CharBytes(ed, 100).begin(),
                                    test::CharBytes(ed, 100).end());
    ed.win.nosave = 0;

    host.answers = {MsgAnswer::Yes};
    RunCommand(ed, host, Ctl::ClearChar);
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].text, "Информация о символе будет удалена. Продолжить?");
    EXPECT_EQ(host.messages[0].title, "Внимание!");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::YesNo);
    for (const std::uint8_t byte : test::CharBytes(ed, 100)) {
        EXPECT_EQ(byte, 0);
    }
    EXPECT_EQ(ed.font.DotColour[DotIndex(15, 15)], kYellow);
    EXPECT_EQ(ed.font.DotColour[DotIndex(3, 5)], kWhite);
    EXPECT_EQ(ed.font.CharDefined[100], kDark);
    EXPECT_EQ(ed.table.cells[100].textColour, kEmptyCellText);
    EXPECT_EQ(ed.table.cells[100].textCode, 0);
    EXPECT_TRUE(ed.table.cells[100].bold) << "size and weight change when the character is left";
    EXPECT_EQ(ed.win.nosave, 1);
    EXPECT_EQ(ed.win.nosavesimb, 1);

    RunCommand(ed, host, Ctl::Undo);
    EXPECT_TRUE(std::equal(drawn.begin(), drawn.end(), test::CharBytes(ed, 100).begin()));
    EXPECT_EQ(ed.font.DotGrid[DotIndex(3, 5)], kLit);
}

TEST_F(FontCommandsTest, ClearAnsweredNoChangesNothing) {
    ClickDots({DotIndex(1, 1)});
    const auto image = ed.font.FontImage;
    host.answers = {MsgAnswer::No};
    ClearCurrentChar(ed, host);
    EXPECT_EQ(ed.font.FontImage, image);
    EXPECT_EQ(ed.font.DotGrid[DotIndex(1, 1)], kLit);
}

TEST_F(FontCommandsTest, DeleteWhileCharacter100IsCurrentLeavesAnEmptyFontOfTheSameFormat) {
    ed.table.cells[0].background = kRed;
    SelectChar(ed, 40);
    ClickDots({DotIndex(2, 2)});
    SelectChar(ed, 100);
    ClickDots({DotIndex(4, 4), DotIndex(14, 1)});
    RecordUndoStep(ed);

    host.answers = {MsgAnswer::Yes};
    RunCommand(ed, host, Ctl::DeleteFont);
    EXPECT_EQ(host.messages.back().text, "Данные знакогенератора будут удалены. Продолжить?");
    EXPECT_EQ(ed.font.CurrentChar, 0);
    EXPECT_EQ(ed.font.CurrentCharOffset, 0);
    EXPECT_EQ(ed.table.cells[0].background, kRed);
    for (int index = 0; index < kCharCount; ++index) {
        const CharCell& cell = ed.table.cells[index];
        EXPECT_EQ(cell.textColour, kEmptyCellText) << index;
        EXPECT_FALSE(cell.bold) << index;
        EXPECT_EQ(ed.font.CharDefined[index], kDark) << index;
        if (index != 0) {
            EXPECT_EQ(cell.background, kWhite) << index;
        }
    }
    EXPECT_TRUE(std::all_of(ed.font.FontImage.begin(), ed.font.FontImage.end(),
                            [](std::uint8_t byte) { return byte == 0; }));
    EXPECT_EQ(ed.font.DotGrid[DotIndex(4, 4)], kDark);
    EXPECT_EQ(ed.font.DotColour[DotIndex(14, 1)], kYellow);
    EXPECT_EQ(ed.font.DotColour[DotIndex(4, 4)], kWhite);
    EXPECT_EQ(ed.params.CellWidth, 16);
    EXPECT_EQ(ed.params.FontByteScan, kScanVertical2);
    EXPECT_FALSE(ed.table.locked);
    EXPECT_FALSE(IsVisible(ed.win, Ctl::Enlarge));
    EXPECT_FALSE(IsVisible(ed.win, Ctl::CreateModel));
    EXPECT_TRUE(IsVisible(ed.win, Ctl::Save));
    EXPECT_EQ(ed.font.ImageEmpty, kLit);
    EXPECT_EQ(ed.win.nosave, 0);
    EXPECT_FALSE(IsVisible(ed.win, Ctl::Undo))
        << "the old character's history must not be undone into character 0";
    EXPECT_TRUE(ConfirmExit(ed, host));
    EXPECT_EQ(host.messages.size(), 1U) << "leaving right after deleting asks nothing";
}

TEST_F(FontCommandsTest, DeleteAnsweredNoChangesNothing) {
    ClickDots({DotIndex(1, 1)});
    host.answers = {MsgAnswer::No};
    DeleteFont(ed, host);
    EXPECT_EQ(ed.font.DotGrid[DotIndex(1, 1)], kLit);
    EXPECT_EQ(ed.win.nosave, 1);
    EXPECT_TRUE(IsVisible(ed.win, Ctl::Enlarge));
}

TEST_F(FontCommandsTest, DeleteDisarmsCopyAndTools) {
    ArmCopy(ed, 5);
    ToolButtonClick(ed, kToolFill);
    host.answers = {MsgAnswer::Yes};
    DeleteFont(ed, host);
    EXPECT_EQ(ed.win.movie, 0);
    EXPECT_EQ(ed.tools.ActiveTool, kNoTool);
}

TEST_F(FontCommandsTest, ExitAsksOnlyWithUnsavedChanges) {
    EXPECT_TRUE(ConfirmExit(ed, host));
    EXPECT_TRUE(host.messages.empty());

    ClickDots({DotIndex(0, 0)});
    host.answers = {MsgAnswer::No, MsgAnswer::Yes};
    EXPECT_FALSE(ConfirmExit(ed, host));
    EXPECT_TRUE(ConfirmExit(ed, host));
    ASSERT_EQ(host.messages.size(), 2U);
    EXPECT_EQ(host.messages[0].text, "Несохраненные данные будут потеряны. Продолжить?");
    EXPECT_EQ(host.messages[0].title, "Внимание!");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
}

TEST_F(FontCommandsTest, ToolButtonsArmTheirTools) {
    RunCommand(ed, host, Ctl::Fill);
    EXPECT_EQ(ed.tools.ActiveTool, kToolFill);
    RunCommand(ed, host, Ctl::Circle);
    EXPECT_EQ(ed.tools.ActiveTool, kToolCircle);
    RunCommand(ed, host, Ctl::StretchHorizontal);
    EXPECT_EQ(ed.tools.ActiveTool, kToolStretchHorizontal);
    RunCommand(ed, host, Ctl::StretchHorizontal);
    EXPECT_EQ(ed.tools.ActiveTool, kNoTool);
}

TEST_F(FontCommandsTest, UndoAndRedoButtonsStepThroughTheHistory) {
    ClickDots({DotIndex(0, 0)});
    RecordUndoStep(ed);
    RunCommand(ed, host, Ctl::Undo);
    EXPECT_EQ(ed.font.DotGrid[DotIndex(0, 0)], kDark);
    EXPECT_TRUE(IsVisible(ed.win, Ctl::Redo));
    RunCommand(ed, host, Ctl::Redo);
    EXPECT_EQ(ed.font.DotGrid[DotIndex(0, 0)], kLit);
    EXPECT_FALSE(IsVisible(ed.win, Ctl::Redo));
}

}  // namespace
}  // namespace pixmora

namespace pixmora {
namespace {

TEST_F(FontCommandsTest, SaveButtonRunsTheExport) {
    host.saveResults = {std::nullopt};
    RunCommand(ed, host, Ctl::Save);
    ASSERT_EQ(host.saveRequests.size(), 1U);
    EXPECT_EQ(host.saveRequests[0].title, "Сохранить знакогенератор как...");
}

}  // namespace
}  // namespace pixmora

namespace pixmora {
namespace {

TEST_F(FontCommandsTest, ImportAndModelButtonsReachTheirCommands) {
    host.openResults = {std::nullopt};
    RunCommand(ed, host, Ctl::Import);
    ASSERT_EQ(host.openRequests.size(), 1U);
    EXPECT_EQ(host.openRequests[0].title, "Загрузить файл знакогенератора");

    bool opened = false;
    host.modelDialog = [&](Editor&) { opened = true; };
    RunCommand(ed, host, Ctl::CreateModel);
    EXPECT_TRUE(opened);
}

}  // namespace
}  // namespace pixmora
