// The text preview's line: a known string drawn dot by dot, missing characters framed.
#include "model/text_line.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "model/glyph_packing.h"

namespace pixmora {
namespace {

constexpr DisplayLook kLook{0x0000FF, 0xFF0000};  // red ink on blue paper

// "I" of a 6 x 8 font drawn in the test.
constexpr const char* kLetterI[8] = {
    ".###..", "..#...", "..#...", "..#...", "..#...", "..#...", ".###..", "......",
};

struct Line {
    FontParams params;
    FontModel font;
};

Line FontWithI(int scan) {
    Line line;
    line.params.CellWidth = 6;
    line.params.CellHeight = 8;
    line.params.BytesPerChar = 6;
    line.params.FontByteScan = scan;
    const std::span<std::uint8_t> glyph(line.font.FontImage.data() + ('I' - 32) * 6, 6);
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 6; ++column) {
            SetGlyphDot(glyph, scan, 6, row, column, kLetterI[row][column] == '#');
        }
    }
    return line;
}

// The picture as '#' ink, '.' paper, '+' frame, one string a pixel row.
std::vector<std::string> Picture(const PixelImage& image, DisplayLook look) {
    std::vector<std::string> rows;
    for (int y = 0; y < image.height; ++y) {
        std::string row;
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* pixel = image.pixels.data() + image.Offset(x, y);
            const Colour colour = pixel[2] | pixel[1] << 8 | pixel[0] << 16;
            row += colour == look.ink            ? '#'
                   : colour == look.paper        ? '.'
                   : colour == FrameColour(look) ? '+'
                                                 : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(TextLine, DrawsAKnownStringWithMissingCharactersFramed) {
    // "I", a space, "Ж" (in the code page, not drawn) and "☺" (not in the code page).
    const std::vector<std::string> expected = {
        ".###..      ......++++++++++++", "..#...      ......+....++....+",
        "..#...      ......+....++....+", "..#...      ......+....++....+",
        "..#...      ......+....++....+", "..#...      ......+....++....+",
        ".###..      ......+....++....+", "......      ......++++++++++++",
    };
    for (const int scan : {kScanVertical1, kScanVertical2}) {
        const Line line = FontWithI(scan);
        std::vector<std::string> wanted = expected;
        for (std::string& row : wanted) {
            std::erase(row, ' ');
        }
        EXPECT_EQ(Picture(RenderTextLine(line.params, line.font, "I Ж☺", 1, kLook), kLook), wanted)
            << "scan " << scan;
    }
}

TEST(TextLine, ScaleEnlargesDotsButKeepsFramesThin) {
    const Line line = FontWithI(kScanVertical1);
    const std::vector<std::string> picture =
        Picture(RenderTextLine(line.params, line.font, "I\x01", 3, kLook), kLook);
    ASSERT_EQ(picture.size(), 24u);
    ASSERT_EQ(picture[0].size(), 36u);
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 18; ++x) {
            EXPECT_EQ(picture[y][x], kLetterI[y / 3][x / 3] == '#' ? '#' : '.') << x << "," << y;
        }
        // The control character is missing: a frame one pixel wide.
        EXPECT_EQ(picture[y].substr(18),
                  y == 0 || y == 23 ? std::string(18, '+') : "+" + std::string(16, '.') + "+");
    }
}

TEST(TextLine, EmptyTextIsOneBlankCell) {
    const Line line = FontWithI(kScanVertical1);
    const PixelImage image = RenderTextLine(line.params, line.font, "", 2, kLook);
    EXPECT_EQ(image.width, 12);
    EXPECT_EQ(image.height, 16);
    EXPECT_EQ(Picture(image, kLook), std::vector<std::string>(16, std::string(12, '.')));
}

}  // namespace
}  // namespace pixmora
