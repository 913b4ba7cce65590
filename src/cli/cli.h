// The command line of pixmora-cli: parses the arguments and runs one subcommand.
//
//   pixmora-cli info FILE [--json] [--models DIR]
//   pixmora-cli convert INPUT OUTPUT [--format "W x H" [--scan N] [--negative]] [--rescan N]
//                       [--enlarge "W x H"] [--kind data|db|code|hex] [--notation NOTATION]
//                       [--range FIRST-LAST] [--address TEXT] [--out-negative | --out-positive]
//                       [--models DIR]
//   pixmora-cli render INPUT OUTPUT.png [--format "W x H" [--scan N] [--negative]] [--scale N]
//                      [--text TEXT [--look lcd|blue|oled] [--ink RRGGBB] [--paper RRGGBB]]
//                      [--models DIR]
//   pixmora-cli --help | --version
//
// Everything goes to the two streams given, so the whole program can run inside a test.
#pragma once

#include <ostream>
#include <string>

namespace pixmora::cli {

// The directory of the running executable, where Model/ lies; `argv0` when the system cannot say.
std::string ExecutableDir(const char* argv0);

// Runs the command line; the result is the exit status (exit_codes.h). `programDir` is where the
// model directory Model/ is looked for when --models is not given.
int RunCli(int argc, const char* const* argv, const std::string& programDir, std::ostream& out,
           std::ostream& err);

}  // namespace pixmora::cli
