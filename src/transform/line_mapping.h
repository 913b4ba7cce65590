// How an enlargement repeats dot lines (columns or rows) to go from n lines to m >= n lines.
//
// The new lines come in d groups, d the first of 32, 16, 8, 4, 2, 1 that divides both sizes. Each
// group takes K = n / d old lines in order and then repeats its last old line E = m / d - K more
// times. Old line 0 stays line 0, the glyph grows to the right and downwards, no line is dropped:
//
//   6 -> 8    d 2, K 3, E 1    new lines show old  0 1 2 2 | 3 4 5 5
//   8 -> 12   d 4, K 2, E 1                        0 1 1 | 2 3 3 | 4 5 5 | 6 7 7
#pragma once

namespace pixmora {

struct LineMapping {
    int d;  // groups
    int K;  // old lines per group
    int E;  // extra copies of a group's last old line
};

LineMapping MapLines(int oldSize, int newSize);

// The old line that new line `line` shows.
constexpr int SourceLine(const LineMapping& mapping, int line) {
    const int group = line / (mapping.K + mapping.E);
    const int inGroup = line % (mapping.K + mapping.E);
    return group * mapping.K + (inGroup < mapping.K ? inGroup : mapping.K - 1);
}

}  // namespace pixmora
