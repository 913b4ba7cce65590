#include "transform/line_mapping.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "model/formats.h"

namespace pixmora {
namespace {

std::vector<int> NewLines(int oldSize, int newSize) {
    const LineMapping mapping = MapLines(oldSize, newSize);
    std::vector<int> lines;
    for (int line = 0; line < newSize; ++line) {
        lines.push_back(SourceLine(mapping, line));
    }
    return lines;
}

std::vector<int> EachLineRepeated(int oldSize, int times) {
    std::vector<int> lines;
    for (int line = 0; line < oldSize; ++line) {
        lines.insert(lines.end(), static_cast<std::size_t>(times), line);
    }
    return lines;
}

struct MappingRow {
    int oldSize;
    int newSize;
    LineMapping expected;
};

TEST(LineMapping, GroupsOfTheWorkedTable) {
    const MappingRow rows[] = {{6, 8, {2, 3, 1}},   {8, 8, {8, 1, 0}},   {8, 12, {4, 2, 1}},
                               {8, 16, {8, 1, 1}},  {8, 24, {8, 1, 2}},  {6, 12, {2, 3, 3}},
                               {16, 24, {8, 2, 1}}, {48, 56, {8, 6, 1}}, {8, 32, {8, 1, 3}},
                               {16, 16, {16, 1, 0}}};
    for (const MappingRow& row : rows) {
        const LineMapping mapping = MapLines(row.oldSize, row.newSize);
        EXPECT_EQ(mapping.d, row.expected.d) << row.oldSize << " -> " << row.newSize;
        EXPECT_EQ(mapping.K, row.expected.K) << row.oldSize << " -> " << row.newSize;
        EXPECT_EQ(mapping.E, row.expected.E) << row.oldSize << " -> " << row.newSize;
    }
}

TEST(LineMapping, NewLinesOfTheWorkedTable) {
    EXPECT_EQ(NewLines(6, 8), (std::vector<int>{0, 1, 2, 2, 3, 4, 5, 5}));
    EXPECT_EQ(NewLines(8, 8), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(NewLines(8, 12), (std::vector<int>{0, 1, 1, 2, 3, 3, 4, 5, 5, 6, 7, 7}));
    EXPECT_EQ(NewLines(8, 16), EachLineRepeated(8, 2));
    EXPECT_EQ(NewLines(8, 24), EachLineRepeated(8, 3));
    EXPECT_EQ(NewLines(6, 12), (std::vector<int>{0, 1, 2, 2, 2, 2, 3, 4, 5, 5, 5, 5}));
    EXPECT_EQ(NewLines(16, 24), (std::vector<int>{0, 1, 1, 2,  3,  3,  4,  5,  5,  6,  7,  7,
                                                  8, 9, 9, 10, 11, 11, 12, 13, 13, 14, 15, 15}));
    std::vector<int> sixes;  // each group of six old lines, its sixth line twice
    for (int group = 0; group < 8; ++group) {
        for (int line = 0; line < 6; ++line) {
            sixes.push_back(group * 6 + line);
        }
        sixes.push_back(group * 6 + 5);
    }
    EXPECT_EQ(NewLines(48, 56), sixes);
}

// Between any two sizes of the cell formats: line 0 stays on top, lines keep their order, every
// old line survives and only a group's last line is repeated.
TEST(LineMapping, KeepsEveryLineInOrderForAllFormatSizes) {
    std::set<int> sizes;
    for (const CellFormat& format : kCellFormats) {
        sizes.insert(format.width);
        sizes.insert(format.height);
    }
    for (const int oldSize : sizes) {
        for (const int newSize : sizes) {
            if (newSize < oldSize) {
                continue;
            }
            const std::vector<int> lines = NewLines(oldSize, newSize);
            EXPECT_EQ(lines.front(), 0);
            EXPECT_EQ(lines.back(), oldSize - 1);
            for (std::size_t i = 1; i < lines.size(); ++i) {
                EXPECT_TRUE(lines[i] == lines[i - 1] || lines[i] == lines[i - 1] + 1)
                    << oldSize << " -> " << newSize << " at " << i;
            }
        }
    }
}

}  // namespace
}  // namespace pixmora
