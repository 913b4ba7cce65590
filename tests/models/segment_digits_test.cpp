// Segment-display digits drawn into the drawing area of every cell format.
#include "segment_digits.h"

#include <gtest/gtest.h>

#include "model/formats.h"

namespace models {
namespace {

struct Drawn {
    SegmentStyle style;
    int formatIndex;
};

class SegmentDigits : public ::testing::TestWithParam<Drawn> {
  protected:
    CellFormat Cell() const {
        const auto& format =
            pixmora::kCellFormats[static_cast<std::size_t>(GetParam().formatIndex)];
        return {format.width, format.height};
    }
    const DotMatrix& Digit(const DrawnFont& drawn, int digit) const {
        return drawn.cells[static_cast<std::size_t>('0' + digit - kFirstCode)];
    }
};

TEST_P(SegmentDigits, TenDistinctDigitsInsideTheAreaAndNothingElse) {
    const CellFormat cell = Cell();
    const DrawnFont drawn = DrawSegmentDigits(GetParam().style, cell);
    ASSERT_EQ(drawn.cells.size(), static_cast<std::size_t>(kCharCount));
    for (int k = 0; k < kCharCount; ++k) {
        const DotMatrix& glyph = drawn.cells[static_cast<std::size_t>(k)];
        ASSERT_EQ(glyph.width, cell.width);
        ASSERT_EQ(glyph.height, cell.height);
        const bool digit = k + kFirstCode >= '0' && k + kFirstCode <= '9';
        EXPECT_EQ(glyph.blank(), !digit) << "code " << k + kFirstCode;
        for (int y = 0; y < cell.height; ++y) {
            for (int x = 0; x < cell.width; ++x) {
                if (x >= cell.areaWidth() || y >= cell.areaHeight()) {
                    EXPECT_EQ(glyph.at(x, y), 0) << "code " << k + kFirstCode << " dot " << x << ","
                                                 << y << " in the margin";
                }
            }
        }
    }
    for (int a = 0; a < 10; ++a) {
        for (int b = a + 1; b < 10; ++b) {
            EXPECT_NE(Digit(drawn, a).dots, Digit(drawn, b).dots) << a << " and " << b;
        }
    }
}

// 8 lights every segment of a seven-segment display; 0 of a sixteen-segment one has its slash.
TEST_P(SegmentDigits, EightHoldsTheSegmentsOfTheOtherDigits) {
    const DrawnFont drawn = DrawSegmentDigits(GetParam().style, Cell());
    const DotMatrix& eight = Digit(drawn, 8);
    for (int digit = 0; digit < 10; ++digit) {
        const bool slashed = GetParam().style.segments == Segments::Sixteen &&
                             (digit == 0 || digit == 1 || digit == 7);
        const DotMatrix& glyph = Digit(drawn, digit);
        bool within = true;
        for (std::size_t i = 0; i < glyph.dots.size(); ++i) {
            within = within && (glyph.dots[i] == 0 || eight.dots[i] != 0);
        }
        EXPECT_EQ(within, !slashed) << digit;
    }
}

// The digit fills the area's height and starts in its left column.
TEST_P(SegmentDigits, AsTallAsTheArea) {
    const CellFormat cell = Cell();
    const DrawnFont drawn = DrawSegmentDigits(GetParam().style, cell);
    const DotMatrix& eight = Digit(drawn, 8);
    const DotMatrix ink = eight.cropped();
    EXPECT_EQ(ink.height, cell.areaHeight());
    EXPECT_LE(ink.width, cell.areaWidth());
    bool leftColumn = false;
    for (int y = 0; y < cell.height; ++y) {
        leftColumn = leftColumn || eight.at(0, y) != 0;
    }
    EXPECT_TRUE(leftColumn);
}

std::vector<Drawn> AllDrawings() {
    std::vector<Drawn> all;
    for (const auto& styles : {TrainingSegmentStyles(), ValidationSegmentStyles()}) {
        for (const SegmentStyle& style : styles) {
            for (int n = 0; n < static_cast<int>(pixmora::kCellFormats.size()); ++n) {
                all.push_back({style, n});
            }
        }
    }
    return all;
}

INSTANTIATE_TEST_SUITE_P(
    Styles, SegmentDigits, ::testing::ValuesIn(AllDrawings()), [](const auto& info) {
        std::string name =
            info.param.style.family + " " +
            std::string(
                pixmora::kCellFormats[static_cast<std::size_t>(info.param.formatIndex)].name);
        for (char& c : name) {
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

// The training and validation styles are of separate families.
TEST(SegmentStyles, FamiliesAreSeparate) {
    for (const SegmentStyle& trained : TrainingSegmentStyles()) {
        for (const SegmentStyle& judged : ValidationSegmentStyles()) {
            EXPECT_NE(trained.family, judged.family);
        }
    }
}

}  // namespace
}  // namespace models
