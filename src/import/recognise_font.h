// Recognition of a font file: reads its data and the model file of every format, then scores each
// format, scan and polarity (recognition.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "import/recognition.h"
#include "import/source_import.h"

namespace pixmora {

class Host;
struct ModelPlaces;

inline constexpr const char* kTooMuchData =
    "Формат знакогенератора не поддерживается. \nВозможно файл содержит лишние данные.";

struct FontRecognition {
    std::vector<std::uint8_t> ImportBuffer;  // the file's bytes as written, zero beyond
    int LastIndexRead = -1;
    bool ImportAborted = false;  // a syntax error in the file or a model file (already told)
    bool ChecksumError = false;  // a HEX record's checksum did not match (already told)
    // The file or a model file could not be read: what went wrong, for the caller to show.
    std::optional<std::string> failure;
    Recognition found;
    // Set for a file read as source code: its array, header and first code. ImportBuffer then
    // holds the glyphs as placed for the candidate, from code 32.
    std::optional<SourceTable> table;
    bool arrayCancelled = false;  // the user cancelled the choice of the array
};

// A header this program exported is not recognised: found holds the parameters its macros give.
// A file of more than 75264 data bytes is told as unsupported and left unrecognised. The model
// files are the program's, or the user's copies where the program's cannot be changed
// (model_places.h).
FontRecognition RecogniseFont(const std::string& path, Host& host);
// The same with the model files (t0.mod, t1.mod, ...) of these places.
FontRecognition RecogniseFont(const std::string& path, const ModelPlaces& places, Host& host);

}  // namespace pixmora
