#include "real_fixtures.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "font_tables.h"
#include "import/source_import.h"
#include "model/font_model.h"
#include "model/formats.h"
#include "quiet_host.h"
#include "support/fixture_expectation.h"

namespace models {

namespace {

namespace fs = std::filesystem;

using Expectation = std::map<std::string, std::string>;

Expectation ExpectationOf(const fs::path& fnt) {
    const Expectation fields = pixmora::test::FixtureExpectation(fnt);
    if (fields.count("W") == 0 || fields.count("H") == 0 || fields.count("scan") == 0) {
        throw FixtureError("no \"// expect:\" line with W, H and scan in " + fnt.string());
    }
    return fields;
}

std::vector<std::uint8_t> ImportBuffer(const fs::path& path, int& bytesRead) {
    pixmora::fuzz::QuietHost host;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(pixmora::kFontBytes), 0);
    const pixmora::ImportRead import = pixmora::ReadImportFile(path.string(), bytes, host);
    const pixmora::ReadResult& read = import.read;
    if (read.failure || read.ImportAborted || read.Overflow || import.table) {
        const std::string why = read.failure         ? *read.failure
                                : read.ImportAborted ? "a syntax error"
                                : read.Overflow      ? "more data than a font holds"
                                                     : "it is source code";
        throw FixtureError("the import does not read " + path.string() + " as data: " + why);
    }
    bytesRead = read.LastIndexRead + 1;
    return bytes;
}

// Of every `group` bytes the first `keep` are the font's, the rest padding (zero).
std::vector<std::uint8_t> Unpadded(const std::vector<std::uint8_t>& padded, int bytesRead,
                                   std::size_t keep, std::size_t group) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < static_cast<std::size_t>(bytesRead); ++i) {
        if (i % group < keep) {
            bytes.push_back(padded[i]);
        }
    }
    bytes.resize(padded.size(), 0);
    return bytes;
}

int FormatOf(int width, int height, const std::string& name) {
    const std::optional<int> index = pixmora::FormatIndex(width, height);
    if (!index) {
        throw FixtureError(name + ": no format " + std::to_string(width) + " x " +
                           std::to_string(height));
    }
    return *index;
}

}  // namespace

std::vector<FixtureReading> ReadFixtures(const std::string& directory) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(directory)) {
        const auto extension = entry.path().extension();
        if (extension == ".fnt" || extension == ".hex") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    if (files.empty()) {
        throw FixtureError("no .fnt or .hex file in " + directory);
    }
    std::vector<FixtureReading> readings;
    for (const fs::path& path : files) {
        const std::string name = path.filename().string();
        Expectation expect = ExpectationOf(fs::path(path).replace_extension(".fnt"));
        int bytesRead = 0;
        const std::vector<std::uint8_t> bytes = ImportBuffer(path, bytesRead);
        const int width = std::stoi(expect["W"]);
        const int height = std::stoi(expect["H"]);
        const int scan = std::stoi(expect["scan"]);
        if (!pixmora::FormatIndex(width, height) && expect["supported"] == "no") {
            continue;  // a cell no format has: the fixture tests want it unrecognised
        }
        const int format = FormatOf(width, height, name);
        const bool negative = expect["polarity"] == "negative";
        const bool noCyrillic = expect["cyrillic"] == "none";
        const bool shortTable = noCyrillic && std::stoi(expect["count"]) <= 160;
        readings.push_back({name, bytes, format, scan, negative, false, noCyrillic, shortTable});
        // The padded tables of the fixture tests read in the cells of their sources.
        if (width == 6 && name.find("_5x8_") != std::string::npos) {
            readings.push_back({name + " without its gap column", Unpadded(bytes, bytesRead, 5, 6),
                                FormatOf(5, 8, name), scan, negative, true, false, false});
        }
        if (width == 16 && name.find("_8x16_") != std::string::npos) {
            readings.push_back({name + " without its empty right half",
                                Unpadded(bytes, bytesRead, 1, 2), FormatOf(8, 16, name), scan,
                                negative, true, false, false});
        }
        // 6 x 8 fonts enlarged to 12 x 16 read as 12 x 16.
        if (width == 6 && height == 8) {
            const pixmora::CellFormat& from =
                pixmora::kCellFormats[static_cast<std::size_t>(format)];
            const int target = FormatOf(12, 16, name);
            std::vector<std::uint8_t> enlarged = EnlargeFont(
                bytes, from, pixmora::kCellFormats[static_cast<std::size_t>(target)], scan);
            enlarged.resize(bytes.size(), 0);
            readings.push_back({name + " enlarged to 12 x 16", enlarged, target, scan, negative,
                                false, false, false});
        }
    }
    return readings;
}

bool ReadsRight(const FixtureReading& reading, const pixmora::Recognition& found) {
    using pixmora::Coverage;
    const auto& coverage = found.coverage;
    const auto yes = [&](pixmora::Group group) { return coverage[group] == Coverage::Yes; };
    if (!found.Recognised || found.candidate.formatIndex != reading.formatIndex ||
        found.candidate.scan != reading.scan || found.candidate.negative != reading.negative) {
        return false;
    }
    if (!yes(pixmora::kSigns) && !yes(pixmora::kDigits) && !yes(pixmora::kLatin)) {
        return false;
    }
    if (reading.latinAndDigitsToo &&
        (!yes(pixmora::kSigns) || !yes(pixmora::kDigits) || !yes(pixmora::kLatin) ||
         coverage[pixmora::kCyrillic] == Coverage::No)) {
        return false;
    }
    if (reading.noCyrillic && yes(pixmora::kCyrillic)) {
        return false;
    }
    return !reading.shortTable || coverage[pixmora::kCyrillic] == Coverage::No;
}

std::string ReadingText(const pixmora::Recognition& found) {
    if (!found.Recognised) {
        return "nothing";
    }
    return std::string(
               pixmora::kCellFormats[static_cast<std::size_t>(found.candidate.formatIndex)].name) +
           " " + std::string(pixmora::ScanOptionCaption(found.candidate.scan)) +
           (found.candidate.negative ? " negative" : " positive");
}

}  // namespace models
