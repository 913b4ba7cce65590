// pixmora-cli info: what recognition finds in a font file, as the import reports it or as JSON.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include <nlohmann/json.hpp>

namespace pixmora {
struct FontRecognition;
}

namespace pixmora::cli {

class CliHost;

struct InfoOptions {
    std::string file;
    bool json = false;
    std::optional<std::string> modelDir;  // --models
    std::optional<std::string> array;     // the array of a source file to read
};

inline constexpr const char* kBytesReadLabel = "Bytes read: ";

// The recognition as one JSON object: the file, the bytes read, whether a HEX checksum was wrong,
// the class after the Cyrillic-block length rule, and the winning trial's format, scan, polarity,
// coverage and group products (null when no trial scored above 0). A file read as source code adds
// "source": its arrays (name, elements, bytes), the one read, a header skipped and the first code.
nlohmann::ordered_json InfoJson(const std::string& file, const FontRecognition& recognition);

// Succeeds whenever the file was read, recognised or not.
int RunInfo(const InfoOptions& options, CliHost& host, std::ostream& out);

}  // namespace pixmora::cli
