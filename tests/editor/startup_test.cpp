#include "editor/startup.h"

#include <gtest/gtest.h>

#include "editor/editor.h"

namespace pixmora {
namespace {

TEST(StartUp, OffersOnlyCreateImportFromFontAndFindFontWithTheTableLocked) {
    Editor ed;
    StartUp(ed);
    for (std::size_t control = 0; control < kCtlCount; ++control) {
        const bool expected = control == static_cast<std::size_t>(Ctl::New) ||
                              control == static_cast<std::size_t>(Ctl::Import) ||
                              control == static_cast<std::size_t>(Ctl::FromFont) ||
                              control == static_cast<std::size_t>(Ctl::FindFont);
        EXPECT_EQ(ed.win.visible[control], expected) << "control " << control;
    }
    EXPECT_TRUE(ed.table.locked);
    EXPECT_EQ(ed.params.FontByteScan, kNoScan);
    EXPECT_EQ(std::count(ed.font.DotVisible.begin(), ed.font.DotVisible.end(), true), 0);
    EXPECT_EQ(ed.table.cells[33].textCode, 'A');
    EXPECT_EQ(ed.table.cells[160].textCode, 192);
    EXPECT_EQ(ed.table.cells[223].textCode, 255);
    EXPECT_EQ(ed.table.cells[95].textCode, 0);
    EXPECT_EQ(ed.table.cells[159].textCode, 0);
    EXPECT_EQ(ed.win.nosave, 0);
    EXPECT_EQ(ed.font.ImageEmpty, kLit);
}

}  // namespace
}  // namespace pixmora
