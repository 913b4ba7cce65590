#include "io/system_error.h"

#include <gtest/gtest.h>
#include <locale.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "io/export.h"
#include "io/file_commit.h"
#include "io/font_reader.h"
#include "support/fake_host.h"
#include "support/scratch_dir.h"
#include "support/test_font.h"

namespace pixmora {
namespace {

bool RussianMessagesInstalled() {
    const locale_t russian = newlocale(LC_ALL_MASK, "ru_RU.UTF-8", locale_t{});
    if (russian == locale_t{}) {
        return false;
    }
    freelocale(russian);
    return std::filesystem::exists("/usr/share/locale/ru/LC_MESSAGES/libc.mo");
}

TEST(SystemErrorText, IsRussianWhereTheTranslationIsInstalled) {
    if (!RussianMessagesInstalled()) {
        EXPECT_EQ(SystemErrorText(ENOENT), std::strerror(ENOENT));
        GTEST_SKIP() << "no ru_RU.UTF-8 locale or glibc's Russian messages (libc-l10n) here";
    }
    EXPECT_EQ(SystemErrorText(ENOENT), "Нет такого файла или каталога");
    EXPECT_EQ(SystemErrorText(EISDIR), "Это каталог");
    EXPECT_EQ(SystemErrorText(EACCES), "Отказано в доступе");
    EXPECT_EQ(SystemErrorText(EFBIG), "Файл слишком велик");
    EXPECT_EQ(std::string(std::strerror(ENOENT)), "No such file or directory")
        << "the process's own locale stays as it was";
}

class SpecialFileTest : public test::ScratchDirTest {};

TEST_F(SpecialFileTest, ExportIntoAMissingDirectoryExplainsInRussian) {
    if (!RussianMessagesInstalled()) {
        GTEST_SKIP() << "no ru_RU.UTF-8 locale or glibc's Russian messages (libc-l10n) here";
    }
    Editor ed;
    test::OpenTestFont(ed, 1, kScanVertical1);
    test::FakeHost host;
    host.saveResults.push_back(PathOf("missing/font.fnt"));
    ExportFont(ed, host);
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].text, "Не удалось сохранить файл " + PathOf("missing/font.fnt") +
                                         ":\nНет такого файла или каталога");
}

// A pipe would hold the import in its opening until some writer came, a device may never end;
// neither is read, and neither is replaced by an export.
TEST_F(SpecialFileTest, PipesAndDevicesAreNeitherReadNorReplaced) {
    const std::string pipe = PathOf("pipe.fnt");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0) << std::strerror(errno);
    test::FakeHost host;
    std::vector<std::uint8_t> destination(16);
    for (const std::string& path : {pipe, std::string("/dev/zero")}) {
        const ReadResult read = ReadFontFile(path, destination, false, host);
        ASSERT_TRUE(read.failure) << path;
        EXPECT_EQ(*read.failure,
                  "Не удалось открыть файл " + path + ": Не является обычным файлом");
        EXPECT_EQ(ReadModelFile(path, host).failure, read.failure);
    }
    EXPECT_EQ(CommitFile(pipe, "Data &h00\r\n"), "Не является обычным файлом");
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));
    EXPECT_EQ(test::DirectoryNames(dir_), std::vector<std::string>{"pipe.fnt"});
    EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace pixmora
