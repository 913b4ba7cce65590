#include "fontfile/rasterise.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>

#include "fontfile/code_page_glyphs.h"
#include "fontfile/font_bytes.h"
#include "model/code_page.h"
#include "model/glyph_packing.h"

namespace pixmora {

namespace {

constexpr int kMaxPixelSize = 512;

OutlineRendering RenderingOf(const RasteriseOptions& options) {
    return {options.smooth, options.threshold};
}

// The capitals and digits the size is fitted to: the widest and tallest first, so that a size too
// large is refused after a glyph or two. Ё and Й are left out: their marks stand above the
// capitals, and small fonts have always squeezed them.
constexpr char32_t kWidestFirst[] = {U'W',      U'M',      U'\u0429', U'\u0416',
                                     U'\u0424', U'\u0414', U'\u0426', U'Q'};

const std::vector<char32_t>& MeasuredChars() {
    static const std::vector<char32_t> measured = [] {
        std::vector<char32_t> chars(std::begin(kWidestFirst), std::end(kWidestFirst));
        const auto add = [&](char32_t first, char32_t last) {
            for (char32_t code = first; code <= last; ++code) {
                if (code != U'\u0419' &&
                    std::find(chars.begin(), chars.end(), code) == chars.end()) {
                    chars.push_back(code);
                }
            }
        };
        add(U'A', U'Z');
        add(U'0', U'9');
        add(U'\u0410', U'\u042F');
        return chars;
    }();
    return measured;
}

bool IsMeasured(char32_t code) {
    const std::vector<char32_t>& measured = MeasuredChars();
    return std::find(measured.begin(), measured.end(), code) != measured.end();
}

// A glyph's ink alone, emboldened when asked, with its place from the pen origin.
PlacedGlyph Ink(PlacedGlyph glyph, bool bold) {
    if (bold && glyph.dots.width > 0) {
        DotPicture wider(glyph.dots.width + 1, glyph.dots.height);
        for (int y = 0; y < wider.height; ++y) {
            for (int x = 0; x < wider.width; ++x) {
                const bool here = x < glyph.dots.width && glyph.dots.at(x, y);
                const bool left = x > 0 && glyph.dots.at(x - 1, y);
                wider.at(x, y) = here || left;
            }
        }
        glyph.dots = std::move(wider);
    }
    int firstColumn = INT_MAX, firstRow = INT_MAX;
    for (int y = 0; y < glyph.dots.height; ++y) {
        for (int x = 0; x < glyph.dots.width; ++x) {
            if (glyph.dots.at(x, y)) {
                firstColumn = std::min(firstColumn, x);
                firstRow = std::min(firstRow, y);
            }
        }
    }
    if (firstRow == INT_MAX) {
        return {};
    }
    return {glyph.dots.cropped(), glyph.left + firstColumn, glyph.top - firstRow};
}

void SetSize(FontFace& face, int size, const RasteriseOptions& options) {
    if (face.kind() == FaceKind::Outline) {
        const int scale = std::clamp(options.scaleX, kMinScaleX, kMaxScaleX);
        face.setPixelSize(static_cast<float>(std::clamp(size, 1, kMaxPixelSize)),
                          static_cast<float>(scale) / 100.0f);
    } else if (face.kind() == FaceKind::Bitmap) {
        face.selectStrike(size);
    }
}

// The strike nearest to the size asked for.
int NearestStrike(const FontFace& face, int size) {
    const std::vector<int> strikes = face.strikeHeights();
    return *std::min_element(strikes.begin(), strikes.end(), [size](int a, int b) {
        return std::abs(a - size) < std::abs(b - size);
    });
}

bool CapitalsFit(const FontFace& face, const RasteriseOptions& options, bool widthToo) {
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(options.formatIndex)];
    const int areaWidth = format.width - format.marginDots;
    const int areaHeight = format.height - format.marginDots;
    int top = INT_MIN, bottom = INT_MAX;
    for (const char32_t code : MeasuredChars()) {
        if (!face.hasChar(code)) {
            continue;
        }
        const PlacedGlyph ink = Ink(face.place(code, RenderingOf(options)), options.bold);
        if ((widthToo && ink.dots.width > areaWidth) || ink.dots.height > areaHeight) {
            return false;
        }
        if (ink.dots.width > 0) {
            top = std::max(top, ink.top);
            bottom = std::min(bottom, ink.top - ink.dots.height);
        }
    }
    return top == INT_MIN || top - bottom <= areaHeight;
}

// Descenders end on the drawing area's bottom row when the capitals leave room for them; otherwise
// the capitals reach the top row and the descenders are cut. A console font's cell keeps its rows.
int AutoBaseline(const FontFace& face, const std::vector<PlacedGlyph>& inks,
                 const std::vector<char32_t>& codes, const CellFormat& format) {
    const int areaHeight = format.height - format.marginDots;
    if (face.kind() == FaceKind::Psf && face.strikeHeights()[0] <= format.height) {
        return face.strikeHeights()[0] - 1;
    }
    int descent = 0, capitalTop = 0;
    for (std::size_t k = 0; k < inks.size(); ++k) {
        if (inks[k].dots.width == 0) {
            continue;
        }
        descent = std::max(descent, inks[k].dots.height - inks[k].top);
        if (IsMeasured(codes[k])) {
            capitalTop = std::max(capitalTop, inks[k].top);
        }
    }
    return capitalTop + descent <= areaHeight ? areaHeight - descent - 1
                                              : std::min(capitalTop, areaHeight) - 1;
}

// Hinting makes the fit of small sizes jump (a capital may be wider at 5 pixels than at 7), so the
// sizes are tried one by one from twice the drawing area's height down; a size too large is
// refused after a glyph or two. No font's capitals are shorter than half its em.
int LargestFittingSize(FontFace& face, const RasteriseOptions& options, bool widthToo) {
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(options.formatIndex)];
    for (int size = std::min(kMaxPixelSize, 2 * (format.height - format.marginDots)); size > 1;
         --size) {
        SetSize(face, size, options);
        if (CapitalsFit(face, options, widthToo)) {
            return size;
        }
    }
    return 1;
}

}  // namespace

int AutoSize(FontFace& face, const RasteriseOptions& options) {
    if (face.kind() == FaceKind::Psf) {
        return face.strikeHeights()[0];
    }
    if (face.kind() == FaceKind::Bitmap) {
        std::vector<int> strikes = face.strikeHeights();
        std::sort(strikes.begin(), strikes.end(), std::greater<>());
        for (const int strike : strikes) {
            SetSize(face, strike, options);
            if (CapitalsFit(face, options, true)) {
                return strike;
            }
        }
        return strikes.back();
    }
    // A font too wide for the cell at any readable size (a serif W in 6 x 8) is fitted to the
    // height alone; its widest capitals are then cut.
    const int fitted = LargestFittingSize(face, options, true);
    return fitted > 1 ? fitted : LargestFittingSize(face, options, false);
}

RasterisedFont RasteriseFont(FontFace& face, const RasteriseOptions& options) {
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(options.formatIndex)];
    RasterisedFont font;
    font.size = options.size ? *options.size : AutoSize(face, options);
    if (face.kind() == FaceKind::Bitmap) {
        font.size = NearestStrike(face, font.size);
    }
    SetSize(face, font.size, options);

    const CodePageGlyphs glyphs = DrawCodePage(face, RenderingOf(options));
    std::vector<PlacedGlyph> inks(kCharCount);
    std::vector<char32_t> codes(kCharCount, 0);
    int minLeft = INT_MAX;
    bool anyChar = false;
    for (int k = 0; k < kCharCount; ++k) {
        const CodePageGlyph& glyph = glyphs[static_cast<std::size_t>(k)];
        codes[static_cast<std::size_t>(k)] = UnicodeOfCode(k + kFirstCode).value_or(0);
        if (glyph.missing) {
            font.missing.push_back(k + kFirstCode);
            continue;
        }
        anyChar = anyChar || codes[static_cast<std::size_t>(k)] != 0;
        PlacedGlyph& ink = inks[static_cast<std::size_t>(k)];
        ink = Ink(glyph.glyph, options.bold);
        if (ink.dots.width > 0) {
            minLeft = std::min(minLeft, ink.left);
        }
    }
    if (!anyChar) {
        throw FontFileError(kNoCodePageChars);
    }
    if (minLeft == INT_MAX) {
        throw FontFileError(kSizeDrawsNothing);
    }
    font.baseline = options.baseline ? *options.baseline : AutoBaseline(face, inks, codes, format);

    const int areaWidth = format.width - format.marginDots;
    font.cells.assign(kCharCount, DotPicture(format.width, format.height));
    for (int k = 0; k < kCharCount; ++k) {
        const PlacedGlyph& ink = inks[static_cast<std::size_t>(k)];
        if (ink.dots.width == 0) {
            continue;
        }
        // Left placement keeps the font's side bearings, moved left where a glyph would pass the
        // drawing area's right edge.
        int x0 = (areaWidth - ink.dots.width) / 2;
        if (!options.centre) {
            x0 = ink.left - minLeft;
            if (x0 + ink.dots.width > areaWidth) {
                x0 = std::max(0, areaWidth - ink.dots.width);
            }
        }
        x0 += options.offset;
        const int y0 = font.baseline + 1 - ink.top;
        DotPicture& cell = font.cells[static_cast<std::size_t>(k)];
        bool cut = false;
        for (int y = 0; y < ink.dots.height; ++y) {
            for (int x = 0; x < ink.dots.width; ++x) {
                if (!ink.dots.at(x, y)) {
                    continue;
                }
                const int column = x0 + x, row = y0 + y;
                if (column < 0 || column >= format.width || row < 0 || row >= format.height) {
                    cut = true;
                } else {
                    cell.at(column, row) = 1;
                }
            }
        }
        if (cut) {
            font.cut.push_back(k + kFirstCode);
        }
    }
    return font;
}

std::vector<std::uint8_t> PackRasterised(const RasterisedFont& font, int formatIndex, int scan) {
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(formatIndex)];
    const auto bytesPerChar = static_cast<std::size_t>(format.bytesPerChar);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(kCharCount) * bytesPerChar, 0);
    for (std::size_t k = 0; k < font.cells.size() && k < static_cast<std::size_t>(kCharCount);
         ++k) {
        const std::span<std::uint8_t> glyph(bytes.data() + k * bytesPerChar, bytesPerChar);
        const DotPicture& cell = font.cells[k];
        for (int row = 0; row < format.height; ++row) {
            for (int column = 0; column < format.width; ++column) {
                if (cell.at(column, row)) {
                    SetGlyphDot(glyph, scan, format.width, row, column, true);
                }
            }
        }
    }
    return bytes;
}

}  // namespace pixmora
