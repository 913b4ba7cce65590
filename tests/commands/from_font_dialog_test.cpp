#include "commands/from_font_dialog.h"

#include <gtest/gtest.h>

#include <memory>

#include "commands/commands.h"
#include "commands/from_font.h"
#include "editor/editor.h"
#include "editor/exit_check.h"
#include "fontfile/system_fonts.h"
#include "support/fake_host.h"
#include "support/scratch_dir.h"
#include "support/test_font.h"

namespace pixmora {
namespace {

constexpr int k8x8 = 1;
constexpr int k12x16 = 2;

TEST(FromFontDialog, OpensWithTheOpenFontsFormatScanAndPolarity) {
    const auto ed = std::make_unique<Editor>();
    test::OpenTestFont(*ed, 4, 3);
    ed->win.negative = true;
    const FromFontDialogState dialog = OpenFromFontDialog(*ed);
    EXPECT_EQ(dialog.formatIndex, 4);
    EXPECT_EQ(dialog.scan, 3);
    EXPECT_TRUE(dialog.negative);
    EXPECT_TRUE(dialog.fontOpen);
    EXPECT_EQ(dialog.status, "Выберите файл шрифта или установленный шрифт");
    EXPECT_FALSE(AcceptFromFontDialog(dialog));
}

TEST(FromFontDialog, AFormatWithoutTheScanFallsBackToVertical1) {
    const auto ed = std::make_unique<Editor>();
    FromFontDialogState dialog = OpenFromFontDialog(*ed);
    EXPECT_FALSE(dialog.fontOpen);
    dialog.scan = 2;
    ChooseFromFontFormat(dialog, k8x8);
    EXPECT_EQ(dialog.scan, 2);
    ChooseFromFontFormat(dialog, k12x16);
    EXPECT_EQ(dialog.scan, 0);
    // Without an open font every character is drawn.
    ChooseFillChars(dialog, *ed, FillChars::Current);
    EXPECT_EQ(dialog.chars, FillChars::All);
}

TEST(FromFontDialog, FillingTakesTheOpenFontsFormatAndLocksIt) {
    const auto ed = std::make_unique<Editor>();
    test::OpenTestFont(*ed, k8x8, 3);
    FromFontDialogState dialog = OpenFromFontDialog(*ed);
    ChooseFromFontFormat(dialog, k12x16);
    ChooseFillChars(dialog, *ed, FillChars::Undrawn);
    EXPECT_EQ(dialog.formatIndex, k8x8);
    EXPECT_EQ(dialog.scan, 3);
    EXPECT_FALSE(FormatChoosable(dialog));
}

TEST(FromFontDialog, PreviewSaysWhatItDrewOrWhyNot) {
    PIXMORA_NEEDS_FONT(test::kDejaVuSans);
    const auto ed = std::make_unique<Editor>();
    FromFontDialogState dialog = OpenFromFontDialog(*ed);
    dialog.source = FontSourceKind::File;
    dialog.path = test::kDejaVuSans;
    dialog.formatIndex = k8x8;
    RefreshPreview(dialog);
    ASSERT_TRUE(dialog.preview);
    EXPECT_EQ(dialog.status.rfind("Размер: 7 пикс., базовая линия: 4; ", 0), 0u) << dialog.status;
    EXPECT_NE(dialog.status.find("Обрезано: "), std::string::npos);
    const std::optional<FromFontChoice> choice = AcceptFromFontDialog(dialog);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->path, test::kDejaVuSans);
    EXPECT_FALSE(choice->options.size);

    dialog.autoSize = false;
    dialog.size = 6;
    RefreshPreview(dialog);
    EXPECT_EQ(dialog.preview->size, 6);

    dialog.path = "/nonexistent/font.ttf";
    RefreshPreview(dialog);
    EXPECT_FALSE(dialog.preview);
    EXPECT_EQ(dialog.status.rfind("Файл шрифта не прочитан: /nonexistent/font.ttf\n", 0), 0u);
    EXPECT_FALSE(AcceptFromFontDialog(dialog));
}

TEST(FromFontDialog, AnInstalledFontIsDrawnFromItsFile) {
    const auto ed = std::make_unique<Editor>();
    FromFontDialogState dialog = OpenFromFontDialog(*ed);
    ASSERT_FALSE(dialog.installed.empty());
    dialog.source = FontSourceKind::Installed;
    EXPECT_EQ(ChosenFontPath(dialog), "");
    dialog.installedIndex = 0;
    EXPECT_EQ(ChosenFontPath(dialog), dialog.installed[0].path);
}

class FromFontCommand : public test::ScratchDirTest {
  protected:
    std::unique_ptr<Editor> ed = std::make_unique<Editor>();
    test::FakeHost host;

    FromFontChoice ChoiceOf(const std::string& path) {
        FromFontChoice choice;
        choice.path = path;
        choice.options.formatIndex = k8x8;
        return choice;
    }
};

TEST_F(FromFontCommand, AsksBeforeReplacingUnsavedChangesAndNoKeepsTheFont) {
    PIXMORA_NEEDS_FONT(test::kDejaVuSans);
    test::OpenTestFont(*ed, k12x16, 0);
    ed->win.nosave = 1;
    host.fromFontDialog = [&](Editor&) { return ChoiceOf(test::kDejaVuSans); };
    host.answers.push_back(MsgAnswer::No);
    RunCommand(*ed, host, Ctl::FromFont);
    ASSERT_EQ(host.texts(), std::vector<std::string>{kUnsavedQuestion});
    EXPECT_EQ(ed->params.CellWidth, 12);

    host.answers.push_back(MsgAnswer::Yes);
    RunCommand(*ed, host, Ctl::FromFont);
    EXPECT_EQ(ed->params.CellWidth, 8);
    EXPECT_EQ(ed->win.nosave, 1);
    EXPECT_EQ(host.busyDialogs, 0);
}

TEST_F(FromFontCommand, ABadFontIsToldAndLeavesTheOpenFontAsItWas) {
    test::OpenTestFont(*ed, k12x16, 0);
    test::CharBytes(*ed, 3)[0] = 0x55;
    test::WriteWholeFile(PathOf("bad.psf"), std::string("\x36\x04\x02\x10", 4));
    host.fromFontDialog = [&](Editor&) { return ChoiceOf(PathOf("bad.psf")); };
    RunCommand(*ed, host, Ctl::FromFont);
    ASSERT_EQ(host.texts(), std::vector<std::string>{"Заголовок шрифта PSF поврежден"});
    EXPECT_EQ(ed->params.CellWidth, 12);
    EXPECT_EQ(test::CharBytes(*ed, 3)[0], 0x55);
    EXPECT_EQ(host.busyDepth, 0);
}

TEST_F(FromFontCommand, CancelChangesNothing) {
    test::OpenTestFont(*ed, k12x16, 0);
    host.fromFontDialog = [](Editor&) { return std::nullopt; };
    RunCommand(*ed, host, Ctl::FromFont);
    EXPECT_TRUE(host.texts().empty());
    EXPECT_EQ(ed->params.CellWidth, 12);
}

}  // namespace
}  // namespace pixmora
