// Firmware images as a device's flash holds them, for the font finder: a raw binary read out of the
// chip, an Intel HEX file, or an ELF file of a build.
//
//   raw binary   one segment at address 0, the whole file (at most 64 MiB)
//   Intel HEX    one segment per run of consecutive addresses; types 02 and 04 set the upper part
//                of the address; a gap between records stays a gap (absent, never zeros)
//   ELF          one segment per section that is loaded and has bytes in the file (.text,
//                .rodata, .data, .progmem ...), at its address; without section headers, the
//                loadable program headers
//
// The content decides the kind: an ELF begins with 7F 'E' 'L' 'F'; a file whose name ends in
// .hex or .ihx, or whose first byte is ':' and which reads as Intel HEX, is Intel HEX; anything
// else is a raw binary. Every length and offset of a header is checked against the file.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pixmora {

inline constexpr std::size_t kMaxImageBytes = std::size_t{64} << 20;

inline constexpr const char* kImageEmpty = "Файл пуст.";
inline constexpr const char* kImageTooLarge = "Файл больше 64 МиБ.";
inline constexpr const char* kHexBadRecord = "Ошибка в записи Intel HEX, строка ";
inline constexpr const char* kHexBadChecksum = "Ошибка контрольной суммы Intel HEX, строка ";
inline constexpr const char* kHexOverlap = "Записи Intel HEX перекрываются, строка ";
inline constexpr const char* kHexNoEnd = "Нет записи конца файла Intel HEX.";
inline constexpr const char* kElfBadHeader = "Повреждён заголовок ELF.";
inline constexpr const char* kElfNothingLoaded = "В файле ELF нет загружаемых данных.";

enum class ImageKind { Binary, IntelHex, Elf };

struct ImageSegment {
    std::uint64_t address = 0;     // load address of the first byte
    std::uint64_t fileOffset = 0;  // where the first byte lies in the file (HEX: its line's offset)
    std::vector<std::uint8_t> bytes;
};

struct FirmwareImage {
    ImageKind kind = ImageKind::Binary;
    std::vector<ImageSegment> segments;  // in order of address, none empty, none overlapping
};

struct ImageRead {
    std::optional<FirmwareImage> image;
    std::string error;  // what is wrong with the file, when there is no image
};

ImageRead ReadFirmwareImage(std::span<const std::uint8_t> file, std::string_view path);
// Opens and reads the file; larger than 64 MiB is refused before reading.
ImageRead ReadFirmwareImageFile(const std::string& path);

// The parts of ReadFirmwareImage, for files whose kind is known.
ImageRead ReadIntelHexImage(std::string_view text);
ImageRead ReadElfImage(std::span<const std::uint8_t> file);

}  // namespace pixmora
