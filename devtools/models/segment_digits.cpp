#include "segment_digits.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace models {

namespace {

// Segments: the top, bottom and middle bars in halves, the four outer stems, the diagonal from
// the upper right corner to the centre and from the centre to the lower left one, the lower
// centre stem.
enum : unsigned {
    kA1 = 1U << 0,
    kA2 = 1U << 1,
    kB = 1U << 2,
    kC = 1U << 3,
    kD1 = 1U << 4,
    kD2 = 1U << 5,
    kE = 1U << 6,
    kF = 1U << 7,
    kG1 = 1U << 8,
    kG2 = 1U << 9,
    kJ = 1U << 10,
    kK = 1U << 11,
    kL = 1U << 12,
};
constexpr unsigned kA = kA1 | kA2, kD = kD1 | kD2, kG = kG1 | kG2;

constexpr std::array<unsigned, 10> kSevenSegment = {
    kA | kB | kC | kD | kE | kF, kB | kC,           kA | kB | kG | kE | kD,
    kA | kB | kG | kC | kD,      kF | kG | kB | kC, kA | kF | kG | kC | kD,
    kA | kF | kG | kE | kD | kC, kA | kB | kC,      kA | kB | kC | kD | kE | kF | kG,
    kA | kB | kC | kD | kF | kG};

// Sixteen-segment displays draw 0 slashed, 1 with its flag and 7 with a diagonal stem.
constexpr std::array<unsigned, 10> kSixteenSegment = {
    kSevenSegment[0] | kJ | kK, kSevenSegment[1] | kJ, kSevenSegment[2], kSevenSegment[3],
    kSevenSegment[4],           kSevenSegment[5],      kSevenSegment[6], kA | kJ | kL,
    kSevenSegment[8],           kSevenSegment[9]};

struct Box {
    int width;
    int height;
    int stroke;
    int gap;
    int middle;  // first row of the middle bar
};

void Fill(DotMatrix& cell, const Box& box, int x0, int x1, int y0, int y1) {
    for (int y = std::max(y0, 0); y < std::min(y1, box.height); ++y) {
        for (int x = std::max(x0, 0); x < std::min(x1, box.width); ++x) {
            cell.at(x, y) = 1;
        }
    }
}

// A stroke from (x0, y0) to (x1, y1), y0 < y1, a stroke wide across every row it passes.
void Diagonal(DotMatrix& cell, const Box& box, int x0, int y0, int x1, int y1) {
    for (int y = y0; y <= y1; ++y) {
        const float along = y1 == y0 ? 0.0f : static_cast<float>(y - y0) / (y1 - y0);
        const int x = static_cast<int>(std::lround(x0 + along * (x1 - x0))) - box.stroke / 2;
        Fill(cell, box, x, x + box.stroke, y, y + 1);
    }
}

void Draw(DotMatrix& cell, const Box& box, unsigned segments) {
    const int t = box.stroke, g = box.gap, w = box.width, h = box.height, m = box.middle;
    const int half = w / 2;
    // Bars run between the stems where there are gaps, across them where not.
    const int barLeft = g > 0 ? t + g : 0, barRight = g > 0 ? w - t - g : w;
    const auto bar = [&](unsigned left, unsigned right, int row) {
        if ((segments & left) != 0) {
            Fill(cell, box, barLeft, (segments & right) != 0 ? barRight : half, row, row + t);
        }
        if ((segments & right) != 0) {
            Fill(cell, box, (segments & left) != 0 ? barLeft : half, barRight, row, row + t);
        }
    };
    bar(kA1, kA2, 0);
    bar(kG1, kG2, m);
    bar(kD1, kD2, h - t);
    const int upperTop = g > 0 ? t + g : 0, upperEnd = g > 0 ? m - g : m + t;
    const int lowerTop = g > 0 ? m + t + g : m, lowerEnd = g > 0 ? h - t - g : h;
    const auto stem = [&](unsigned segment, int left, int top, int end) {
        if ((segments & segment) != 0) {
            Fill(cell, box, left, left + t, top, end);
        }
    };
    stem(kF, 0, upperTop, upperEnd);
    stem(kB, w - t, upperTop, upperEnd);
    stem(kE, 0, lowerTop, lowerEnd);
    stem(kC, w - t, lowerTop, lowerEnd);
    stem(kL, half - t / 2, lowerTop, lowerEnd);
    if ((segments & kJ) != 0) {
        Diagonal(cell, box, w - t - g - 1 + t / 2, upperTop, half, m);
    }
    if ((segments & kK) != 0) {
        Diagonal(cell, box, half, m + t - 1, t + g + t / 2, lowerEnd - 1);
    }
}

}  // namespace

DrawnFont DrawSegmentDigits(const SegmentStyle& style, const CellFormat& cell) {
    const int height = cell.areaHeight();
    const int width =
        std::min(cell.areaWidth(), std::max(3, static_cast<int>(std::lround(0.6 * height))));
    const int stroke =
        std::max(1, static_cast<int>(std::lround(width * style.strokeEighths / 8.0)));
    // Gaps only where the bars keep a dot between them and the stems keep theirs.
    const bool gaps = style.gaps && width - 2 * stroke - 2 >= 1 && height >= 3 * stroke + 6;
    const Box box{width, height, stroke, gaps ? 1 : 0, (height - stroke) / 2};
    DrawnFont drawn;
    drawn.cells.assign(kCharCount, DotMatrix(cell.width, cell.height));
    const auto& digits = style.segments == Segments::Seven ? kSevenSegment : kSixteenSegment;
    for (int digit = 0; digit < 10; ++digit) {
        Draw(drawn.cells[static_cast<std::size_t>('0' + digit - kFirstCode)], box,
             digits[static_cast<std::size_t>(digit)]);
    }
    return drawn;
}

std::vector<SegmentStyle> TrainingSegmentStyles() {
    return {{Segments::Seven, 2, false, "seven-segment solid"},
            {Segments::Sixteen, 1, false, "sixteen-segment thin"}};
}

std::vector<SegmentStyle> ValidationSegmentStyles() {
    return {{Segments::Seven, 1, true, "seven-segment gapped"},
            {Segments::Sixteen, 2, true, "sixteen-segment gapped"}};
}

}  // namespace models
