// Fonts for the consumer tests and the running of the tools that consume our files.
#pragma once

#include <cstdio>
#include <memory>
#include <random>
#include <string>

#include "editor/editor.h"
#include "model/formats.h"
#include "model/glyph_packing.h"
#include "support/test_font.h"

namespace pixmora::test {

struct ToolRun {
    int status = -1;
    std::string out;  // stdout and stderr together
};

// Runs a shell command, collecting what it prints.
inline ToolRun RunTool(const std::string& command) {
    ToolRun run;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    char chunk[4096];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) {
        run.out.append(chunk, got);
    }
    run.status = pclose(pipe);
    return run;
}

// Every format with every scan it offers.
struct FormatScan {
    int format;
    int scan;
};
inline std::vector<FormatScan> EveryFormatAndScan() {
    std::vector<FormatScan> cases;
    for (int format = 0; format < static_cast<int>(kCellFormats.size()); ++format) {
        for (int scan = 0; scan < kScanCount; ++scan) {
            if (ScanOffered(kCellFormats[static_cast<std::size_t>(format)].width, scan)) {
                cases.push_back({format, scan});
            }
        }
    }
    return cases;
}

// An open font of random dots; every tenth character empty, the others lit only inside a random
// box, so that trimmed glyphs differ in size and place.
inline void OpenRandomFont(Editor& ed, int format, int scan, unsigned seed) {
    OpenTestFont(ed, format, scan);
    std::mt19937 random(seed);
    const int width = ed.params.CellWidth;
    const int height = ed.params.CellHeight;
    for (int index = 0; index < kCharCount; ++index) {
        if (index % 10 == 0) {
            continue;
        }
        std::uniform_int_distribution<int> column(0, width - 1);
        std::uniform_int_distribution<int> row(0, height - 1);
        const int left = column(random);
        const int top = row(random);
        std::uniform_int_distribution<int> right(left, width - 1);
        std::uniform_int_distribution<int> bottom(top, height - 1);
        const int last = right(random);
        const int lowest = bottom(random);
        const std::span<std::uint8_t> glyph = CharBytes(ed, index);
        for (int r = top; r <= lowest; ++r) {
            for (int c = left; c <= last; ++c) {
                SetGlyphDot(glyph, scan, width, r, c, random() % 2 == 0);
            }
        }
    }
}

}  // namespace pixmora::test
