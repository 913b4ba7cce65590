#include "import/recognise_font.h"

#include <array>
#include <cstddef>
#include <memory>

#include "import/confirm_import.h"
#include "io/font_reader.h"
#include "io/model_places.h"
#include "model/host.h"

namespace pixmora {

FontRecognition RecogniseFont(const std::string& path, Host& host) {
    return RecogniseFont(path, FindModelPlaces(host), host);
}

FontRecognition RecogniseFont(const std::string& path, const ModelPlaces& places, Host& host) {
    FontRecognition result;
    result.ImportBuffer.assign(kImageSize, 0);
    const ReadResult read = ReadFontFile(
        path, std::span(result.ImportBuffer).first(static_cast<std::size_t>(kFontBytes)), false,
        host);
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

    std::vector<std::unique_ptr<ModelFileData>> models;
    std::array<std::span<const std::uint8_t>, kFormatCount> modelBytes;
    for (int n = 0; n < kFormatCount; ++n) {
        auto model = ReadModelForRecognition(places, n, host);
        if (model->failure) {
            result.failure = model->failure;
            return result;
        }
        result.ImportAborted = result.ImportAborted || model->ImportAborted;
        modelBytes[static_cast<std::size_t>(n)] = model->ModelBuffer;
        models.push_back(std::move(model));
    }
    result.found = RecogniseData(
        std::span(result.ImportBuffer).first(static_cast<std::size_t>(kFontBytes)), modelBytes);
    return result;
}

}  // namespace pixmora
