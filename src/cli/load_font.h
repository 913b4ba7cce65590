// Makes a font file the open font as the import does, without asking: the parameters are
// recognised against the model files, or given on the command line and read as the manual path
// reads them. A BDF file, and a header this program exported, give their own parameters.
#pragma once

#include <optional>
#include <string>

#include "io/model_places.h"

namespace pixmora {
struct Editor;
}

namespace pixmora::cli {

class CliHost;

struct LoadOptions {
    std::string input;
    std::optional<std::string> format;  // "8 x 8" ..; recognition is skipped when given
    int scan = 0;
    bool negative = false;
    std::optional<std::string> modelDir;  // --models: where the model files t0.mod, t1.mod, ... lie
    std::optional<std::string> array;     // the array of a source file to read
};

inline constexpr const char* kUnknownFormat =
    "Unknown cell format (one of \"5 x 8\", \"6 x 8\" .. \"48 x 56\", \"8 x 16\"): ";
inline constexpr const char* kScanNotOffered =
    "This byte scan does not exist for the cell format: ";

// The directory given with --models, else the program's files or the user's copies of them.
ModelPlaces ModelPlacesOf(const std::optional<std::string>& modelDir, Host& host);

// An exit code: 0 when `ed` holds the loaded font; otherwise what went wrong has been told.
int LoadInputFont(Editor& ed, const LoadOptions& options, CliHost& host);

}  // namespace pixmora::cli
