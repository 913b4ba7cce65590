// The size figure under the byte inspector is what "Сохранить" then writes, for every kind and
// notation, a range, a negative font and HEX past a 64 KiB boundary.
#include "io/export_size.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "editor/font_settings.h"
#include "io/export.h"
#include "support/fake_host.h"
#include "support/scratch_dir.h"
#include "support/test_font.h"

namespace pixmora {
namespace {

class ExportSizeTest : public test::ScratchDirTest {};

TEST_F(ExportSizeTest, FigureIsTheSizeOfTheFileWritten) {
    struct Case {
        int format;
        const char* kind;
        const char* notation;
        bool partial;
        const char* address;
    };
    const Case cases[] = {
        {0, "Data code", "&hNN", false, "0"},   {0, ".Db code", "NNh", true, "0"},
        {2, "Code", "$NN", false, "0"},         {2, "Data code", "#NN", true, "0"},
        {8, ".Db code", "0xNN", false, "0"},    {8, "Code", "NNh", false, "0"},
        {0, "Intel HEX", "&hNN", true, "4096"}, {8, "Intel HEX", "&hNN", false, "32767"},
    };
    std::mt19937 random(20);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.kind) + " " + c.notation);
        auto ed = std::make_unique<Editor>();
        test::OpenTestFont(*ed, c.format, kScanVertical1);
        const std::vector<std::uint8_t> bytes = test::RandomBytes(random, kFontBytes);
        std::copy(bytes.begin(), bytes.end(), ed->font.FontImage.begin());
        ChooseOutputFormat(*ed, c.kind);
        ed->win.notation = c.notation;
        ed->win.startAddress = c.address;
        SetIncompleteSet(*ed, c.partial);
        ed->win.firstCode = "150";
        ed->win.lastCode = "200";
        SetNegativeFont(*ed, c.partial);
        const std::optional<ExportSize> size = MeasureExport(*ed, ExportSettingsOf(ed->win));
        const std::string text = ExportSizeText(*ed, ExportSettingsOf(ed->win));
        ASSERT_TRUE(size);

        test::FakeHost host;
        host.saveResults.push_back(PathOf("out"));
        ExportFont(*ed, host);
        const std::string written =
            test::ReadWholeFile(PathOf("out") + (size->hexRecords ? ".hex" : ".fnt"));
        ASSERT_FALSE(written.empty());
        EXPECT_EQ(size->bytes, written.size());
        std::string expected = "Размер файла: " + std::to_string(written.size()) + " байт";
        if (size->hexRecords) {
            const auto lines =
                static_cast<std::size_t>(std::count(written.begin(), written.end(), '\n'));
            EXPECT_EQ(*size->hexRecords, lines);
            expected += ", записей HEX: " + std::to_string(lines);
        }
        EXPECT_EQ(text, expected);
    }
}

TEST_F(ExportSizeTest, RefusedSettingsSayWhy) {
    auto ed = std::make_unique<Editor>();
    test::OpenTestFont(*ed, 0, kScanVertical1);
    SetIncompleteSet(*ed, true);
    ed->win.firstCode = "40";
    ed->win.lastCode = "40";
    EXPECT_EQ(ExportSizeText(*ed, ExportSettingsOf(ed->win)), "Некорректно задана область вывода!");
    SetIncompleteSet(*ed, false);
    ChooseOutputFormat(*ed, "Intel HEX");
    ed->win.startAddress = "32768";
    EXPECT_EQ(ExportSizeText(*ed, ExportSettingsOf(ed->win)), "Некорректно задан начальный адрес");
}

TEST_F(ExportSizeTest, MemoFollowsTheBytes) {
    auto ed = std::make_unique<Editor>();
    test::OpenTestFont(*ed, 0, kScanVertical1);
    ed->win.notation = "NNh";
    ExportSizeMemo memo;
    const std::string before = MemoExportSizeText(memo, *ed, ExportSettingsOf(ed->win));
    ed->font.FontImage[0] = 0xA0;  // "0A0h" is one digit longer than "00h"
    const std::string after = MemoExportSizeText(memo, *ed, ExportSettingsOf(ed->win));
    EXPECT_NE(before, after);
    EXPECT_EQ(after, ExportSizeText(*ed, ExportSettingsOf(ed->win)));
}

}  // namespace
}  // namespace pixmora
