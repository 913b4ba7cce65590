// pixmora-cli render: the sheet's size in pixels, where a lit dot lands, and refused scales.
#include <gtest/gtest.h>

#include <png.h>

#include "cli/exit_codes.h"
#include "cli/font_sheet.h"
#include "cli/render_command.h"
#include "cli_test_support.h"
#include "model/glyph_packing.h"
#include "model/text_line.h"

namespace pixmora::test {
namespace {

struct Png {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> grey;

    std::uint8_t At(int x, int y) const {
        return grey[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                    static_cast<std::size_t>(x)];
    }
};

// The pixels of a PNG file as 8-bit RGB.
std::optional<std::vector<std::uint8_t>> ReadRgbPng(const std::string& path, int& width,
                                                    int& height) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        return std::nullopt;
    }
    image.format = PNG_FORMAT_RGB;
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    std::vector<std::uint8_t> pixels(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
        return std::nullopt;
    }
    return pixels;
}

std::optional<Png> ReadPng(const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        return std::nullopt;
    }
    image.format = PNG_FORMAT_GRAY;
    Png png{static_cast<int>(image.width), static_cast<int>(image.height), {}};
    png.grey.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, png.grey.data(), 0, nullptr)) {
        return std::nullopt;
    }
    return png;
}

class RenderTest : public CliTest {};

TEST_F(RenderTest, SheetOfSixteenByFourteenCellsWithLitDotsDark) {
    struct Case {
        const char* format;
        int width;
        int height;
        int scan;
        int scale;  // 0: the default
    };
    for (const Case& c :
         {Case{"8 x 8", 8, 8, 2, 3}, Case{"6 x 8", 6, 8, 1, 0}, Case{"16 x 24", 16, 24, 3, 1}}) {
        SCOPED_TRACE(c.format);
        const int bpc = c.width * c.height / 8;
        // Character 17 (column 1, row 1 of the sheet) has one lit dot: row 1, column 2.
        std::vector<std::uint8_t> font(224 * static_cast<std::size_t>(bpc), 0);
        SetGlyphDot(std::span(font).subspan(17 * static_cast<std::size_t>(bpc),
                                            static_cast<std::size_t>(bpc)),
                    c.scan, c.width, 1, 2, true);
        WriteHexFont("font.hex", font);
        std::vector<std::string> args = {
            "render", PathOf("font.hex"), PathOf("sheet.png"),   "--format",
            c.format, "--scan",           std::to_string(c.scan)};
        if (c.scale != 0) {
            args.insert(args.end(), {"--scale", std::to_string(c.scale)});
        }
        const CliRun run = RunExecutable(args);
        ASSERT_EQ(run.status, cli::kExitOk) << run.err;
        const std::optional<Png> png = ReadPng(PathOf("sheet.png"));
        ASSERT_TRUE(png);
        const int scale = c.scale == 0 ? 4 : c.scale;
        EXPECT_EQ(png->width, 16 * c.width * scale + 15);
        EXPECT_EQ(png->height, 14 * c.height * scale + 13);

        const int left = c.width * scale + 1;  // cell column 1, after one gap
        const int top = c.height * scale + 1;
        int dark = 0;
        for (int y = 0; y < png->height; ++y) {
            for (int x = 0; x < png->width; ++x) {
                dark += png->At(x, y) == cli::kLitShade ? 1 : 0;
            }
        }
        EXPECT_EQ(dark, scale * scale) << "one dot, scale x scale pixels";
        EXPECT_EQ(png->At(left + 2 * scale, top + scale), cli::kLitShade);
        EXPECT_EQ(png->At(left + 2 * scale + scale - 1, top + 2 * scale - 1), cli::kLitShade);
        EXPECT_EQ(png->At(left, top), cli::kDarkShade);
        EXPECT_EQ(png->At(left - 1, top), cli::kGapShade);
    }
}

TEST_F(RenderTest, RefusedScaleWritesNothing) {
    WriteHexFont("font.hex", std::vector<std::uint8_t>(224 * 8, 0x55));
    for (const char* scale : {"0", "17", "-2"}) {
        const CliRun run = RunExecutable(
            {"render", PathOf("font.hex"), PathOf("s.png"), "--format", "8 x 8", "--scale", scale});
        EXPECT_EQ(run.status, cli::kExitRefused) << scale;
        EXPECT_NE(run.err.find(cli::kScaleRefused), std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists(PathOf("s.png")));
    EXPECT_EQ(RunExecutable({"render", PathOf("font.hex"), PathOf("s.png"), "--format", "8 x 8",
                             "--scale", "big"})
                  .status,
              cli::kExitFailed);
}

TEST_F(RenderTest, TextDrawsTheLineOfThePreviewInEachLook) {
    // "!" drawn (column 2 of code 33), "Ж" not.
    std::vector<std::uint8_t> font(224 * 6, 0);
    font[6 + 2] = 0x5F;
    WriteHexFont("font.hex", font);
    FontParams params{"6 x 8", 6, 8, 6, kScanVertical1, kLit};
    FontModel model;
    std::copy(font.begin(), font.end(), model.FontImage.begin());
    struct Case {
        std::vector<std::string> options;
        DisplayLook look;
    };
    const Case cases[] = {
        {{}, kDisplayLooks[0].look},
        {{"--look", "blue"}, kDisplayLooks[1].look},
        {{"--look", "oled"}, kDisplayLooks[2].look},
        {{"--look", "oled", "--ink", "FF8000"}, {0x0080FF, 0x000000}},
        {{"--ink", "102030", "--paper", "A0B0C0"}, {0x302010, 0xC0B0A0}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"render",
                                         PathOf("font.hex"),
                                         PathOf("line.png"),
                                         "--format",
                                         "6 x 8",
                                         "--text",
                                         "!Ж!",
                                         "--scale",
                                         "3"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliRun run = RunInProcess(args);
        ASSERT_EQ(run.status, cli::kExitOk) << run.err;
        int width = 0;
        int height = 0;
        const auto pixels = ReadRgbPng(PathOf("line.png"), width, height);
        ASSERT_TRUE(pixels);
        const PixelImage expected = RenderTextLine(params, model, "!Ж!", 3, c.look);
        EXPECT_EQ(width, 54);
        EXPECT_EQ(height, 24);
        std::vector<std::uint8_t> rgb;
        for (std::size_t at = 0; at < expected.pixels.size(); at += 4) {
            rgb.insert(rgb.end(),
                       {expected.pixels[at + 2], expected.pixels[at + 1], expected.pixels[at]});
        }
        EXPECT_TRUE(*pixels == rgb);
    }
}

TEST_F(RenderTest, RefusedColourWritesNothing) {
    WriteHexFont("font.hex", std::vector<std::uint8_t>(224 * 8, 0x55));
    for (const char* colour : {"12345", "GG0000", "1234567", "#102030"}) {
        const CliRun run = RunInProcess({"render", PathOf("font.hex"), PathOf("s.png"), "--format",
                                         "8 x 8", "--text", "A", "--ink", colour});
        EXPECT_EQ(run.status, cli::kExitRefused) << colour;
        EXPECT_NE(run.err.find(cli::kColourRefused), std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists(PathOf("s.png")));
    EXPECT_EQ(RunInProcess({"render", PathOf("font.hex"), PathOf("s.png"), "--format", "8 x 8",
                            "--look", "oled"})
                  .status,
              cli::kExitFailed);  // --look without --text
}

}  // namespace
}  // namespace pixmora::test
