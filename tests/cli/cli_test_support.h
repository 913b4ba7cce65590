// Runs pixmora-cli for a test, either as the built executable or in-process, in a scratch
// directory of its own, and writes the font files the runs read.
#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_host.h"
#include "io/font_writer.h"
#include "io/model_file.h"
#include "support/scratch_dir.h"

namespace pixmora::test {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// One word for /bin/sh, whatever it holds.
inline std::string ShellQuoted(const std::string& word) {
    std::string quoted = "'";
    for (const char c : word) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// A command line run inside the test; the model files are those of the runtime directory.
inline CliRun RunInProcess(const std::vector<std::string>& args) {
    std::vector<const char*> argv{"pixmora-cli"};
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.status = cli::RunCli(static_cast<int>(argv.size()), argv.data(),
                             std::filesystem::current_path().string(), out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

class CliTest : public ScratchDirTest {
  protected:
    // The built executable, with the model files beside it.
    CliRun RunExecutable(const std::vector<std::string>& args) const {
        std::string command = ShellQuoted(PIXMORA_CLI_EXE);
        for (const std::string& arg : args) {
            command.append(" ").append(ShellQuoted(arg));
        }
        const std::string out = PathOf(".stdout");
        const std::string err = PathOf(".stderr");
        command.append(" >").append(ShellQuoted(out)).append(" 2>").append(ShellQuoted(err));
        const int raw = std::system(command.c_str());
        CliRun run;
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = ReadWholeFile(out);
        run.err = ReadWholeFile(err);
        return run;
    }

    // Model files t0.mod, t1.mod, ... holding `models`, as the editor writes them, in "models".
    void WriteModelDir(std::span<const std::vector<std::uint8_t>> models) const {
        std::filesystem::create_directories(dir_ / "models");
        for (std::size_t n = 0; n < models.size(); ++n) {
            std::ostringstream text;
            const int bytesPerChar = kCellFormats[n].bytesPerChar;
            WriteSourceText(text, models[n], OutputFormat::DataCode, NumberNotation::ZeroX,
                            ValuesPerLine(bytesPerChar));
            WriteWholeFile((dir_ / "models" / ModelFileName(static_cast<int>(n))).string(),
                           text.str());
        }
    }

    // A font file as export writes it: HEX from address 0.
    void WriteHexFont(const std::string& name, std::span<const std::uint8_t> bytes) const {
        std::ostringstream text;
        WriteIntelHex(text, bytes, 0);
        WriteWholeFile(PathOf(name), text.str());
    }
};

}  // namespace pixmora::test
