// ELF files of 32 or 64 bits, either byte order, read through the headers <elf.h> documents. Every
// offset and size is checked against the file before a byte is taken.
#include <elf.h>

#include <algorithm>
#include <cstring>

#include "io/firmware_image.h"

namespace pixmora {

namespace {

class ElfFile {
  public:
    ElfFile(std::span<const std::uint8_t> bytes, bool wide, bool bigEndian)
        : bytes_(bytes), wide_(wide), bigEndian_(bigEndian) {}

    // The unsigned value of `size` bytes at `at`; nothing beyond the file.
    std::optional<std::uint64_t> Field(std::uint64_t at, int size) const {
        if (at > bytes_.size() || bytes_.size() - at < static_cast<std::uint64_t>(size)) {
            return std::nullopt;
        }
        std::uint64_t value = 0;
        for (int k = 0; k < size; ++k) {
            const int index = bigEndian_ ? k : size - 1 - k;
            value =
                value << 8 | bytes_[static_cast<std::size_t>(at) + static_cast<std::size_t>(index)];
        }
        return value;
    }
    // An address-sized field: 4 bytes in a 32-bit file, 8 in a 64-bit one.
    std::optional<std::uint64_t> Word(std::uint64_t at) const { return Field(at, wide_ ? 8 : 4); }
    bool Wide() const { return wide_; }
    bool Holds(std::uint64_t offset, std::uint64_t size) const {
        return offset <= bytes_.size() && size <= bytes_.size() - offset;
    }
    std::span<const std::uint8_t> Bytes(std::uint64_t offset, std::uint64_t size) const {
        return bytes_.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(size));
    }

  private:
    std::span<const std::uint8_t> bytes_;
    bool wide_;
    bool bigEndian_;
};

struct Table {
    std::uint64_t offset;
    std::uint64_t entrySize;
    std::uint64_t count;
};

std::optional<Table> TableAt(const ElfFile& elf, std::uint64_t offsetField, std::uint64_t sizeField,
                             std::uint64_t countField, std::uint64_t minEntry) {
    const auto offset = elf.Word(offsetField);
    const auto entrySize = elf.Field(sizeField, 2);
    const auto count = elf.Field(countField, 2);
    if (!offset || !entrySize || !count) {
        return std::nullopt;
    }
    if (*count == 0) {
        return Table{0, 0, 0};
    }
    if (*entrySize < minEntry || !elf.Holds(*offset, *entrySize * *count)) {
        return std::nullopt;
    }
    return Table{*offset, *entrySize, *count};
}

// The bytes at `offset` as a segment loaded at `address`; false when the file does not hold them.
bool AddSegment(const ElfFile& elf, std::uint64_t address, std::uint64_t offset, std::uint64_t size,
                std::vector<ImageSegment>& segments) {
    if (!elf.Holds(offset, size)) {
        return false;
    }
    const auto bytes = elf.Bytes(offset, size);
    segments.push_back({address, offset, {bytes.begin(), bytes.end()}});
    return true;
}

// Sections that are loaded and take bytes from the file: code, constants, initialised data.
std::optional<std::vector<ImageSegment>> SectionSegments(const ElfFile& elf, const Table& table) {
    std::vector<ImageSegment> segments;
    const bool wide = elf.Wide();
    for (std::uint64_t k = 0; k < table.count; ++k) {
        const std::uint64_t at = table.offset + k * table.entrySize;
        const auto type = elf.Field(at + 4, 4);
        const auto flags = wide ? elf.Field(at + 8, 8) : elf.Field(at + 8, 4);
        const auto address = elf.Word(at + (wide ? 16 : 12));
        const auto offset = elf.Word(at + (wide ? 24 : 16));
        const auto size = elf.Word(at + (wide ? 32 : 20));
        if (!type || !flags || !address || !offset || !size) {
            return std::nullopt;
        }
        if (*type != SHT_PROGBITS || (*flags & SHF_ALLOC) == 0 || *size == 0) {
            continue;
        }
        if (!AddSegment(elf, *address, *offset, *size, segments)) {
            return std::nullopt;
        }
    }
    return segments;
}

std::optional<std::vector<ImageSegment>> ProgramSegments(const ElfFile& elf, const Table& table) {
    std::vector<ImageSegment> segments;
    const bool wide = elf.Wide();
    for (std::uint64_t k = 0; k < table.count; ++k) {
        const std::uint64_t at = table.offset + k * table.entrySize;
        const auto type = elf.Field(at, 4);
        const auto offset = elf.Word(at + (wide ? 8 : 4));
        const auto address = elf.Word(at + (wide ? 24 : 12));  // the physical (load) address
        const auto size = elf.Word(at + (wide ? 32 : 16));
        if (!type || !offset || !address || !size) {
            return std::nullopt;
        }
        if (*type != PT_LOAD || *size == 0) {
            continue;
        }
        if (!AddSegment(elf, *address, *offset, *size, segments)) {
            return std::nullopt;
        }
    }
    return segments;
}

}  // namespace

ImageRead ReadElfImage(std::span<const std::uint8_t> file) {
    if (file.size() < EI_NIDENT || std::memcmp(file.data(), ELFMAG, SELFMAG) != 0) {
        return {std::nullopt, kElfBadHeader};
    }
    const std::uint8_t elfClass = file[EI_CLASS];
    const std::uint8_t order = file[EI_DATA];
    if ((elfClass != ELFCLASS32 && elfClass != ELFCLASS64) ||
        (order != ELFDATA2LSB && order != ELFDATA2MSB)) {
        return {std::nullopt, kElfBadHeader};
    }
    const bool wide = elfClass == ELFCLASS64;
    const ElfFile elf(file, wide, order == ELFDATA2MSB);
    // e_phoff, e_shoff and the sizes and counts of both tables, where the two classes put them.
    const auto programs = wide ? TableAt(elf, 32, 54, 56, 56) : TableAt(elf, 28, 42, 44, 32);
    const auto sections = wide ? TableAt(elf, 40, 58, 60, 64) : TableAt(elf, 32, 46, 48, 40);
    if (!programs || !sections) {
        return {std::nullopt, kElfBadHeader};
    }
    auto segments = SectionSegments(elf, *sections);
    if (segments && segments->empty()) {
        segments = ProgramSegments(elf, *programs);
    }
    if (!segments) {
        return {std::nullopt, kElfBadHeader};
    }
    if (segments->empty()) {
        return {std::nullopt, kElfNothingLoaded};
    }
    std::sort(segments->begin(), segments->end(),
              [](const ImageSegment& a, const ImageSegment& b) { return a.address < b.address; });
    return {FirmwareImage{ImageKind::Elf, std::move(*segments)}, {}};
}

}  // namespace pixmora
