// pixmora-cli info on fonts made to match model files written by the test (--models), on the
// shipped model files, and on data that match nothing.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/exit_codes.h"
#include "cli/info_command.h"
#include "cli_test_support.h"
#include "import/confirm_import.h"
#include "import/runner_up.h"
#include "import/synthetic_font.h"
#include "io/font_reader.h"
#include "io/model_file.h"
#include "support/fake_host.h"
#include "support/test_font.h"
#include "support/write_faults.h"

namespace pixmora::test {
namespace {

using nlohmann::json;

class InfoTest : public CliTest {
  protected:
    void SetUp() override {
        CliTest::SetUp();
        WriteModelDir(models);
    }

    // `info --json` on a HEX file of these bytes, with the test's model files.
    json InfoOf(const Bytes& font, CliRun* seen = nullptr) {
        WriteHexFont("font.hex", font);
        const CliRun run =
            RunExecutable({"info", PathOf("font.hex"), "--json", "--models", PathOf("models")});
        EXPECT_EQ(run.status, cli::kExitOk) << run.err;
        if (seen != nullptr) {
            *seen = run;
        }
        return json::parse(run.out);
    }

    std::mt19937 random{5};
    std::array<Bytes, kFormatCount> models = RandomModels(random);
};

TEST_F(InfoTest, JsonNamesTheFormatScanPolarityCoverageAndProducts) {
    struct Case {
        int format;
        int scan;
        bool negative;
    };
    for (const Case& c :
         {Case{0, 1, false}, Case{1, 2, true}, Case{4, 3, false}, Case{2, 0, true}}) {
        const CellFormat& format = FormatAt(c.format);
        SCOPED_TRACE(std::string(format.name) + " scan " + std::to_string(c.scan));
        CliRun seen;
        const Bytes font = FontFromModel(models[static_cast<std::size_t>(c.format)], c.format,
                                         c.scan % 4, c.scan, c.negative);
        const json info = InfoOf(font, &seen);
        EXPECT_EQ(info["file"], PathOf("font.hex"));
        EXPECT_EQ(info["bytes_read"], 224 * format.bytesPerChar);
        EXPECT_EQ(info["checksum_error"], false);
        EXPECT_EQ(info["recognised"], true);
        EXPECT_EQ(info["class"], 1);
        EXPECT_EQ(info["format"], std::string(format.name));
        EXPECT_EQ(info["width"], format.width);
        EXPECT_EQ(info["height"], format.height);
        EXPECT_EQ(info["bytes_per_char"], format.bytesPerChar);
        EXPECT_EQ(info["scan"], c.scan);
        EXPECT_EQ(info["negative"], c.negative);
        for (const char* group : {"signs", "digits", "latin", "cyrillic"}) {
            EXPECT_EQ(info["coverage"][group], 2) << group;
            EXPECT_EQ(info["products"][group], 1.0) << group;
        }
        EXPECT_EQ(info["coverage"]["cyrillic_block"], 0);
        std::vector<std::string> keys;
        const auto ordered = nlohmann::ordered_json::parse(seen.out);
        for (const auto& item : ordered.items()) {
            keys.push_back(item.key());
        }
        EXPECT_EQ(keys, (std::vector<std::string>{"file", "bytes_read", "checksum_error",
                                                  "recognised", "class", "format", "width",
                                                  "height", "bytes_per_char", "scan", "negative",
                                                  "coverage", "products", "runner_up"}));
        // The runner-up is the core's second-best trial of the same data and models.
        const Recognition found = RecogniseData(font, Spans(models));
        const auto second = RunnerUp(found);
        ASSERT_TRUE(second);
        EXPECT_EQ(info["runner_up"]["format"],
                  std::string(FormatAt(second->candidate.formatIndex).name));
        EXPECT_EQ(info["runner_up"]["scan"], second->candidate.scan);
        EXPECT_EQ(info["runner_up"]["negative"], second->candidate.negative);
        EXPECT_FLOAT_EQ(info["runner_up"]["score"].get<float>(), second->score);
    }
}

TEST_F(InfoTest, ACyrillicBlockIsClassThreeOnlyUpToSixtyFourCharacters) {
    const int bpc = FormatAt(1).bytesPerChar;
    const Bytes whole = FontFromModel(models[1], 1, 0, 0, false);
    Bytes block(whole.begin() + 160 * bpc, whole.end());
    json info = InfoOf(block);
    EXPECT_EQ(info["class"], 3);
    EXPECT_EQ(info["coverage"]["cyrillic_block"], 2);

    // Loaded, the block sits at code 192.
    ASSERT_EQ(RunExecutable(
                  {"convert", PathOf("font.hex"), PathOf("all.hex"), "--models", PathOf("models")})
                  .status,
              cli::kExitOk);
    Bytes placed(224 * static_cast<std::size_t>(bpc), 0);
    std::copy(block.begin(), block.end(), placed.begin() + 160 * bpc);
    WriteHexFont("expected.hex", placed);
    EXPECT_EQ(ReadWholeFile(PathOf("all.hex")), ReadWholeFile(PathOf("expected.hex")));

    block.insert(block.end(), static_cast<std::size_t>(bpc), 0);
    info = InfoOf(block);
    EXPECT_EQ(info["class"], 1) << "65 characters are an ordinary set";
    EXPECT_EQ(info["recognised"], true);
}

TEST_F(InfoTest, TheTextReportIsTheImportsWithTheBytesRead) {
    const Bytes font = FontFromModel(models[3], 3, 1, 2, true);
    CliRun run;
    InfoOf(font, &run);
    const CliRun text = RunExecutable({"info", PathOf("font.hex"), "--models", PathOf("models")});
    EXPECT_EQ(text.status, cli::kExitOk);
    EXPECT_EQ(text.out,
              "Детектирован шрифт:\n\n- формат:      16  x  16\n- развертка:  горизонтальная 1\n"
              "- вид:             негатив\n- набор символов:  \n      знаки         - да\n"
              "      цифры       - да\n      латиница   - да\n      кириллица - да\n"
              "Bytes read: 7168\n");
    EXPECT_TRUE(text.err.empty());
}

TEST_F(InfoTest, UnrecognisedDataAndBadChecksumsStillSucceed) {
    std::mt19937 noise(3);
    Bytes font = RandomBytes(noise, 300);
    json info = InfoOf(font);
    EXPECT_EQ(info["recognised"], false);
    EXPECT_EQ(info["class"], 0);
    EXPECT_EQ(info["bytes_read"], 300);
    const CliRun text = RunExecutable({"info", PathOf("font.hex"), "--models", PathOf("models")});
    EXPECT_EQ(text.status, cli::kExitOk);
    EXPECT_EQ(text.out, cli::TerminalLines(kNotRecognisedText) + "\nBytes read: 300\n");

    // Data that score nothing at all leave the winning trial's fields null.
    font.assign(300, 0);
    font[0] = 0xFF;
    WriteHexFont("font.hex", font);
    std::string hex = ReadWholeFile(PathOf("font.hex"));
    hex[hex.find("\r\n") - 1] ^= 1;  // a wrong checksum in the first record
    WriteWholeFile(PathOf("font.hex"), hex);
    const CliRun run =
        RunExecutable({"info", PathOf("font.hex"), "--json", "--models", PathOf("models")});
    EXPECT_EQ(run.status, cli::kExitOk);
    info = json::parse(run.out);
    EXPECT_EQ(info["checksum_error"], true);
    EXPECT_NE(run.err.find(cli::TerminalLines(std::string(kChecksumMessage))), std::string::npos);
    EXPECT_EQ(info["recognised"], false);
    for (const char* key : {"format", "width", "height", "bytes_per_char", "scan", "negative",
                            "coverage", "products", "runner_up"}) {
        EXPECT_TRUE(info[key].is_null()) << key;
    }
}

TEST_F(InfoTest, ShippedModelFilesAreFoundBesideTheExecutable) {
    FakeHost host;
    const ModelFileData shipped = ReadModelFile("Model/t1.mod", host);
    ASSERT_FALSE(shipped.failure) << "run from the runtime directory";
    const Bytes model(shipped.ModelBuffer.begin(), shipped.ModelBuffer.begin() + 64 * 8);
    WriteHexFont("font.hex", FontFromModel(model, 1, 2, 3, false));
    const CliRun run = RunExecutable({"info", PathOf("font.hex"), "--json"});
    ASSERT_EQ(run.status, cli::kExitOk) << run.err;
    const json info = json::parse(run.out);
    EXPECT_EQ(info["format"], "8 x 8");
    EXPECT_EQ(info["scan"], 3);
    // In-process runs print the same.
    EXPECT_EQ(RunInProcess({"info", PathOf("font.hex"), "--json"}).out, run.out);
}

TEST_F(InfoTest, MissingInputOrModelFilesEndWithStatusTwo) {
    WriteHexFont("font.hex", Bytes(64, 0));
    CliRun run = RunExecutable({"info", PathOf("font.hex"), "--models", PathOf("nowhere")});
    EXPECT_EQ(run.status, cli::kExitFailed);
    EXPECT_NE(run.err.find("t0.mod"), std::string::npos) << run.err;
    run = RunExecutable({"info", PathOf("absent.hex"), "--models", PathOf("models")});
    EXPECT_EQ(run.status, cli::kExitFailed);
    EXPECT_TRUE(run.out.empty());
}

// An installed program's Model/ cannot be written: a user's copy in $XDG_DATA_HOME/pixmora/Model
// is read in place of the shipped file, and --models wins over both.
TEST_F(InfoTest, TheUsersCopyIsReadUnlessModelsIsGiven) {
    const std::filesystem::path program = dir_ / "program";
    std::filesystem::create_directories(program);
    std::filesystem::copy(dir_ / "models", program / "Model");
    std::filesystem::create_directories(dir_ / "data" / "pixmora" / "Model");
    std::mt19937 other{41};
    const Bytes corrected = RandomModel(other, 1);
    std::ostringstream text;
    WriteSourceText(text, corrected, OutputFormat::DataCode, NumberNotation::ZeroX,
                    ValuesPerLine(8));
    WriteWholeFile(PathOf("data/pixmora/Model/t1.mod"), text.str());
    WriteHexFont("font.hex", FontFromModel(corrected, 1, 0, 1, false));
    const ReadOnlyDirectory readOnly(program / "Model");
    if (!readOnly.Own()) {
        GTEST_SKIP() << "no way to make a directory read-only here";
    }
    const char* saved = std::getenv("XDG_DATA_HOME");
    const std::string savedValue = saved != nullptr ? saved : "";
    setenv("XDG_DATA_HOME", PathOf("data").c_str(), 1);
    const auto info = [&](std::vector<const char*> argv) {
        std::ostringstream out;
        std::ostringstream err;
        argv.insert(argv.begin(), "pixmora-cli");
        EXPECT_EQ(
            cli::RunCli(static_cast<int>(argv.size()), argv.data(), program.string(), out, err),
            cli::kExitOk)
            << err.str();
        return json::parse(out.str());
    };
    const std::string font = PathOf("font.hex");
    const std::string given = PathOf("models");
    const json fromUserCopy = info({"info", font.c_str(), "--json"});
    const json fromGiven = info({"info", font.c_str(), "--json", "--models", given.c_str()});
    if (saved != nullptr) {
        setenv("XDG_DATA_HOME", savedValue.c_str(), 1);
    } else {
        unsetenv("XDG_DATA_HOME");
    }
    EXPECT_EQ(fromUserCopy["recognised"], true);
    EXPECT_EQ(fromUserCopy["format"], "8 x 8");
    EXPECT_EQ(fromUserCopy["scan"], 1);
    EXPECT_EQ(fromGiven["recognised"], false);
}

TEST(CliHelp, HelpAndVersionPrintToStandardOutput) {
    CliRun run = RunInProcess({"--help"});
    EXPECT_EQ(run.status, cli::kExitOk);
    EXPECT_NE(run.out.find("convert"), std::string::npos);
    EXPECT_TRUE(run.err.empty());
    run = RunInProcess({"convert", "--help"});
    EXPECT_EQ(run.status, cli::kExitOk);
    EXPECT_NE(run.out.find("--out-negative"), std::string::npos);
    run = RunInProcess({"--version"});
    EXPECT_EQ(run.status, cli::kExitOk);
    EXPECT_EQ(run.out.rfind("pixmora-cli ", 0), 0u) << run.out;
    run = RunInProcess({"info"});
    EXPECT_EQ(run.status, cli::kExitFailed);
    EXPECT_TRUE(run.out.empty());
    EXPECT_FALSE(run.err.empty());
}

}  // namespace
}  // namespace pixmora::test
