// The round trip a user makes, pixmora-cli run in-process: a font drawn by rasterise into every
// format, offered scan and polarity, then recognised by info. A measurement of recognition on
// fonts that drew no model row (label `models`: `ctest --preset models`).
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/exit_codes.h"
#include "cli_test_support.h"
#include "fontfile/system_fonts.h"
#include "model/formats.h"

namespace pixmora::test {
namespace {

using cli::kExitOk;

class RasteriseRoundTrip : public CliTest {};

// The round trip a user makes: a font drawn into every format, offered scan and polarity is
// recognised by info as what it was drawn as. Fonts that drew no model row only.
TEST_F(RasteriseRoundTrip, InfoRecognisesWhatRasteriseDrew) {
    const std::vector<std::string> fonts = {kDejaVuSans, kDejaVuSerif, kDejaVuMono,  kTerminusTtf,
                                            kFixed9x15,  kFixed6x13,   kConsoleVga16};
    int runs = 0, recognised = 0;
    std::string failures;
    for (const std::string& font : fonts) {
        if (!std::filesystem::exists(font)) {
            continue;
        }
        for (const CellFormat& format : kCellFormats) {
            for (int scan = 0; scan < kScanCount; ++scan) {
                if (!ScanOffered(format.width, scan)) {
                    continue;
                }
                for (const bool negative : {false, true}) {
                    std::vector<std::string> args = {"rasterise",
                                                     font,
                                                     PathOf("f.fnt"),
                                                     "--format",
                                                     std::string(format.name),
                                                     "--scan",
                                                     std::to_string(scan)};
                    if (negative) {
                        args.push_back("--negative");
                    }
                    ASSERT_EQ(RunInProcess(args).status, kExitOk) << font << " " << format.name;
                    const CliRun info = RunInProcess({"info", PathOf("f.fnt"), "--json"});
                    const nlohmann::json json = nlohmann::json::parse(info.out, nullptr, false);
                    ++runs;
                    if (!json.is_discarded() && json["format"] == std::string(format.name) &&
                        json["scan"] == scan && json["negative"] == negative) {
                        ++recognised;
                    } else {
                        failures.append(font).append(" ").append(format.name);
                        failures.append(" scan ").append(std::to_string(scan));
                        failures.append(negative ? " negative\n" : "\n");
                    }
                }
            }
        }
    }
    if (runs == 0) {
        GTEST_SKIP() << "no test font installed";
    }
    std::printf("round trips recognised: %d of %d\n%s", recognised, runs, failures.c_str());
    // 396 of 532 with the model files of all eleven formats (336 before 5 x 8 and 8 x 16 had
    // theirs); bitmap strikes of 13 and 15 rows are not recognised in the cells of 24 x 32 and up.
    EXPECT_GE(recognised * 100, runs * 70) << failures;
}

}  // namespace
}  // namespace pixmora::test
