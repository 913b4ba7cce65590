// The bytes of a font file, read whole, and the one error every font-file reader throws.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace pixmora {

// What went wrong with a font file, worded for the user.
struct FontFileError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kFontFileUnreadable = "Файл шрифта не прочитан: ";
inline constexpr const char* kFontFileTooLarge = "Файл шрифта слишком велик";
inline constexpr const char* kFontFileDamaged = "Файл не является шрифтом или поврежден";

// No font the editor draws from comes near this; a larger file or unpacked gzip stream is refused
// instead of filling the memory.
inline constexpr std::size_t kMaxFontFileBytes = 64u << 20;

// The whole file; a pipe or device is refused, as are files above kMaxFontFileBytes.
std::vector<std::uint8_t> ReadFontFileBytes(const std::string& path);

bool IsGzip(std::span<const std::uint8_t> bytes);
// The unpacked stream of gzip bytes; throws FontFileError for a damaged or oversized one.
std::vector<std::uint8_t> Gunzip(std::span<const std::uint8_t> bytes);

}  // namespace pixmora
