#include "cli/find_command.h"

#include <cstdio>
#include <memory>

#include "cli/cli_host.h"
#include "cli/exit_codes.h"
#include "cli/load_font.h"
#include "editor/editor.h"
#include "editor/startup.h"
#include "import/import_font.h"
#include "io/font_reader.h"
#include "io/model_places.h"

namespace pixmora::cli {

namespace {

std::string Hex(std::uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%08llX", static_cast<unsigned long long>(value));
    return text;
}

// Where the table's first byte lies: in the file, and in the device's memory.
struct TablePlace {
    std::uint64_t fileOffset;
    std::uint64_t address;
};

TablePlace PlaceOf(const FirmwareImage& image, const FoundFont& found) {
    const ImageSegment& segment = image.segments.at(found.segment);
    const auto within = static_cast<std::uint64_t>(found.TablePosition());
    // A HEX segment's bytes are spread over text lines: the address is what locates them.
    const std::uint64_t fileOffset =
        image.kind == ImageKind::IntelHex ? segment.fileOffset : segment.fileOffset + within;
    return {fileOffset, segment.address + within};
}

std::string ListLine(const FirmwareImage& image, const FoundFont& found, int number) {
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(found.formatIndex)];
    const TablePlace place = PlaceOf(image, found);
    char score[16];
    std::snprintf(score, sizeof score, "%.3f", static_cast<double>(found.score));
    std::string line = std::to_string(number) + ". ";
    if (image.kind != ImageKind::IntelHex) {
        line += "offset " + Hex(place.fileOffset) + ", ";
    }
    if (image.kind != ImageKind::Binary) {
        line += "address " + Hex(place.address) + ", ";
    }
    return line + std::string(format.name) + ", scan " + std::to_string(found.scan) + " (" +
           std::string(kScanNames[static_cast<std::size_t>(found.scan)].report) + "), " +
           (found.negative ? "negative" : "positive") + ", codes " +
           std::to_string(found.firstCode) + ".." + std::to_string(found.lastCode) + ", " +
           std::to_string(found.glyphCount) + " glyphs, score " + score;
}

// The model files of every format, or what went wrong.
struct Models {
    std::vector<std::unique_ptr<ModelFileData>> files;
    ModelBytes bytes;
    std::optional<std::string> failure;
    bool aborted = false;
};

Models ReadModels(const std::optional<std::string>& modelDir, CliHost& host) {
    Models models;
    const ModelPlaces places = ModelPlacesOf(modelDir, host);
    for (int n = 0; n < kFormatCount; ++n) {
        auto file = ReadModelForRecognition(places, n, host);
        if (file->failure) {
            models.failure = file->failure;
            return models;
        }
        models.aborted = models.aborted || file->ImportAborted;
        models.bytes[static_cast<std::size_t>(n)] = file->ModelBuffer;
        models.files.push_back(std::move(file));
    }
    return models;
}

int Extract(const FindOptions& options, const FirmwareImage& image,
            const std::vector<FoundFont>& found, CliHost& host) {
    const int number = *options.extract;
    if (number < 1 || number > static_cast<int>(found.size())) {
        host.Tell(kNoCandidate + std::to_string(number));
        return kExitRefused;
    }
    const FoundFont& table = found[static_cast<std::size_t>(number - 1)];
    std::vector<std::uint8_t> bytes = ExtractFont(image, table);
    const auto ed = std::make_unique<Editor>();
    StartUp(*ed);
    LoadFontData(*ed, {table.formatIndex, table.scan, table.negative}, bytes, false,
                 ImportDecision::Load);
    return WriteOutput(*ed, options.out, host);
}

}  // namespace

nlohmann::ordered_json FoundJson(const FirmwareImage& image, const FoundFont& found, int number) {
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(found.formatIndex)];
    const TablePlace place = PlaceOf(image, found);
    nlohmann::ordered_json json;
    json["number"] = number;
    json["segment"] = found.segment;
    if (image.kind != ImageKind::IntelHex) {
        json["offset"] = place.fileOffset;
    }
    if (image.kind != ImageKind::Binary) {
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
    const Models models = ReadModels(options.modelDir, host);
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
