#include "import/recognition.h"

#include <gtest/gtest.h>

#include "io/font_reader.h"
#include "io/model_file.h"
#include "support/fake_host.h"
#include "synthetic_font.h"

namespace pixmora {
namespace {

using test::Bytes;

DotMatrix Dots(std::initializer_list<std::pair<int, int>> rowColumns) {
    DotMatrix dots{};
    for (auto [row, column] : rowColumns) {
        dots[DotIndex(row, column)] = 1;
    }
    return dots;
}

TEST(GlyphMatch, RulesForBlankAndDifferentGlyphs) {
    const DotMatrix blank{};
    const DotMatrix bar = Dots({{7, 0}, {7, 1}, {7, 2}, {7, 3}, {7, 4}});
    EXPECT_EQ(GlyphMatch(blank, blank, 6, 8), 1.0F);
    EXPECT_EQ(GlyphMatch(bar, bar, 6, 8), 1.0F);
    // A blank data glyph never matches a drawn model.
    EXPECT_EQ(GlyphMatch(blank, bar, 6, 8), 0.0F);
    // A blank model tolerates up to three stray dots of the data...
    const DotMatrix three = Dots({{7, 0}, {7, 1}, {7, 2}});
    EXPECT_EQ(GlyphMatch(three, blank, 6, 8), static_cast<float>(48 - 6) / 48.0F);
    // ...but not four.
    EXPECT_EQ(GlyphMatch(Dots({{7, 0}, {7, 1}, {7, 2}, {7, 3}}), blank, 6, 8), 0.0F);
    // (equal - differing) / cell: the bar against three of its dots differs in 2 of 48.
    EXPECT_EQ(GlyphMatch(three, bar, 6, 8), 44.0F / 48.0F);
}

TEST(GlyphMatch, NothingWhenMoreDotsDifferThanAgree) {
    DotMatrix half{};
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 3; ++column) {
            half[DotIndex(row, column)] = 1;
        }
    }
    DotMatrix other{};
    for (int row = 0; row < 8; ++row) {
        for (int column = 3; column < 6; ++column) {
            other[DotIndex(row, column)] = 1;
        }
    }
    EXPECT_EQ(GlyphMatch(half, other, 6, 8), 0.0F);
    // Exactly as many equal as differing dots is still nothing.
    DotMatrix quarter = half;
    for (int row = 0; row < 4; ++row) {
        for (int column = 3; column < 6; ++column) {
            quarter[DotIndex(row, column)] = 1;
        }
    }
    EXPECT_EQ(GlyphMatch(quarter, other, 6, 8), 0.0F);
}

TEST(UnpackDataGlyph, MovesToTheBottomLeftCornerInEveryScan) {
    // One dot in row 2, column 5 of an 8 x 8 cell, plus one in row 4, column 3.
    const DotMatrix placed = Dots({{2, 5}, {4, 3}});
    const DotMatrix aligned = Dots({{5, 2}, {7, 0}});
    for (int scan = 0; scan < kScanCount; ++scan) {
        Bytes font(16);
        test::PutGlyph(font, placed, 1, 1, scan, false);
        EXPECT_EQ(UnpackDataGlyph(font, 1, 8, 8, 8, scan, false), aligned) << "scan " << scan;
        // A negative file read as negative gives the same picture; read as positive, the cell is
        // lit but for two dots and is already in the corner.
        test::PutGlyph(font, placed, 1, 1, scan, true);
        EXPECT_EQ(UnpackDataGlyph(font, 1, 8, 8, 8, scan, true), aligned) << "scan " << scan;
        DotMatrix inverse{};
        for (int row = 0; row < 8; ++row) {
            for (int column = 0; column < 8; ++column) {
                inverse[DotIndex(row, column)] = placed[DotIndex(row, column)] == 0 ? 1 : 0;
            }
        }
        EXPECT_EQ(UnpackDataGlyph(font, 1, 8, 8, 8, scan, false), inverse) << "scan " << scan;
    }
}

TEST(UnpackDataGlyph, BytesBeyondTheDataReadAsZero) {
    const Bytes font{0xFF, 0xFF, 0xFF};
    // Character 0 of a 6 x 8 cell has its first three columns lit, the rest missing.
    EXPECT_EQ(
        UnpackDataGlyph(font, 0, 6, 8, 6, kScanVertical1, false),
        UnpackGlyph(std::array<std::uint8_t, 6>{0xFF, 0xFF, 0xFF, 0, 0, 0}, kScanVertical1, 6, 8));
    EXPECT_EQ(UnpackDataGlyph(font, 5, 6, 8, 6, kScanVertical1, false), DotMatrix{});
    // Negative: the missing bytes are zeros inverted, a fully lit cell.
    EXPECT_EQ(UnpackDataGlyph(font, 5, 6, 8, 6, kScanVertical1, true),
              UnpackGlyph(std::array<std::uint8_t, 6>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
                          kScanVertical1, 6, 8));
}

TEST(Coverage, ThresholdIsExclusiveInSinglePrecision) {
    EXPECT_EQ(GroupCoverage(0.18F), Coverage::No);
    EXPECT_EQ(GroupCoverage(std::nextafter(0.18F, 1.0F)), Coverage::Yes);
    EXPECT_EQ(GroupCoverage(std::nextafter(0.18F, 0.0F)), Coverage::Unsure);
    EXPECT_EQ(GroupCoverage(1.0F), Coverage::Yes);
    EXPECT_EQ(GroupCoverage(1e-30F), Coverage::Unsure);
    EXPECT_EQ(GroupCoverage(0.0F), Coverage::No);
    // A product of four matches can land exactly on the threshold: 0.18 * 1 * 1 * 1.
    EXPECT_EQ(GroupCoverage(0.18F * 1.0F * 1.0F * 1.0F), Coverage::No);
}

TEST(Coverage, CharacterSetClass) {
    using C = Coverage;
    const auto cls = [](C signs, C digits, C latin, C cyrillic, C block) {
        return CharSetClassOf({signs, digits, latin, cyrillic, block});
    };
    EXPECT_EQ(cls(C::No, C::No, C::No, C::No, C::No), 0);
    EXPECT_EQ(cls(C::Unsure, C::Unsure, C::Unsure, C::Unsure, C::Unsure), 0);
    EXPECT_EQ(cls(C::No, C::Yes, C::No, C::No, C::No), 1);
    EXPECT_EQ(cls(C::Yes, C::No, C::No, C::Yes, C::No), 1);
    EXPECT_EQ(cls(C::No, C::No, C::No, C::Yes, C::No), 2);
    EXPECT_EQ(cls(C::Yes, C::Yes, C::Yes, C::Yes, C::Yes), 3);
    EXPECT_EQ(cls(C::No, C::No, C::No, C::No, C::Yes), 3);
}

TEST(TestPairs, TestCharactersAndTheCyrillicBlock) {
    EXPECT_EQ(TestPairOf(0).dataChar, 0);
    EXPECT_EQ(TestPairOf(3).dataChar, 15);
    EXPECT_EQ(TestPairOf(8).dataChar, 33);
    EXPECT_EQ(TestPairOf(12).dataChar, 160);
    EXPECT_EQ(TestPairOf(15).modelGlyph, 15);
    EXPECT_EQ(TestPairOf(16).dataChar, 0);
    EXPECT_EQ(TestPairOf(16).modelGlyph, 12);
    EXPECT_EQ(TestPairOf(19).dataChar, 3);
    EXPECT_EQ(TestPairOf(19).modelGlyph, 15);
}

class RecogniseDataTest : public ::testing::Test {
  protected:
    std::mt19937 random{5};
    std::array<Bytes, kFormatCount> models = test::RandomModels(random);
};

TEST_F(RecogniseDataTest, FontDrawnLikeAModelRowIsRecognisedInEveryScanAndPolarity) {
    for (int formatIndex = 0; formatIndex < kFormatCount; ++formatIndex) {
        for (int scan = 0; scan < kScanCount; ++scan) {
            if (!ScanOffered(test::FormatAt(formatIndex).width, scan)) {
                continue;
            }
            for (bool negative : {false, true}) {
                SCOPED_TRACE(::testing::Message() << "format " << formatIndex << " scan " << scan
                                                  << " negative " << negative);
                const int version = (formatIndex + scan) % kModelRows;
                const Bytes font =
                    test::FontFromModel(models[static_cast<std::size_t>(formatIndex)], formatIndex,
                                        version, scan, negative);
                const Recognition found = RecogniseData(font, test::Spans(models));
                EXPECT_TRUE(found.Recognised);
                EXPECT_EQ(found.candidate.formatIndex, formatIndex);
                EXPECT_EQ(found.candidate.scan, scan);
                EXPECT_EQ(found.candidate.negative, negative);
                const auto& scores = found.table[static_cast<std::size_t>(formatIndex)]
                                                [static_cast<std::size_t>(TrialOf(scan, negative))];
                for (int pair = 0; pair < 16; ++pair) {
                    EXPECT_EQ(scores.pairs[static_cast<std::size_t>(pair)], 1.0F) << pair;
                }
                for (Group group : {kSigns, kDigits, kLatin, kCyrillic}) {
                    EXPECT_EQ(found.coverage[group], Coverage::Yes) << group;
                }
                EXPECT_EQ(found.CharSetClass, 1);
            }
        }
    }
}

TEST_F(RecogniseDataTest, HorizontalTrialsOfNarrowFormatsNeverRun) {
    const Bytes font = test::FontFromModel(models[0], 0, 0, kScanVertical1, false);
    const Recognition found = RecogniseData(font, test::Spans(models));
    for (int formatIndex : {0, 2}) {
        for (int trial = 4; trial < kTrials; ++trial) {
            EXPECT_EQ(
                found.table[static_cast<std::size_t>(formatIndex)][static_cast<std::size_t>(trial)]
                    .score,
                0.0F);
        }
    }
}

TEST_F(RecogniseDataTest, CyrillicBlockAloneIsClassThree) {
    // 64 characters from code 192: the capitals А Б В Г are the first four.
    const int formatIndex = 1;
    const Bytes& model = models[formatIndex];
    Bytes font(64 * 8);
    for (int k = 0; k < 4; ++k) {
        test::PutGlyph(font, UnpackModelGlyph(model, 12 + k + 16 * 2, 8, 8), k, formatIndex,
                       kScanVertical2, false);
    }
    const Recognition found = RecogniseData(font, test::Spans(models));
    EXPECT_TRUE(found.Recognised);
    EXPECT_EQ(found.candidate.formatIndex, formatIndex);
    EXPECT_EQ(found.candidate.scan, kScanVertical2);
    EXPECT_EQ(found.coverage[kCyrillicBlock], Coverage::Yes);
    EXPECT_EQ(found.coverage[kCyrillic], Coverage::No);
    EXPECT_EQ(found.CharSetClass, 3);
}

TEST_F(RecogniseDataTest, TiesGoToTheEarlierFormatThenTheEarlierTrial) {
    // An 8 x 8 font; the 16 x 16 models get exactly what its bytes look like as 16 x 16 cells,
    // so both formats match perfectly.
    const Bytes font = test::FontFromModel(models[1], 1, 0, kScanVertical1, false);
    auto copyAsModel = [&](int formatIndex, int trial, int version) {
        const CellFormat& format = test::FormatAt(formatIndex);
        auto& model = models[static_cast<std::size_t>(formatIndex)];
        const auto bpc = static_cast<std::size_t>(format.bytesPerChar);
        for (int position = 0; position < kModelRowLength; ++position) {
            const DotMatrix dots = UnpackDataGlyph(
                font, kModelRowChars[static_cast<std::size_t>(position)], format.width,
                format.height, format.bytesPerChar, TrialScan(trial), TrialNegative(trial));
            const auto slot = static_cast<std::size_t>(position + kModelRowLength * version);
            PackMatrix(dots, std::span(model).subspan(slot * bpc, bpc), kScanVertical1,
                       format.width, format.height);
        }
    };
    copyAsModel(3, TrialOf(kScanVertical1, false), 1);
    Recognition found = RecogniseData(font, test::Spans(models));
    EXPECT_EQ(found.table[3][0].score, 1.0F);
    EXPECT_EQ(found.candidate.formatIndex, 1);

    // Without the 8 x 8 models the 16 x 16 reading wins, so the test above is not vacuous.
    std::mt19937 other{77};
    models[1] = test::RandomModel(other, 1);
    found = RecogniseData(font, test::Spans(models));
    EXPECT_EQ(found.candidate.formatIndex, 3);
    EXPECT_EQ(found.candidate.scan, kScanVertical1);

    // Two perfect trials of one format: the lower scan wins over a later horizontal one.
    copyAsModel(3, TrialOf(kScanHorizontal1, false), 2);
    found = RecogniseData(font, test::Spans(models));
    EXPECT_EQ(found.table[3][TrialOf(kScanHorizontal1, false)].score, 1.0F);
    EXPECT_EQ(found.candidate.formatIndex, 3);
    EXPECT_EQ(found.candidate.scan, kScanVertical1);
}

TEST_F(RecogniseDataTest, NothingRecognisedInNoise) {
    std::mt19937 noise{9};
    std::uniform_int_distribution<int> byte(0, 255);
    Bytes font(75264);
    for (auto& value : font) {
        value = static_cast<std::uint8_t>(byte(noise));
    }
    const Recognition found = RecogniseData(font, test::Spans(models));
    EXPECT_FALSE(found.Recognised);
    EXPECT_EQ(found.CharSetClass, 0);
}

// The model files the program ships (Model/ of the runtime directory): a font drawn like any row of
// any of them is recognised as that format, scan and polarity, so no format's reference glyphs are
// taken for another's, the 5 x 8 and 8 x 16 ones beside 6 x 8 and 8 x 8 included.
TEST(ShippedModels, EveryRowIsRecognisedAsItsOwnFormatInEveryScanAndPolarity) {
    test::FakeHost host;
    std::vector<ModelFileData> files;
    std::array<std::span<const std::uint8_t>, kFormatCount> spans;
    for (int n = 0; n < kFormatCount; ++n) {
        files.push_back(ReadModelFile("Model/" + ModelFileName(n), host));
        ASSERT_FALSE(files.back().failure || files.back().ImportAborted) << ModelFileName(n);
    }
    for (int n = 0; n < kFormatCount; ++n) {
        spans[static_cast<std::size_t>(n)] = files[static_cast<std::size_t>(n)].ModelBuffer;
    }
    for (int formatIndex = 0; formatIndex < kFormatCount; ++formatIndex) {
        const Bytes model(spans[static_cast<std::size_t>(formatIndex)].begin(),
                          spans[static_cast<std::size_t>(formatIndex)].end());
        for (int version = 0; version < kModelRows; ++version) {
            for (int scan = 0; scan < kScanCount; ++scan) {
                if (!ScanOffered(test::FormatAt(formatIndex).width, scan)) {
                    continue;
                }
                for (bool negative : {false, true}) {
                    const Recognition found = RecogniseData(
                        test::FontFromModel(model, formatIndex, version, scan, negative), spans);
                    EXPECT_TRUE(found.Recognised && found.candidate.formatIndex == formatIndex &&
                                found.candidate.scan == scan &&
                                found.candidate.negative == negative)
                        << ModelFileName(formatIndex) << " row " << version << " scan " << scan
                        << (negative ? " negative" : " positive") << ": read as format "
                        << found.candidate.formatIndex << " scan " << found.candidate.scan;
                }
            }
        }
    }
}

}  // namespace
}  // namespace pixmora
