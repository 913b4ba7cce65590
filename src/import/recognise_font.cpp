#include "import/recognise_font.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory>

#include "editor/host.h"
#include "import/confirm_import.h"
#include "import/recognition_models.h"
#include "import/table_recognition.h"
#include "io/font_reader.h"
#include "io/model_file.h"
#include "io/model_places.h"

namespace pixmora {

namespace {

// A header this program exported gives its parameters: they are taken, not recognised.
void LoadOwnTable(FontRecognition& result) {
    const OwnHeader& own = *result.table->own;
    const std::vector<std::uint8_t> placed =
        PlaceTable(*result.table, own.formatIndex, own.firstCode, own.negative);
    std::copy(placed.begin(), placed.end(), result.ImportBuffer.begin());
    result.LastIndexRead = static_cast<int>(placed.size()) - 1;
    result.found.candidate = {own.formatIndex, own.scan, own.negative};
    result.found.Recognised = true;
    result.found.CharSetClass = 1;
}

}  // namespace

FontRecognition RecogniseFont(const std::string& path, Host& host) {
    return RecogniseFont(path, FindModelPlaces(host), host);
}

FontRecognition RecogniseFont(const std::string& path, const ModelPlaces& places, Host& host) {
    FontRecognition result;
    result.ImportBuffer.assign(kImageSize, 0);
    ImportRead import = ReadImportFile(
        path, std::span(result.ImportBuffer).first(static_cast<std::size_t>(kFontBytes)), host);
    const ReadResult& read = import.read;
    result.table = std::move(import.table);
    result.arrayCancelled = import.arrayCancelled;
    result.LastIndexRead = read.LastIndexRead;
    result.ImportAborted = read.ImportAborted;
    result.ChecksumError = read.ChecksumError;
    if (read.failure) {
        result.failure = read.failure;
        return result;
    }
    if (read.ImportAborted) {
        return result;
    }
    if (read.Overflow) {
        host.Message(kTooMuchData, kInformationTitle, MsgIcon::Information, MsgButtons::Ok);
        return result;
    }

    if (result.table && result.table->own) {
        LoadOwnTable(result);
        return result;
    }

    const RecognitionModels models = ReadRecognitionModels(places, host);
    if (models.failure) {
        result.failure = models.failure;
        return result;
    }
    result.ImportAborted = result.ImportAborted || models.aborted;
    const auto& modelBytes = models.bytes;
    if (result.table) {
        std::vector<std::uint8_t> placed;
        result.found = RecogniseTable(*result.table, modelBytes, placed);
        std::copy(placed.begin(), placed.end(), result.ImportBuffer.begin());
        result.LastIndexRead = static_cast<int>(placed.size()) - 1;
        return result;
    }
    result.found = RecogniseData(
        std::span(result.ImportBuffer).first(static_cast<std::size_t>(kFontBytes)), modelBytes);
    return result;
}

}  // namespace pixmora
