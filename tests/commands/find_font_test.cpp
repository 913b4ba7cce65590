// "Найти шрифт…" through the fake host: a drawn font laid into program-like bytes is listed with
// its place and parameters and opened exactly as the import opens the same bytes; stopping, an
// empty result and bad images end the command with their messages and the open font intact.
#include "commands/find_font.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "commands/found_font_rows.h"
#include "editor/editor.h"
#include "editor/exit_check.h"
#include "fontfile/rasterise.h"
#include "fontfile/system_fonts.h"
#include "import/confirm_import.h"
#include "import/import_font.h"
#include "io/firmware_image.h"
#include "model/glyph_packing.h"
#include "support/fake_host.h"
#include "support/scratch_dir.h"
#include "support/test_font.h"

namespace pixmora {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kFontAt = 3000;

// DejaVu Sans Mono drawn as 8 x 8 "вертикально 1", codes 32..255, against the left edge: the
// finder places a table whose glyphs begin with a blank column one byte late.
Bytes DrawnFont() {
    const FreeTypeLibrary library;
    FontFace face = FontFace::Open(library, test::kDejaVuMono);
    RasteriseOptions drawing;
    drawing.formatIndex = 1;
    drawing.offset = -1;
    return PackRasterised(RasteriseFont(face, drawing), 1, kScanVertical1);
}

void WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// The font between runs of random bytes, as a program's constant data lie between its code.
Bytes ImageWithFont(const Bytes& font) {
    std::mt19937 random(5);
    Bytes image = test::RandomBytes(random, 6000);
    image.insert(image.begin() + static_cast<std::ptrdiff_t>(kFontAt), font.begin(), font.end());
    return image;
}

// The same bytes as a source file the import reads: "Data 0xNN,..." lines of eight values.
void WriteSourceFile(const std::string& path, const Bytes& font) {
    std::ofstream out(path, std::ios::binary);
    for (std::size_t i = 0; i < font.size(); i += 8) {
        out << "Data ";
        for (std::size_t k = i; k < i + 8 && k < font.size(); ++k) {
            char value[8];
            std::snprintf(value, sizeof value, "0x%02X", font[k]);
            out << (k == i ? "" : ",") << value;
        }
        out << "\r\n";
    }
}

class FindFontCommand : public test::ScratchDirTest {
  protected:
    // An open 6 x 8 font with a changed character, not yet saved.
    void OpenUnsavedFont() {
        test::OpenTestFont(*ed_, 0, kScanVertical1);
        test::CharBytes(*ed_, 5)[0] = 0x3C;
        ed_->win.nosave = 1;
    }
    std::unique_ptr<Editor> ed_ = std::make_unique<Editor>();
    test::FakeHost host_;
};

TEST_F(FindFontCommand, ListsTheFontAndOpensItAsTheImportOpensIt) {
    PIXMORA_NEEDS_FONT(test::kDejaVuMono);
    const Bytes font = DrawnFont();
    WriteFile(PathOf("image.bin"), ImageWithFont(font));
    OpenUnsavedFont();
    host_.answers = {MsgAnswer::Yes};
    host_.openResults = {PathOf("image.bin")};
    host_.foundChoices = {0};
    FindFontInImage(*ed_, host_);

    ASSERT_EQ(host_.texts(), std::vector<std::string>{kUnsavedQuestion});
    EXPECT_EQ(host_.openRequests.at(0).title, "Открыть образ прошивки");
    EXPECT_EQ(host_.progressTexts, std::vector<std::string>{"Поиск шрифта в образе прошивки…"});
    EXPECT_EQ(host_.progressBusy, 1);
    EXPECT_EQ(host_.busyDialogs, 0);
    EXPECT_EQ(host_.busyDepth, 0);
    ASSERT_EQ(host_.foundLists.size(), 1U);
    const FoundFontList& list = host_.foundLists[0];
    EXPECT_EQ(list.titles,
              (std::vector<std::string>{"Смещение", "Формат", "Развертка", "Полярность",
                                        "Первый код", "Знаков", "Оценка"}));
    ASSERT_FALSE(list.rows.empty());
    const std::vector<std::string>& best = list.rows[0].texts;
    ASSERT_EQ(best.size(), list.titles.size());
    EXPECT_EQ(best[0], "0x00000BB8");
    EXPECT_EQ(best[1], "8 x 8");
    EXPECT_EQ(best[2], "вертикально 1");
    EXPECT_EQ(best[3], "позитивный");
    EXPECT_EQ(best[4], "32");
    // Digits, Latin and Cyrillic capitals: three lines of 32 glyph places at most.
    EXPECT_EQ(list.rows[0].picture.width, 32 * 9 - 1);
    EXPECT_EQ(list.rows[0].picture.height, 3 * 9 - 1);

    // The import of the same bytes, from the same unsaved font, ends in the same editor state.
    WriteSourceFile(PathOf("font.fnt"), font);
    const auto imported = std::make_unique<Editor>();
    test::OpenTestFont(*imported, 0, kScanVertical1);
    imported->win.nosave = 1;
    test::FakeHost importHost;
    importHost.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    importHost.openResults = {PathOf("font.fnt")};
    ImportFont(*imported, importHost);
    ASSERT_EQ(imported->params.FontByteScan, kScanVertical1);
    EXPECT_EQ(ed_->font.FontImage, imported->font.FontImage);
    EXPECT_EQ(ed_->font.CharDefined, imported->font.CharDefined);
    EXPECT_EQ(ed_->font.DotGrid, imported->font.DotGrid);
    EXPECT_EQ(ed_->params.CellFormatName, imported->params.CellFormatName);
    EXPECT_EQ(ed_->params.PositiveFont, imported->params.PositiveFont);
    EXPECT_EQ(ed_->win.visible, imported->win.visible);
    EXPECT_EQ(ed_->win.tex, imported->win.tex);
    EXPECT_EQ(ed_->undo.UndoSlotMap, imported->undo.UndoSlotMap);
    EXPECT_EQ(ed_->undo.UndoSlots, imported->undo.UndoSlots);
    EXPECT_EQ(ed_->font.CurrentChar, 0);
    EXPECT_EQ(ed_->win.nosave, 0);
    EXPECT_EQ(ed_->win.fileName, "image.bin");
}

TEST_F(FindFontCommand, NoToTheUnsavedQuestionOffersNoFile) {
    OpenUnsavedFont();
    const Editor before = *ed_;
    host_.answers = {MsgAnswer::No};
    FindFontInImage(*ed_, host_);
    EXPECT_TRUE(host_.openRequests.empty());
    EXPECT_EQ(ed_->font.FontImage, before.font.FontImage);
}

TEST_F(FindFontCommand, StoppingTheSearchOrTheListKeepsTheOpenFont) {
    PIXMORA_NEEDS_FONT(test::kDejaVuMono);
    WriteFile(PathOf("image.bin"), ImageWithFont(DrawnFont()));
    test::OpenTestFont(*ed_, 0, kScanVertical1);
    test::CharBytes(*ed_, 5)[0] = 0x3C;
    const Editor before = *ed_;

    host_.openResults = {PathOf("image.bin")};
    host_.cancelAfterReports = 1;
    FindFontInImage(*ed_, host_);
    EXPECT_TRUE(host_.foundLists.empty());

    host_.openResults = {PathOf("image.bin")};
    host_.cancelAfterReports.reset();
    host_.foundChoices = {std::nullopt};
    FindFontInImage(*ed_, host_);
    EXPECT_EQ(host_.foundLists.size(), 1U);

    EXPECT_TRUE(host_.messages.empty());
    EXPECT_EQ(ed_->font.FontImage, before.font.FontImage);
    EXPECT_EQ(ed_->params.CellFormatName, before.params.CellFormatName);
    EXPECT_EQ(host_.busyDepth, 0);
}

TEST_F(FindFontCommand, AnImageWithoutAFontIsToldSo) {
    WriteFile(PathOf("zeros.bin"), Bytes(4096, 0));
    host_.openResults = {PathOf("zeros.bin")};
    FindFontInImage(*ed_, host_);
    ASSERT_EQ(host_.messages.size(), 1U);
    EXPECT_EQ(host_.messages[0].text, "Шрифт в образе прошивки не найден.");
    EXPECT_EQ(host_.messages[0].title, "Информация");
    EXPECT_EQ(host_.messages[0].icon, MsgIcon::Information);
    EXPECT_FALSE(host_.messages[0].busy);
    EXPECT_TRUE(host_.foundLists.empty());
}

struct BadImage {
    const char* name;
    std::string content;
    std::string message;  // the whole message, or its start where a line number follows
    friend void PrintTo(const BadImage& bad, std::ostream* out) { *out << bad.name; }
};

class FindFontBadImage : public test::ScratchDirTest,
                         public ::testing::WithParamInterface<BadImage> {};

// The reader's own message is told once, without the busy pointer, and nothing is searched.
TEST_P(FindFontBadImage, IsToldWithTheReadersMessage) {
    const BadImage& bad = GetParam();
    std::ofstream(PathOf(bad.name), std::ios::binary) << bad.content;
    const auto ed = std::make_unique<Editor>();
    test::FakeHost host;
    host.openResults = {PathOf(bad.name)};
    FindFontInImage(*ed, host);
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].text.substr(0, bad.message.size()), bad.message);
    EXPECT_FALSE(host.messages[0].busy);
    EXPECT_TRUE(host.progressTexts.empty());
    EXPECT_EQ(ed->params.FontByteScan, kNoScan);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, FindFontBadImage,
    ::testing::Values(BadImage{"empty.bin", "", kImageEmpty},
                      BadImage{"cut.hex", ":0400000001\r\n", kHexBadRecord},
                      BadImage{"sum.hex", ":0100000041BF\r\n:00000001FF\r\n", kHexBadChecksum},
                      BadImage{"bad.elf",
                               std::string("\x7F"
                                           "ELF\x09",
                                           5) +
                                   std::string(60, 'x'),
                               kElfBadHeader}),
    [](const auto& info) { return std::string(info.param.name).substr(0, 3); });

}  // namespace
}  // namespace pixmora
