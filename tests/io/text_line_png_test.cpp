// "Сохранить PNG…" of the text preview: the dialog it asks, the file it writes, a failure told.
#include "io/text_line_png.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "io/png_file.h"
#include "support/fake_host.h"
#include "support/scratch_dir.h"
#include "support/test_font.h"

namespace pixmora {
namespace {

class TextLinePngTest : public test::ScratchDirTest {};

TEST_F(TextLinePngTest, WritesTheLineThePaneShows) {
    auto ed = std::make_unique<Editor>();
    test::OpenTestFont(*ed, 0, kScanVertical1);
    ed->font.FontImage[6 + 2] = 0x5F;  // "!"
    TextPreviewSettings settings;
    settings.text = "!?!";
    settings.scale = 3;
    settings.look = 1;
    test::FakeHost host;
    host.saveResults.push_back(PathOf("line"));
    SaveTextLinePng(*ed, host, settings);
    ASSERT_EQ(host.saveRequests.size(), 1u);
    EXPECT_EQ(host.saveRequests[0].title, "Сохранить строку как PNG");
    EXPECT_EQ(host.saveRequests[0].filter, "Изображение PNG |*.png");
    EXPECT_TRUE(host.messages.empty());
    const std::optional<std::string> expected =
        EncodePng(RenderTextLine(ed->params, ed->font, "!?!", 3, kDisplayLooks[1].look));
    ASSERT_TRUE(expected);
    EXPECT_EQ(test::ReadWholeFile(PathOf("line.png")), *expected);
}

TEST_F(TextLinePngTest, AFileThatCannotBeWrittenIsTold) {
    auto ed = std::make_unique<Editor>();
    test::OpenTestFont(*ed, 0, kScanVertical1);
    std::filesystem::create_directories(PathOf("taken.png"));
    test::FakeHost host;
    host.saveResults.push_back(PathOf("taken.png"));
    SaveTextLinePng(*ed, host, TextPreviewSettings{});
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text.rfind("Не удалось сохранить файл " + PathOf("taken.png"), 0),
              0u);
    EXPECT_TRUE(std::filesystem::is_directory(PathOf("taken.png")));
}

}  // namespace
}  // namespace pixmora
