#include "commands/menu_commands.h"

#include <gtest/gtest.h>

#include "commands/char_selection.h"
#include "support/fake_host.h"
#include "support/test_font.h"

namespace pixmora {
namespace {

constexpr MenuCommand kAllCommands[] = {
    MenuCommand::New,         MenuCommand::Import,      MenuCommand::FindFont,
    MenuCommand::Save,        MenuCommand::FromFont,    MenuCommand::Exit,
    MenuCommand::Undo,        MenuCommand::Redo,        MenuCommand::ClearChar,
    MenuCommand::CopyChar,    MenuCommand::ChangeScan,  MenuCommand::Enlarge,
    MenuCommand::CreateModel, MenuCommand::DeleteFont,  MenuCommand::ZoomIn,
    MenuCommand::ZoomOut,     MenuCommand::FitToWindow, MenuCommand::TableGlyphs,
    MenuCommand::About,
};

TEST(MenuCommandsTest, EveryCommandIsInTheMenuBarOnce) {
    for (const MenuCommand command : kAllCommands) {
        int found = 0;
        for (const Menu& menu : MenuBar()) {
            for (const MenuItem& item : menu.items) {
                found += item.command == command ? 1 : 0;
            }
        }
        EXPECT_EQ(found, 1) << static_cast<int>(command);
    }
}

// The items that stand for a button.
constexpr MenuCommand kButtonCommands[] = {
    MenuCommand::New,     MenuCommand::Import,      MenuCommand::FindFont,
    MenuCommand::Save,    MenuCommand::FromFont,    MenuCommand::Undo,
    MenuCommand::Redo,    MenuCommand::ClearChar,   MenuCommand::ChangeScan,
    MenuCommand::Enlarge, MenuCommand::CreateModel, MenuCommand::DeleteFont,
};

TEST(MenuCommandsTest, OnlyTheButtonItemsHaveAButton) {
    int withButton = 0;
    for (const MenuCommand command : kAllCommands) {
        withButton += ButtonOfMenuCommand(command).has_value() ? 1 : 0;
    }
    EXPECT_EQ(withButton, static_cast<int>(std::size(kButtonCommands)));
}

class MenuEnabledTest : public ::testing::TestWithParam<MenuCommand> {};

// An item that stands for a button is offered exactly while the button is shown, whatever the
// other controls show; choosing it while it is not offered does nothing.
TEST_P(MenuEnabledTest, ItemFollowsItsButton) {
    const auto button = ButtonOfMenuCommand(GetParam());
    ASSERT_TRUE(button.has_value());
    Editor ed;
    test::OpenTestFont(ed, 1, kScanVertical1);
    for (const bool othersShown : {false, true}) {
        ed.win.visible.fill(othersShown);
        for (const bool shown : {false, true}) {
            SetVisible(ed.win, *button, shown);
            EXPECT_EQ(MenuCommandEnabled(ed, GetParam()), shown);
        }
    }
    SetVisible(ed.win, *button, false);
    const Editor before = ed;
    test::FakeHost host;
    RunMenuCommand(ed, host, GetParam(), 10);
    EXPECT_EQ(ed.font.FontImage, before.font.FontImage);
    EXPECT_EQ(ed.win.visible, before.win.visible);
    EXPECT_TRUE(host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(ButtonItems, MenuEnabledTest, ::testing::ValuesIn(kButtonCommands));

TEST(MenuCommandsTest, ViewAndCopyItemsNeedAFontExitAndAboutNever) {
    Editor ed;
    StartUp(ed);
    for (const MenuCommand command : {MenuCommand::CopyChar, MenuCommand::ZoomIn,
                                      MenuCommand::ZoomOut, MenuCommand::FitToWindow}) {
        EXPECT_FALSE(MenuCommandEnabled(ed, command));
    }
    for (const MenuCommand command :
         {MenuCommand::Exit, MenuCommand::About, MenuCommand::TableGlyphs}) {
        EXPECT_TRUE(MenuCommandEnabled(ed, command));
    }
    test::OpenTestFont(ed, 1, kScanVertical1);
    EXPECT_TRUE(MenuCommandEnabled(ed, MenuCommand::ZoomIn));
    EXPECT_TRUE(MenuCommandEnabled(ed, MenuCommand::CopyChar));
}

struct KeyCase {
    int from;
    TableKey key;
    int to;
};

class TableKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(TableKeyTest, LeadsToTheCell) {
    EXPECT_EQ(CharAfterKey(GetParam().from, GetParam().key), GetParam().to);
}

// Index 17 is code 31h in row 1, column 1; rows hold 16 codes, the last row starts at 208.
INSTANTIATE_TEST_SUITE_P(
    Keys, TableKeyTest,
    ::testing::Values(KeyCase{17, TableKey::Left, 16}, KeyCase{17, TableKey::Right, 18},
                      KeyCase{17, TableKey::Up, 1}, KeyCase{17, TableKey::Down, 33},
                      KeyCase{17, TableKey::Home, 16}, KeyCase{17, TableKey::End, 31},
                      KeyCase{17, TableKey::PageUp, 1}, KeyCase{17, TableKey::PageDown, 209},
                      KeyCase{16, TableKey::Left, 15}, KeyCase{15, TableKey::Right, 16},
                      KeyCase{0, TableKey::Left, 0}, KeyCase{223, TableKey::Right, 223},
                      KeyCase{5, TableKey::Up, 5}, KeyCase{210, TableKey::Down, 210}));

class TableMoveTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::OpenTestFont(ed, 1, kScanVertical1);  // 8 x 8
        ed.table.cells[0].background = kRed;
        ResetUndoHistory(ed);
    }
    Editor ed;
};

TEST_F(TableMoveTest, ArrowIsAClickOnTheNextCell) {
    test::CharBytes(ed, 1)[3] = 0x10;
    SetDefinedLook(ed, 1);
    ed.tools.ActiveTool = kToolLine;
    MoveCurrentChar(ed, TableKey::Right);
    EXPECT_EQ(ed.font.CurrentChar, 1);
    EXPECT_EQ(ed.font.CurrentCharOffset, 8);
    EXPECT_EQ(ed.table.cells[0].background, kWhite);
    EXPECT_EQ(ed.table.cells[1].background, kRed);
    EXPECT_EQ(ed.font.DotGrid[DotIndex(4, 3)], kLit);
    EXPECT_EQ(ed.tools.ActiveTool, kNoTool);

    // At the top row Up goes nowhere and leaves the history as it is.
    ed.undo.UndoPosition = 3;
    MoveCurrentChar(ed, TableKey::Up);
    EXPECT_EQ(ed.font.CurrentChar, 1);
    EXPECT_EQ(ed.undo.UndoPosition, 3);
}

TEST_F(TableMoveTest, ArrowWithACopyArmedCopiesOntoTheNextCell) {
    test::CharBytes(ed, 0)[0] = 0xAA;
    SetDefinedLook(ed, 0);
    ArmCopy(ed, 0);
    MoveCurrentChar(ed, TableKey::Down);
    EXPECT_EQ(ed.font.CurrentChar, 16);
    EXPECT_EQ(test::CharBytes(ed, 16)[0], 0xAA);
    EXPECT_EQ(ed.win.movie, 0);
}

TEST_F(TableMoveTest, ArrowsDoNothingBeforeAFont) {
    StartUp(ed);
    MoveCurrentChar(ed, TableKey::Right);
    EXPECT_EQ(ed.font.CurrentChar, 0);
}

TEST_F(TableMoveTest, EscapeReleasesTheTool) {
    ToolButtonClick(ed, kToolFill);
    EscapeKey(ed);
    EXPECT_EQ(ed.tools.ActiveTool, kNoTool);
    EXPECT_EQ(ed.tools.ButtonPicture[kToolFill - 1], "fill.bmp");
}

TEST(GridZoomTest, FitsTheCellAndStepsFromTheShownSize) {
    GridZoom zoom;
    EXPECT_EQ(GridDotSize(zoom, 8, 8, 161, 400), 20);   // the width decides
    EXPECT_EQ(GridDotSize(zoom, 48, 56, 200, 200), 4);  // never below the smallest
    EXPECT_EQ(GridDotSize(zoom, 6, 8, 2000, 2000), kMaxDotSize);
    ZoomIn(zoom, 20);
    EXPECT_FALSE(zoom.fit);
    EXPECT_EQ(GridDotSize(zoom, 8, 8, 161, 400), 24);
    ZoomOut(zoom, 24);
    ZoomOut(zoom, 20);
    EXPECT_EQ(zoom.dotSize, 16);
    ZoomOut(zoom, 17);  // a fitted size between two steps goes to the smaller one
    EXPECT_EQ(zoom.dotSize, 16);
    ZoomIn(zoom, kMaxDotSize);
    EXPECT_EQ(zoom.dotSize, kMaxDotSize);
    ZoomOut(zoom, kMinDotSize);
    EXPECT_EQ(zoom.dotSize, kMinDotSize);
    FitToWindow(zoom);
    EXPECT_TRUE(zoom.fit);
}

}  // namespace
}  // namespace pixmora
