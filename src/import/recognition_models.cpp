#include "import/recognition_models.h"

namespace pixmora {

RecognitionModels ReadRecognitionModels(const ModelPlaces& places, Host& host) {
    RecognitionModels models;
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

}  // namespace pixmora
