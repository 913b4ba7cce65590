// The user's copies of the model files beside an installed program whose own Model/ cannot be
// written: where they are, the correction that makes them, and recognition that reads them.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sstream>

#include "import/recognise_font.h"
#include "io/font_writer.h"
#include "io/model_file.h"
#include "io/model_places.h"
#include "support/fake_host.h"
#include "support/scratch_dir.h"
#include "support/test_font.h"
#include "support/write_faults.h"
#include "synthetic_font.h"

namespace pixmora {
namespace {

using test::Bytes;
namespace fs = std::filesystem;

constexpr int kFormat = 1;  // 8 x 8
constexpr int kBytesPerChar = 8;

TEST(UserDataDir, FollowsTheXdgRules) {
    struct Case {
        const char* xdgDataHome;
        const char* home;
        const char* expected;
    };
    for (const Case& c : {Case{"/data", "/home/u", "/data/pixmora"},
                          Case{"", "/home/u", "/home/u/.local/share/pixmora"},
                          Case{"relative/data", "/home/u", "/home/u/.local/share/pixmora"},
                          Case{"", "", ""}, Case{"", "home/u", ""}}) {
        EXPECT_EQ(UserDataDir(c.xdgDataHome, c.home), c.expected)
            << "'" << c.xdgDataHome << "' '" << c.home << "'";
    }
}

Bytes ModelBytes(const ModelFileData& data) {
    return {data.ModelBuffer.begin(), data.ModelBuffer.begin() + 64 * kBytesPerChar};
}

Bytes Slots(const Bytes& model, int first, int count) {
    return {model.begin() + first * kBytesPerChar, model.begin() + (first + count) * kBytesPerChar};
}

// A program directory with the shipped model files, and a user data directory beside it.
class UserModelFilesTest : public test::ScratchDirTest {
  protected:
    void SetUp() override {
        ScratchDirTest::SetUp();
        fs::create_directories(dir_ / "program" / "Model");
        for (int n = 0; n < kFormatCount; ++n) {
            WriteModel(ShippedPath(n), shipped[static_cast<std::size_t>(n)]);
        }
        host.programDir = PathOf("program");
        host.userDataDir = PathOf("home/pixmora");
    }

    std::string ShippedPath(int n) const { return PathOf("program/Model/" + ModelFileName(n)); }
    std::string UserPath(const std::string& name) const {
        return PathOf("home/pixmora/Model/" + name);
    }
    void WriteModel(const std::string& path, const Bytes& model) const {
        std::ostringstream text;
        WriteSourceText(text, model, OutputFormat::DataCode, NumberNotation::AmpH,
                        ValuesPerLine(static_cast<int>(model.size() / 64)));
        test::WriteWholeFile(path, text.str());
    }
    Bytes ReadModel(const std::string& path) {
        const ModelFileData data = ReadModelFile(path, host);
        EXPECT_FALSE(data.failure) << path;
        return ModelBytes(data);
    }
    // A HEX font file whose test characters are row `row` of `model`, in scan 2.
    std::string FontFile(const Bytes& model, int row) {
        std::ostringstream text;
        WriteIntelHex(text, test::FontFromModel(model, kFormat, row, kScanHorizontal1, false), 0);
        const std::string path = PathOf("font.hex");
        test::WriteWholeFile(path, text.str());
        return path;
    }
    bool RecognisedAsTheFormat(const std::string& path) {
        const FontRecognition got = RecogniseFont(path, host);
        EXPECT_FALSE(got.failure);
        return got.found.Recognised && got.found.candidate.formatIndex == kFormat &&
               got.found.candidate.scan == kScanHorizontal1;
    }
    // Opens a font drawn like row `row` of `model` and corrects row `target` of its model file.
    void Correct(const Bytes& model, int row, const char* target) {
        test::OpenTestFont(ed, kFormat, kScanVertical1);
        const Bytes font = test::FontFromModel(model, kFormat, row, kScanVertical1, false);
        std::copy(font.begin(), font.end(), ed.font.FontImage.begin());
        ModelDialogState dialog = StartModelDialog(ed);
        dialog.rowText = target;
        CorrectModelFile(ed, host, dialog);
    }

    std::mt19937 random{23};
    std::array<Bytes, kFormatCount> shipped = test::RandomModels(random);
    Bytes drawn = test::RandomModel(random, kFormat);  // a font the shipped files do not know
    test::FakeHost host;
    Editor ed;
};

TEST_F(UserModelFilesTest, AWritableProgramDirectoryKeepsItsOwnFiles) {
    fs::create_directories(PathOf("home/pixmora/Model"));
    WriteModel(UserPath("t1.mod"), drawn);
    const ModelPlaces places = FindModelPlaces(host);
    EXPECT_EQ(places.shippedDir, PathOf("program/Model"));
    EXPECT_EQ(places.userDir, "");
    EXPECT_EQ(ModelFileToRead(places, kFormat), ShippedPath(kFormat));

    Correct(drawn, 0, "3");
    EXPECT_EQ(host.texts(), std::vector<std::string>{"Файл моделей обновлен."});
    EXPECT_EQ(Slots(ReadModel(ShippedPath(kFormat)), 48, 16), Slots(drawn, 0, 16));
    EXPECT_TRUE(fs::exists(PathOf("program/Model/t1.old")));
    EXPECT_EQ(ReadModel(UserPath("t1.mod")), drawn) << "the user's copy is not touched";
}

TEST_F(UserModelFilesTest, CorrectionWritesTheUserCopyAndRecognitionReadsIt) {
    const test::ReadOnlyDirectory readOnly(dir_ / "program" / "Model");
    if (!readOnly.Own()) {
        GTEST_SKIP() << "no way to make a directory read-only here";
    }
    const std::string shippedText = test::ReadWholeFile(ShippedPath(kFormat));
    const std::string font = FontFile(drawn, 0);
    EXPECT_FALSE(RecognisedAsTheFormat(font));

    Correct(drawn, 0, "2");
    EXPECT_EQ(host.texts(),
              std::vector<std::string>{"Файл моделей обновлен.\nКопия пользователя: " +
                                       UserPath("t1.mod")});
    // Made from the shipped file: only row 2 differs. The backup beside it is the shipped file.
    const Bytes copy = ReadModel(UserPath("t1.mod"));
    const Bytes& original = shipped[kFormat];
    EXPECT_EQ(Slots(copy, 0, 32), Slots(original, 0, 32));
    EXPECT_EQ(Slots(copy, 32, 16), Slots(drawn, 0, 16));
    EXPECT_EQ(Slots(copy, 48, 16), Slots(original, 48, 16));
    EXPECT_EQ(ReadModel(UserPath("t1.old")), original);
    EXPECT_EQ(test::DirectoryNames(dir_ / "home/pixmora/Model"),
              (std::vector<std::string>{"t1.mod", "t1.old"}));
    // The shipped files are as they were and nothing was added beside them.
    EXPECT_EQ(test::ReadWholeFile(ShippedPath(kFormat)), shippedText);
    EXPECT_EQ(test::DirectoryNames(dir_ / "program" / "Model").size(),
              static_cast<std::size_t>(kFormatCount));

    EXPECT_TRUE(RecognisedAsTheFormat(font));
    // Other formats still come from the shipped files.
    EXPECT_EQ(ModelFileToRead(FindModelPlaces(host), 0), ShippedPath(0));

    // A second correction starts from the user's copy; its backup is that copy.
    host.messages.clear();
    Correct(shipped[kFormat], 2, "2");
    EXPECT_EQ(ReadModel(UserPath("t1.old")), copy);
    EXPECT_EQ(ReadModel(UserPath("t1.mod")), original);
    EXPECT_FALSE(RecognisedAsTheFormat(font));
}

TEST_F(UserModelFilesTest, ABrokenUserCopyIsToldAndTheShippedFileIsUsed) {
    const test::ReadOnlyDirectory readOnly(dir_ / "program" / "Model");
    if (!readOnly.Own()) {
        GTEST_SKIP() << "no way to make a directory read-only here";
    }
    fs::create_directories(PathOf("home/pixmora/Model"));
    // Row 1 of the shipped file; a half-read model would have lost it.
    const std::string font = FontFile(shipped[kFormat], 1);
    test::WriteWholeFile(UserPath("t1.mod"), "Data &h01,12\r\n");
    EXPECT_TRUE(RecognisedAsTheFormat(font));
    EXPECT_EQ(host.texts(), (std::vector<std::string>{
                                "Нераспознанный синтаксис данных.Загрузка файла модели прекращена.",
                                "Файл моделей пользователя не прочитан: " + UserPath("t1.mod") +
                                    "\nИспользован файл моделей программы."}));

    // A correction does not go on from a broken copy: it says which file and writes nothing.
    host.messages.clear();
    Correct(drawn, 0, "0");
    EXPECT_EQ(host.texts(), (std::vector<std::string>{
                                "Нераспознанный синтаксис данных.Загрузка файла модели прекращена.",
                                "Файл моделей пользователя не прочитан: " + UserPath("t1.mod") +
                                    "\nФайл моделей не изменен."}));
    EXPECT_EQ(test::ReadWholeFile(UserPath("t1.mod")), "Data &h01,12\r\n");

    // A copy that cannot be opened at all.
    fs::remove(UserPath("t1.mod"));
    fs::create_directory(UserPath("t1.mod"));
    host.messages.clear();
    EXPECT_TRUE(RecognisedAsTheFormat(font));
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].text.rfind("Файл моделей пользователя не прочитан: " +
                                              UserPath("t1.mod") + "\nНе удалось открыть файл ",
                                          0),
              0U)
        << host.messages[0].text;
}

TEST_F(UserModelFilesTest, AUserDirectoryThatCannotBeMadeChangesNothing) {
    const test::ReadOnlyDirectory readOnly(dir_ / "program" / "Model");
    if (!readOnly.Own()) {
        GTEST_SKIP() << "no way to make a directory read-only here";
    }
    test::WriteWholeFile(PathOf("home"), "a file where the directory would be");
    const std::string before = test::ReadWholeFile(ShippedPath(kFormat));
    Correct(drawn, 0, "1");
    ASSERT_EQ(host.messages.size(), 1U);
    const std::string& text = host.messages[0].text;
    EXPECT_EQ(text.rfind("Не удалось создать каталог " + PathOf("home/pixmora/Model") + ": ", 0),
              0U)
        << text;
    EXPECT_TRUE(text.ends_with("\nФайл моделей не изменен.")) << text;
    EXPECT_EQ(test::ReadWholeFile(ShippedPath(kFormat)), before);
}

TEST_F(UserModelFilesTest, WithoutAUserDirectoryTheShippedFilesAreRead) {
    const test::ReadOnlyDirectory readOnly(dir_ / "program" / "Model");
    if (!readOnly.Own()) {
        GTEST_SKIP() << "no way to make a directory read-only here";
    }
    host.userDataDir.clear();
    EXPECT_EQ(FindModelPlaces(host).userDir, "");
    EXPECT_TRUE(RecognisedAsTheFormat(FontFile(shipped[kFormat], 2)));
    EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace pixmora
