#include "import/font_finder.h"

#include <gtest/gtest.h>

#include <random>

#include "support/shipped_models.h"

namespace pixmora {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Bytes that look like a program: runs of random bytes between blocks of 0x00 and 0xFF fill.
Bytes Noise(std::mt19937& random, std::size_t size) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        const std::size_t block = i / 4096 % 8;
        bytes[i] = block == 3 ? 0x00 : block == 6 ? 0xFF : static_cast<std::uint8_t>(random());
    }
    return bytes;
}

TEST(FontFinder, NothingInNoiseAndFill) {
    std::mt19937 random(5);
    const FirmwareImage firmware{ImageKind::Binary, {{0, 0, Noise(random, 64 * 1024)}}};
    EXPECT_TRUE(FindFonts(firmware, test::ShippedModels()).empty());
}

TEST(FontFinder, ExtractGivesCodes32OnwardWithBlanksBeforeTheTable) {
    FoundFont found;
    found.formatIndex = 1;  // 8 x 8
    found.code32Position = -16 * 8;
    found.firstCode = 48;
    found.lastCode = 49;
    found.negative = true;
    Bytes bytes(16);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(i + 1);
    }
    const FirmwareImage firmware{ImageKind::Binary, {{0, 0, bytes}}};
    const Bytes font = ExtractFont(firmware, found);
    ASSERT_EQ(font.size(), 18U * 8U);
    EXPECT_EQ(font[0], 0xFF);  // the space, blank in a negative table
    EXPECT_EQ(font[16 * 8], 1);
    EXPECT_EQ(font.back(), 16);
}

}  // namespace
}  // namespace pixmora
