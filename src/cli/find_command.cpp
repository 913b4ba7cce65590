#include "cli/find_command.h"

#include <cstdio>
#include <memory>
#include <string>

#include "cli/cli_host.h"
#include "cli/exit_codes.h"
#include "cli/load_font.h"
#include "commands/find_font.h"
#include "commands/found_font_rows.h"
#include "editor/editor.h"
#include "editor/startup.h"
#include "import/recognition_models.h"

namespace pixmora::cli {

namespace {

std::string ListLine(const FirmwareImage& image, const FoundFont& found, int number) {
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(found.formatIndex)];
    const TablePlace place = PlaceOfTable(image, found);
    char score[16];
    std::snprintf(score, sizeof score, "%.3f", static_cast<double>(found.score));
    std::string line = std::to_string(number) + ". ";
    if (ShowsOffset(image.kind)) {
        line += "offset " + HexPlace(place.fileOffset) + ", ";
    }
    if (ShowsAddress(image.kind)) {
        line += "address " + HexPlace(place.address) + ", ";
    }
    return line + std::string(format.name) + ", scan " + std::to_string(found.scan) + " (" +
           std::string(kScanNames[static_cast<std::size_t>(found.scan)].report) + "), " +
           (found.negative ? "negative" : "positive") + ", codes " +
           std::to_string(found.firstCode) + ".." + std::to_string(found.lastCode) + ", " +
           std::to_string(found.glyphCount) + " glyphs, score " + score;
}

int Extract(const FindOptions& options, const FirmwareImage& image,
            const std::vector<FoundFont>& found, CliHost& host) {
    const int number = *options.extract;
    if (number < 1 || number > static_cast<int>(found.size())) {
        host.Tell(kNoCandidate + std::to_string(number));
        return kExitRefused;
    }
    const FoundFont& table = found[static_cast<std::size_t>(number - 1)];
    const auto ed = std::make_unique<Editor>();
    StartUp(*ed);
    OpenFoundFont(*ed, image, table);
    return WriteOutput(*ed, options.out, host);
}

}  // namespace

nlohmann::ordered_json FoundJson(const FirmwareImage& image, const FoundFont& found, int number) {
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(found.formatIndex)];
    const TablePlace place = PlaceOfTable(image, found);
    nlohmann::ordered_json json;
    json["number"] = number;
    json["segment"] = found.segment;
    if (ShowsOffset(image.kind)) {
        json["offset"] = place.fileOffset;
    }
    if (ShowsAddress(image.kind)) {
        json["address"] = place.address;
    }
    json["format"] = std::string(format.name);
    json["scan"] = found.scan;
    json["negative"] = found.negative;
    json["first_code"] = found.firstCode;
    json["last_code"] = found.lastCode;
    json["glyphs"] = found.glyphCount;
    json["score"] = found.score;
    json["digits"] = found.scores.groups[kDigits];
    json["latin"] = found.scores.groups[kLatin];
    return json;
}

int RunFind(const FindOptions& options, CliHost& host, std::ostream& out) {
    if (options.extract) {
        if (options.out.output.empty()) {
            host.Tell(kExtractNeedsOutput);
            return kExitFailed;
        }
        if (const int checked = CheckOutputOptions(options.out, host); checked != kExitOk) {
            return checked;
        }
    }
    const ImageRead read = ReadFirmwareImageFile(options.image);
    if (!read.image) {
        host.Tell(read.error);
        return kExitFailed;
    }
    const RecognitionModels models =
        ReadRecognitionModels(ModelPlacesOf(options.modelDir, host), host);
    if (models.failure) {
        host.Tell(*models.failure);
        return kExitFailed;
    }
    if (models.aborted) {
        return kExitFailed;
    }
    const std::vector<FoundFont> found =
        FindFonts(*read.image, models.bytes, FinderSettings{options.minChars});
    if (options.extract) {
        return Extract(options, *read.image, found, host);
    }
    if (options.json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (std::size_t k = 0; k < found.size(); ++k) {
            list.push_back(FoundJson(*read.image, found[k], static_cast<int>(k) + 1));
        }
        out << list.dump(2) << "\n";
    } else {
        for (std::size_t k = 0; k < found.size(); ++k) {
            out << ListLine(*read.image, found[k], static_cast<int>(k) + 1) << "\n";
        }
    }
    if (found.empty()) {
        host.Tell(kNothingFound);
        return kExitRefused;
    }
    return kExitOk;
}

}  // namespace pixmora::cli
