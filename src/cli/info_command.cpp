#include "cli/info_command.h"

#include <array>
#include <charconv>
#include <cstddef>

#include "cli/array_option.h"
#include "cli/cli_host.h"
#include "cli/exit_codes.h"
#include "cli/load_font.h"
#include "import/confirm_import.h"
#include "import/recognise_font.h"
#include "import/runner_up.h"
#include "model/formats.h"

namespace pixmora::cli {

namespace {

// The JSON keys of the five groups, in the order of their slots.
constexpr std::array<const char*, kGroupCount> kGroupKeys = {"signs", "digits", "latin", "cyrillic",
                                                             "cyrillic_block"};

// A group product as the shortest decimal that reads back as the same single-precision value,
// rather than the digits of its double widening.
double ShortestDecimal(float value) {
    std::array<char, 32> digits{};
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    double shortest = 0;
    std::from_chars(digits.data(), written.ptr, shortest);
    return shortest;
}

nlohmann::ordered_json SourceJson(const SourceTable& table) {
    nlohmann::ordered_json source;
    nlohmann::ordered_json arrays = nlohmann::ordered_json::array();
    for (const ArrayListing& array : table.arrays) {
        arrays.push_back(
            {{"name", array.name}, {"elements", array.elements}, {"bytes", array.bytes}});
    }
    source["arrays"] = arrays;
    source["array"] = table.arrays[table.chosen].name;
    if (table.header) {
        const TableHeader& header = *table.header;
        source["header"] = {
            {"bytes", header.bytes},
            {"format",
             std::string(kCellFormats[static_cast<std::size_t>(header.formatIndex)].name)},
            {"first_code", header.firstCode},
            {"count", header.count}};
    } else {
        source["header"] = nullptr;
    }
    source["first_code"] = table.firstCode;
    source["dropped_before_32"] = table.droppedBefore;
    source["dropped_after_255"] = table.droppedAfter;
    return source;
}

// The second-best trial, so that a script sees how close the call was; null when none scored.
nlohmann::ordered_json RunnerUpJson(const Recognition& found) {
    const auto second = RunnerUp(found);
    if (!second) {
        return nullptr;
    }
    const Candidate& trial = second->candidate;
    return {{"format", std::string(kCellFormats[static_cast<std::size_t>(trial.formatIndex)].name)},
            {"scan", trial.scan},
            {"negative", trial.negative},
            {"score", ShortestDecimal(second->score)}};
}

}  // namespace

nlohmann::ordered_json InfoJson(const std::string& file, const FontRecognition& recognition) {
    const Recognition& found = recognition.found;
    nlohmann::ordered_json info;
    info["file"] = file;
    info["bytes_read"] = recognition.LastIndexRead + 1;
    info["checksum_error"] = recognition.ChecksumError;
    if (recognition.table) {
        info["source"] = SourceJson(*recognition.table);
    }
    info["recognised"] = found.CharSetClass > 0;
    info["class"] = found.CharSetClass;
    const nlohmann::ordered_json none;
    const bool scored = found.bestScore > 0;
    const Candidate& winner = found.candidate;
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(winner.formatIndex)];
    info["format"] = scored ? nlohmann::ordered_json(std::string(format.name)) : none;
    info["width"] = scored ? nlohmann::ordered_json(format.width) : none;
    info["height"] = scored ? nlohmann::ordered_json(format.height) : none;
    info["bytes_per_char"] = scored ? nlohmann::ordered_json(format.bytesPerChar) : none;
    info["scan"] = scored ? nlohmann::ordered_json(winner.scan) : none;
    info["negative"] = scored ? nlohmann::ordered_json(winner.negative) : none;
    if (!scored) {
        info["coverage"] = none;
        info["products"] = none;
        info["runner_up"] = none;
        return info;
    }
    const TrialScores& trial =
        found.table[static_cast<std::size_t>(winner.formatIndex)]
                   [static_cast<std::size_t>(TrialOf(winner.scan, winner.negative))];
    nlohmann::ordered_json coverage;
    nlohmann::ordered_json products;
    for (std::size_t group = 0; group < kGroupKeys.size(); ++group) {
        coverage[kGroupKeys[group]] = static_cast<int>(found.coverage[group]);
        products[kGroupKeys[group]] = ShortestDecimal(trial.groups[group]);
    }
    info["coverage"] = coverage;
    info["products"] = products;
    info["runner_up"] = RunnerUpJson(found);
    return info;
}

int RunInfo(const InfoOptions& options, CliHost& host, std::ostream& out) {
    host.arrayName = options.array;
    FontRecognition recognition =
        RecogniseFont(options.file, ModelPlacesOf(options.modelDir, host), host);
    if (recognition.failure) {
        host.Tell(*recognition.failure);
        return kExitFailed;
    }
    if (const int refused = CheckArrayOption(options.array, recognition, host);
        refused != kExitOk) {
        return refused;
    }
    if (recognition.ImportAborted) {
        return kExitFailed;
    }
    DemoteLongCyrillicBlock(recognition.found, recognition.LastIndexRead);
    if (options.json) {
        out << InfoJson(options.file, recognition)
                   .dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
            << '\n';
        return kExitOk;
    }
    const std::string note =
        recognition.table ? SourceTableNote(*recognition.table) : std::string();
    const std::string report = recognition.found.Recognised
                                   ? RecognitionReport(recognition.found) + note
                                   : note + kNotRecognisedText + "\n";
    out << TerminalLines(report) << kBytesReadLabel << recognition.LastIndexRead + 1 << '\n';
    return kExitOk;
}

}  // namespace pixmora::cli
