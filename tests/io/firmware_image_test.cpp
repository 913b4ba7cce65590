#include "io/firmware_image.h"

#include <gtest/gtest.h>

#include <elf.h>

#include <cstring>
#include <fstream>

#include "support/scratch_dir.h"

namespace pixmora {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string Record(int type, std::uint16_t offset, const Bytes& data) {
    Bytes bytes{static_cast<std::uint8_t>(data.size()), static_cast<std::uint8_t>(offset >> 8),
                static_cast<std::uint8_t>(offset & 0xFF), static_cast<std::uint8_t>(type)};
    bytes.insert(bytes.end(), data.begin(), data.end());
    unsigned sum = 0;
    std::string line = ":";
    char pair[3];
    for (const std::uint8_t byte : bytes) {
        std::snprintf(pair, sizeof pair, "%02X", byte);
        line += pair;
        sum += byte;
    }
    std::snprintf(pair, sizeof pair, "%02X", (256 - sum % 256) % 256);
    return line + pair + "\r\n";
}

ImageRead FromText(const std::string& text, std::string_view path = "image.hex") {
    return ReadFirmwareImage({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()},
                             path);
}

TEST(IntelHexImage, ExtendedAddressesAndGapsMakeSeparateRuns) {
    const std::string text = Record(4, 0, {0x08, 0x00}) + Record(0, 0x0000, {1, 2, 3}) +
                             Record(0, 0x0003, {4}) + Record(0, 0x0010, {5, 6}) +
                             Record(2, 0, {0x10, 0x00}) + Record(0, 0x0002, {7}) + Record(1, 0, {});
    const ImageRead read = FromText(text);
    ASSERT_TRUE(read.image) << read.error;
    EXPECT_EQ(read.image->kind, ImageKind::IntelHex);
    const auto& segments = read.image->segments;
    ASSERT_EQ(segments.size(), 3U);
    EXPECT_EQ(segments[0].address, 0x00010002U);  // segment base 0x1000 * 16, sorted first
    EXPECT_EQ(segments[0].bytes, Bytes{7});
    EXPECT_EQ(segments[1].address, 0x08000000U);
    EXPECT_EQ(segments[1].bytes, (Bytes{1, 2, 3, 4}));
    EXPECT_EQ(segments[2].address, 0x08000010U);
    EXPECT_EQ(segments[2].bytes, (Bytes{5, 6}));
}

struct BadHex {
    std::string text;
    std::string error;
};

class BadHexImage : public ::testing::TestWithParam<BadHex> {};

TEST_P(BadHexImage, IsToldWithItsLine) {
    const ImageRead read = FromText(GetParam().text);
    EXPECT_FALSE(read.image);
    EXPECT_EQ(read.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadHexImage,
    ::testing::Values(BadHex{Record(0, 0, {1, 2}), kHexNoEnd},
                      BadHex{Record(0, 0, {1, 2}) + ":020000000102FF\r\n",
                             std::string(kHexBadChecksum) + "2."},
                      BadHex{Record(0, 0, {1, 2}) + ":02000000", std::string(kHexBadRecord) + "2."},
                      BadHex{":0400000001\r\n", std::string(kHexBadRecord) + "1."},
                      BadHex{Record(0, 0, {1, 2}) + Record(0, 1, {3}) + Record(1, 0, {}),
                             std::string(kHexOverlap) + "2."},
                      BadHex{Record(1, 0, {}), kImageEmpty}));

// A 32-bit little-endian ELF with a null section, .text (loaded), .comment (not loaded) and
// .bss (loaded, no bytes in the file).
Bytes SmallElf() {
    Bytes file(512, 0);
    Elf32_Ehdr header{};
    std::memcpy(header.e_ident, ELFMAG, SELFMAG);
    header.e_ident[EI_CLASS] = ELFCLASS32;
    header.e_ident[EI_DATA] = ELFDATA2LSB;
    header.e_ident[EI_VERSION] = EV_CURRENT;
    header.e_type = ET_EXEC;
    header.e_shoff = 256;
    header.e_shentsize = sizeof(Elf32_Shdr);
    header.e_shnum = 4;
    std::memcpy(file.data(), &header, sizeof header);
    const std::array<Elf32_Shdr, 4> sections{{
        {},
        {0, SHT_PROGBITS, SHF_ALLOC | SHF_EXECINSTR, 0x08000100, 64, 16, 0, 0, 4, 0},
        {0, SHT_PROGBITS, 0, 0, 80, 8, 0, 0, 1, 0},
        {0, SHT_NOBITS, SHF_ALLOC | SHF_WRITE, 0x20000000, 0, 32, 0, 0, 4, 0},
    }};
    std::memcpy(file.data() + 256, sections.data(), sizeof sections);
    for (int k = 0; k < 16; ++k) {
        file[static_cast<std::size_t>(64 + k)] = static_cast<std::uint8_t>(0xA0 + k);
    }
    return file;
}

TEST(ElfImage, LoadedSectionsWithBytesAtTheirAddresses) {
    const ImageRead read = ReadFirmwareImage(SmallElf(), "firmware.elf");
    ASSERT_TRUE(read.image) << read.error;
    EXPECT_EQ(read.image->kind, ImageKind::Elf);
    ASSERT_EQ(read.image->segments.size(), 1U);
    EXPECT_EQ(read.image->segments[0].address, 0x08000100U);
    EXPECT_EQ(read.image->segments[0].fileOffset, 64U);
    EXPECT_EQ(read.image->segments[0].bytes.size(), 16U);
    EXPECT_EQ(read.image->segments[0].bytes[15], 0xAF);
}

TEST(ElfImage, BadHeadersAreToldNotRead) {
    Bytes pastEnd = SmallElf();
    pastEnd[256 + 40 + 17] = 0xF0;  // .text's offset beyond the file
    Bytes tableOutside = SmallElf();
    tableOutside[32] = 0xFF;  // the section table far beyond the file
    tableOutside[33] = 0xFF;
    Bytes truncated = SmallElf();
    truncated.resize(40);
    Bytes badClass = SmallElf();
    badClass[EI_CLASS] = 7;
    for (const Bytes& file : {pastEnd, tableOutside, truncated, badClass}) {
        const ImageRead read = ReadFirmwareImage(file, "firmware.elf");
        EXPECT_FALSE(read.image);
        EXPECT_EQ(read.error, kElfBadHeader);
    }
}

class ImageFile : public test::ScratchDirTest {};

TEST_F(ImageFile, EmptyAndTooLargeFilesAreRefused) {
    const std::string empty = PathOf("empty.bin");
    std::ofstream(empty, std::ios::binary).close();
    EXPECT_EQ(ReadFirmwareImageFile(empty).error, kImageEmpty);

    const std::string large = PathOf("large.bin");
    {
        std::ofstream file(large, std::ios::binary);
        file.seekp(static_cast<std::streamoff>(kMaxImageBytes));
        file.put(1);
    }
    EXPECT_EQ(ReadFirmwareImageFile(large).error, kImageTooLarge);

    const std::string raw = PathOf("raw.bin");
    std::ofstream(raw, std::ios::binary) << ":not hex at all";
    const ImageRead read = ReadFirmwareImageFile(raw);
    ASSERT_TRUE(read.image);
    EXPECT_EQ(read.image->kind, ImageKind::Binary);
    EXPECT_EQ(read.image->segments[0].bytes.size(), 15U);
}

}  // namespace
}  // namespace pixmora
