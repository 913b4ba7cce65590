#include "import/glyph_rows.h"

#include <gtest/gtest.h>

#include <random>

#include "import/recognition.h"
#include "reference_recognition.h"
#include "synthetic_font.h"

namespace pixmora {
namespace {

using test::Bytes;

DotMatrix DotsOf(const GlyphRows& glyph, int width, int height) {
    DotMatrix dots{};
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            dots[DotIndex(row, column)] =
                (glyph.rows[static_cast<std::size_t>(row)] >> column) & 1 ? 1 : 0;
        }
    }
    return dots;
}

TEST(GlyphRows, TheLOfTheHeaderInEveryScan) {
    const std::array<Bytes, kScanCount> l{{{0x7F, 0x40, 0x40, 0x40, 0x40, 0x40, 0x00, 0x00},
                                           {0xFE, 0x02, 0x02, 0x02, 0x02, 0x02, 0x00, 0x00},
                                           {0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0xFC, 0x00},
                                           {0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x3F, 0x00}}};
    for (int scan = 0; scan < kScanCount; ++scan) {
        GlyphRows glyph = RowsOfGlyph(l[static_cast<std::size_t>(scan)], scan, 8, 8, false);
        EXPECT_EQ(glyph.lit, 12) << "scan " << scan;
        EXPECT_EQ(glyph.rows[6], 0b111111U) << "scan " << scan;
        AlignRows(glyph, 8);
        EXPECT_EQ(glyph.rows[0], 0U) << "scan " << scan;
        EXPECT_EQ(glyph.rows[1], 1U) << "scan " << scan;
        EXPECT_EQ(glyph.rows[7], 0b111111U) << "scan " << scan;
    }
}

// Random bytes of every format, scan and polarity, and glyphs reaching the edges or missing bytes
// at the end: the rows hold exactly the dots UnpackDataGlyph gives.
class RowsAgainstMatrix : public ::testing::TestWithParam<int> {};

TEST_P(RowsAgainstMatrix, SameDotsInEveryScanAndPolarity) {
    const CellFormat& format = test::FormatAt(GetParam());
    std::mt19937 random(static_cast<unsigned>(GetParam()) + 5);
    Bytes bytes(static_cast<std::size_t>(4 * format.bytesPerChar - 3));
    std::bernoulli_distribution sparse(0.1);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = i < bytes.size() / 2
                       ? static_cast<std::uint8_t>(random())
                       : static_cast<std::uint8_t>(sparse(random) ? 1 << (i % 8) : 0);
    }
    for (int scan = 0; scan < kScanCount; ++scan) {
        if (!ScanOffered(format.width, scan)) {
            continue;
        }
        for (const bool negative : {false, true}) {
            for (int c = 0; c < 4; ++c) {
                const auto start = static_cast<std::size_t>(c * format.bytesPerChar);
                const auto glyphBytes = std::span(bytes).subspan(
                    start,
                    std::min(bytes.size() - start, static_cast<std::size_t>(format.bytesPerChar)));
                GlyphRows rows =
                    RowsOfGlyph(glyphBytes, scan, format.width, format.height, negative);
                AlignRows(rows, format.height);
                const DotMatrix want = UnpackDataGlyph(bytes, c, format.width, format.height,
                                                       format.bytesPerChar, scan, negative);
                EXPECT_EQ(DotsOf(rows, format.width, format.height), want)
                    << format.name << " scan " << scan << " negative " << negative << " char " << c;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, RowsAgainstMatrix, ::testing::Range(0, kFormatCount));

// Whole recognitions: a font drawn from a model row in every format (the scans and polarities
// taking turns) and plain noise, scored by the engine and by the dot-matrix rule.
TEST(RecognitionEngine, ScoresEqualTheDotMatrixRule) {
    std::mt19937 random(41);
    const auto models = test::RandomModels(random);
    for (int n = 0; n < kFormatCount; ++n) {
        const CellFormat& format = test::FormatAt(n);
        const int scan = ScanOffered(format.width, n % kScanCount) ? n % kScanCount : n % 2;
        const Bytes font = test::FontFromModel(models[static_cast<std::size_t>(n)], n,
                                               n % kModelRows, scan, n % 3 == 1);
        test::ExpectSameAsReference(font, test::Spans(models));
    }
    Bytes noise(kFontBytes);
    for (auto& byte : noise) {
        byte = static_cast<std::uint8_t>(random());
    }
    test::ExpectSameAsReference(noise, test::Spans(models));
}

}  // namespace
}  // namespace pixmora
