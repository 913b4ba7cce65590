// Readers of font files and model files. They take the data bytes of a file in file order:
//
//   Intel HEX (a path ending in "hex", "Hex" or "HEX"): the data of type-00 records one after
//   another, whatever their addresses; other record types are skipped; ":00000001FF" ends it.
//   Binary (a name ending in ".bin", in any case): the file's bytes as they are.
//   Source text (any other path): comma-separated hexadecimal values in five notations
//   (&h1F, $1F, #1F, 0x1F, 1Fh or 01Fh), optionally behind "Data" or ".db", with comment lines
//   ("'", ";", "/" first) and block comments ("/*" first on a line up to a line ending in "*/").
//
// Lines may end in CR LF or LF; a tab counts as a blank where values and lines are trimmed.
// Syntax errors and bad HEX checksums are told to the user here; any other failure (a file that
// cannot be opened or read, one that ends too early) is returned for the caller to report.
#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/font_model.h"

namespace pixmora {

class Host;

inline constexpr int kFontDataCapacity = kFontBytes;  // 75264 bytes: 224 characters of 48 x 56
// One model file: 96 glyphs of the largest format plus one; values beyond are an error.
inline constexpr int kModelBufferSize = 32257;

inline constexpr std::string_view kChecksumMessageTitle = "Информация";
inline constexpr std::string_view kChecksumMessage =
    "В загружаемом HEX-файле\nошибка контрольной суммы !";
inline constexpr std::string_view kSyntaxError = "Нераспознанный синтаксис данных.";
inline constexpr std::string_view kFontLoadStopped = "Загрузка файла прекращена.";
inline constexpr std::string_view kModelLoadStopped = "Загрузка файла модели прекращена.";

struct ReadResult {
    int LastIndexRead = -1;      // index of the last byte stored; bytes stored = this + 1
    bool ImportAborted = false;  // a syntax error stopped the read (the user has been told)
    bool Overflow = false;       // the file held more data than the capacity
    bool ChecksumError = false;  // a HEX record's checksum did not match (the user has been told)
    bool CommentOpen = false;    // the source text ended inside a "/*" comment (a failure)
    // Set when the read failed for another reason: what went wrong, for the caller to show.
    std::optional<std::string> failure;
};

// True when the path's last three characters are exactly "hex", "Hex" or "HEX".
bool IsHexPath(std::string_view path);

// True when the file name ends in `extension` (".bin") in any mix of cases.
bool HasExtension(std::string_view path, std::string_view extension);
// A ".bin" file.
bool IsBinaryPath(std::string_view path);

// Reads `file` into `destination` from index 0, at most 75264 bytes (fewer when the destination
// is smaller). A negative font stores every byte complemented (255 - value). The branch is chosen
// by `path` alone, never by the content.
ReadResult ReadFontData(std::string_view path, std::istream& file,
                        std::span<std::uint8_t> destination, bool negative, Host& host);

// Opens `path` (binary, so CR LF and LF both arrive intact) and reads it with ReadFontData.
ReadResult ReadFontFile(const std::string& path, std::span<std::uint8_t> destination, bool negative,
                        Host& host);

// ReadFontFile of a source-text file, telling no syntax error: ImportAborted then says that the
// syntax refused the file, and the caller decides what to tell.
ReadResult ReadSourceFileUntold(const std::string& path, std::span<std::uint8_t> destination);

struct ModelFileData {
    std::array<std::uint8_t, kModelBufferSize> ModelBuffer{};  // zero where the file held nothing
    int valuesRead = 0;
    bool ImportAborted = false;  // a syntax error stopped the read (the user has been told)
    std::optional<std::string> failure;
};

// Reads a model file as source text into a zeroed ModelBuffer. More than 32257 values is a
// failure.
ModelFileData ReadModelText(std::istream& file, Host& host);
ModelFileData ReadModelFile(const std::string& path, Host& host);

}  // namespace pixmora
