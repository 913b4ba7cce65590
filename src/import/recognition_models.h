// The model files of every format, read for recognition: by the import and by the font finder.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "import/recognition.h"
#include "io/font_reader.h"
#include "io/model_places.h"

namespace pixmora {

class Host;

struct RecognitionModels {
    std::vector<std::unique_ptr<ModelFileData>> files;  // own the bytes `bytes` points into
    std::array<std::span<const std::uint8_t>, kFormatCount> bytes;
    std::optional<std::string> failure;  // a file that could not be read
    bool aborted = false;                // a syntax error, already told
};

// Stops at the first file that cannot be read.
RecognitionModels ReadRecognitionModels(const ModelPlaces& places, Host& host);

}  // namespace pixmora
