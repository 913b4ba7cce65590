#include "editor/file_dialogs.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "editor/font_settings.h"
#include "import/import_font.h"
#include "io/export.h"
#include "support/fake_host.h"
#include "support/scratch_dir.h"
#include "support/test_font.h"

namespace pixmora {
namespace {

using test::FakeHost;

TEST(StartDirRule, LastFileDirThenWritableProgramDirThenHome) {
    struct Case {
        StartDirFacts facts;
        const char* expected;
    };
    const Case cases[] = {
        {{"/media/fonts", "/opt/pixmora", true, "/home/u"}, "/media/fonts"},
        {{"/media/fonts", "/opt/pixmora", false, "/home/u"}, "/media/fonts"},
        {{"", "/home/u/pixmora/build", true, "/home/u"}, "/home/u/pixmora/build"},
        {{"", "/usr/libexec/pixmora", false, "/home/u"}, "/home/u"},
        {{"", "/usr/libexec/pixmora", false, ""}, "/usr/libexec/pixmora"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseStartDir(c.facts), c.expected)
            << c.facts.lastFileDir << " | " << c.facts.programDir << " | " << c.facts.homeDir;
    }
}

TEST(DefaultExtension, ComesFromTheChosenFiltersPattern) {
    EXPECT_EQ(FilterExtension(kSourceFilter, 0), "fnt");
    EXPECT_EQ(FilterExtension(kHexFilter, 0), "hex");
    EXPECT_EQ(FilterExtension(kImportFilter, 0), "fnt");
    EXPECT_EQ(FilterExtension(kImportFilter, 1), "hex");
    EXPECT_EQ(FilterExtension(kImportFilter, 2), "bin");
    EXPECT_EQ(FilterExtension(kImportFilter, 3), "bdf");
    EXPECT_EQ(FilterExtension(kImportFilter, 4), "h");
    EXPECT_EQ(FilterExtension(kImportFilter, 5), "") << "*.* names no extension";
    EXPECT_EQ(FilterExtension(kImportFilter, 6), "") << "no such entry";
    EXPECT_EQ(FilterExtension("Все|*", 0), "");
    EXPECT_EQ(FilterExtension("HEX|*.hex;*.ihx", 0), "hex");
    EXPECT_EQ(FilterExtension("Шаблон|*.h?x", 0), "");
}

class DefaultExtensionTest : public test::ScratchDirTest {};

TEST_F(DefaultExtensionTest, IsAddedOnlyToANameWithoutADot) {
    std::filesystem::create_directory(dir_ / "fonts");
    std::filesystem::create_directory(dir_ / "v1.2");
    struct Case {
        std::string typed;
        std::string extension;
        std::string written;
    };
    const Case cases[] = {
        {PathOf("Font08x08v1p"), "fnt", PathOf("Font08x08v1p.fnt")},
        {PathOf("Font08x08v1p-0000H"), "hex", PathOf("Font08x08v1p-0000H.hex")},
        {PathOf("v1.2/Font08x08v1p"), "fnt", PathOf("v1.2/Font08x08v1p.fnt")},
        {PathOf("font.txt"), "fnt", PathOf("font.txt")},
        {PathOf("font."), "fnt", PathOf("font.")},
        {PathOf(".font"), "fnt", PathOf(".font")},
        {PathOf("Font08x08v1p"), "", PathOf("Font08x08v1p")},
        {PathOf("fonts"), "fnt", PathOf("fonts")},
        {Dir() + "/", "fnt", Dir() + "/"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WithDefaultExtension(c.typed, c.extension), c.written) << c.typed;
    }
}

// The commands ask the dialogs to start where the user last chose a file.
class FileDialogDirTest : public test::ScratchDirTest {
  protected:
    void SetUp() override {
        ScratchDirTest::SetUp();
        std::filesystem::create_directories(dir_ / "program");
        std::filesystem::copy(PIXMORA_SOURCE_DIR "/data/Model", dir_ / "program" / "Model");
        std::filesystem::create_directories(dir_ / "home");
        host.programDir = PathOf("program");
        if (const char* home = std::getenv("HOME")) {
            savedHome_ = home;
        }
        setenv("HOME", PathOf("home").c_str(), 1);
        test::OpenTestFont(ed, 1, kScanVertical1);
    }
    void TearDown() override {
        if (savedHome_) {
            setenv("HOME", savedHome_->c_str(), 1);
        } else {
            unsetenv("HOME");
        }
        ScratchDirTest::TearDown();
    }
    std::string NextExportDir() {
        host.saveResults.push_back(std::nullopt);
        ExportFont(ed, host);
        return host.saveRequests.back().initialDir;
    }
    std::string NextImportDir() {
        host.openResults.push_back(std::nullopt);
        ImportFont(ed, host);
        return host.openRequests.back().initialDir;
    }
    FakeHost host;
    Editor ed;

  private:
    std::optional<std::string> savedHome_;
};

TEST_F(FileDialogDirTest, FollowTheLastFileExportedOrImported) {
    EXPECT_EQ(NextExportDir(), PathOf("program"));
    EXPECT_EQ(NextImportDir(), PathOf("program"));

    std::filesystem::create_directory(dir_ / "out");
    host.saveResults.push_back(PathOf("out/font.fnt"));
    ExportFont(ed, host);
    EXPECT_EQ(NextImportDir(), PathOf("out"));
    EXPECT_EQ(NextExportDir(), PathOf("out"));

    // A file chosen for import counts even when the import is then given up: the user was there.
    std::filesystem::create_directory(dir_ / "in");
    test::WriteWholeFile(PathOf("in/font.fnt"), "Data &h00\r\n");
    host.openResults.push_back(PathOf("in/font.fnt"));
    bool paramsAsked = false;
    host.paramsDialog = [&paramsAsked](Editor&) {
        paramsAsked = true;
        return std::optional<ParamsChoice>{};  // "Отмена"
    };
    ImportFont(ed, host);
    ASSERT_TRUE(paramsAsked) << "one byte is recognised as no font";
    EXPECT_EQ(NextExportDir(), PathOf("in"));

    std::filesystem::remove_all(dir_ / "in");
    EXPECT_EQ(NextImportDir(), PathOf("program")) << "a directory gone since is not offered";
}

TEST_F(FileDialogDirTest, StartInTheHomeDirWhenTheProgramDirIsNotWritable) {
    host.programDir = PathOf("program/missing");
    EXPECT_EQ(NextExportDir(), PathOf("home"));
    EXPECT_EQ(NextImportDir(), PathOf("home"));
    if (geteuid() != 0) {
        host.programDir = PathOf("program");
        std::filesystem::permissions(dir_ / "program", std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
        EXPECT_EQ(NextExportDir(), PathOf("home")) << "read-only for this user";
        std::filesystem::permissions(dir_ / "program", std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add);
    }
}

TEST_F(FileDialogDirTest, ExportWithoutAnExtensionGetsTheFiltersOne) {
    host.saveResults.push_back(PathOf("Font08x08v1p"));
    ExportFont(ed, host);
    ChooseOutputFormat(ed, "Intel HEX");
    host.saveResults.push_back(PathOf("Font08x08v1p-0000H"));
    ExportFont(ed, host);
    host.saveResults.push_back(PathOf("font.txt"));
    ExportFont(ed, host);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(test::DirectoryNames(dir_),
              (std::vector<std::string>{"Font08x08v1p-0000H.hex", "Font08x08v1p.fnt", "font.txt",
                                        "home", "program"}));
}

}  // namespace
}  // namespace pixmora
