// The model files of every format, read for the font finder.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "import/font_finder.h"
#include "io/font_reader.h"
#include "io/model_places.h"

namespace pixmora {

class Host;

struct FinderModels {
    std::vector<std::unique_ptr<ModelFileData>> files;  // own the bytes `bytes` points into
    ModelBytes bytes;
    std::optional<std::string> failure;  // a file that could not be read
    bool aborted = false;                // a syntax error, already told
};

FinderModels ReadFinderModels(const ModelPlaces& places, Host& host);

}  // namespace pixmora
