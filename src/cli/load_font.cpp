#include "cli/load_font.h"

#include <cstddef>
#include <span>
#include <vector>

#include "cli/array_option.h"
#include "cli/cli_host.h"
#include "cli/exit_codes.h"
#include "editor/editor.h"
#include "editor/startup.h"
#include "import/bdf_import.h"
#include "import/confirm_import.h"
#include "import/import_font.h"
#include "import/recognise_font.h"
#include "import/source_import.h"
#include "io/font_reader.h"

namespace pixmora::cli {

namespace {

std::span<const std::uint8_t> BytesRead(const std::vector<std::uint8_t>& buffer, int lastIndex) {
    return std::span(buffer).first(static_cast<std::size_t>(lastIndex + 1));
}

// The manual path: the data are read with the given parameters, from code 32 on.
int LoadGiven(Editor& ed, const LoadOptions& options, CliHost& host) {
    const std::optional<int> format = FormatIndexByName(*options.format);
    if (!format) {
        host.Tell(kUnknownFormat + *options.format);
        return kExitRefused;
    }
    const CellFormat& cell = kCellFormats[static_cast<std::size_t>(*format)];
    if (!ScanOffered(cell.width, options.scan)) {
        host.Tell(kScanNotOffered + std::string(cell.name) + ", " + std::to_string(options.scan));
        return kExitRefused;
    }
    std::vector<std::uint8_t> buffer(kFontBytes, 0);
    ImportRead import = ReadImportFile(options.input, buffer, host);
    const ReadResult& read = import.read;
    if (read.failure) {
        host.Tell(*read.failure);
        return kExitFailed;
    }
    FontRecognition asRead;
    asRead.table = import.table;
    asRead.arrayCancelled = import.arrayCancelled;
    if (const int refused = CheckArrayOption(options.array, asRead, host); refused != kExitOk) {
        return refused;
    }
    if (read.ImportAborted) {
        return kExitFailed;
    }
    if (import.table) {
        const std::vector<std::uint8_t> placed = PlaceTable(
            *import.table, *format, GivenFirstCode(*import.table, *format), options.negative);
        LoadFontData(ed, {*format, options.scan, options.negative}, placed, false,
                     ImportDecision::Load);
        return kExitOk;
    }
    // More data than the largest font holds: writing the cut font would lose the rest silently.
    if (read.Overflow) {
        host.Tell(kTooMuchData);
        return kExitRefused;
    }
    LoadFontData(ed, {*format, options.scan, options.negative},
                 BytesRead(buffer, read.LastIndexRead), false, ImportDecision::Load);
    return kExitOk;
}

int LoadRecognised(Editor& ed, const LoadOptions& options, CliHost& host) {
    FontRecognition recognition =
        RecogniseFont(options.input, ModelPlacesOf(options.modelDir, host), host);
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
    Recognition& found = recognition.found;
    DemoteLongCyrillicBlock(found, recognition.LastIndexRead);
    if (!found.Recognised) {
        host.Tell(kNotRecognisedText);
        return kExitRefused;
    }
    LoadFontData(ed, found.candidate,
                 BytesRead(recognition.ImportBuffer, recognition.LastIndexRead),
                 found.CharSetClass == 3, ImportDecision::Load);
    return kExitOk;
}

// A BDF file is drawn into cells: of the format given, else of its own or the smallest that holds
// its glyphs.
int LoadBdf(Editor& ed, const LoadOptions& options, CliHost& host) {
    BdfRequest request{std::nullopt, options.scan, options.negative};
    if (options.format) {
        request.formatIndex = FormatIndexByName(*options.format);
        if (!request.formatIndex) {
            host.Tell(kUnknownFormat + *options.format);
            return kExitRefused;
        }
    }
    const BdfImport read = ReadBdfImport(options.input, request);
    if (read.failure) {
        host.Tell(*read.failure);
        return kExitFailed;
    }
    if (!read.own && read.candidate.scan != options.scan) {
        const CellFormat& cell = kCellFormats[static_cast<std::size_t>(read.candidate.formatIndex)];
        host.Tell(kScanNotOffered + std::string(cell.name) + ", " + std::to_string(options.scan));
        return kExitRefused;
    }
    LoadFontData(ed, read.candidate, read.bytes, false, ImportDecision::Load);
    return kExitOk;
}

}  // namespace

ModelPlaces ModelPlacesOf(const std::optional<std::string>& modelDir, Host& host) {
    return modelDir ? GivenModelDir(*modelDir) : FindModelPlaces(host);
}

int LoadInputFont(Editor& ed, const LoadOptions& options, CliHost& host) {
    StartUp(ed);
    host.arrayName = options.array;
    if (IsBdfPath(options.input)) {
        return LoadBdf(ed, options, host);
    }
    return options.format ? LoadGiven(ed, options, host) : LoadRecognised(ed, options, host);
}

}  // namespace pixmora::cli
