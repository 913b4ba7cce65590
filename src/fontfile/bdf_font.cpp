#include "fontfile/bdf_font.h"

#include <algorithm>
#include <climits>
#include <string_view>

#include "fontfile/bdf_check.h"
#include "fontfile/code_page_glyphs.h"
#include "fontfile/font_bytes.h"
#include "fontfile/rasterise.h"
#include "model/code_page.h"
#include "model/font_model.h"
#include "model/formats.h"

namespace pixmora {

namespace {

std::optional<BdfOwnParams> OwnParams(const FontFace& face) {
    const std::optional<std::string> format = face.bdfProperty("PIXMORA_FORMAT");
    const std::optional<std::string> scan = face.bdfProperty("PIXMORA_SCAN");
    const std::optional<std::string> negative = face.bdfProperty("PIXMORA_NEGATIVE");
    if (!format || !scan || !negative || (*negative != "0" && *negative != "1")) {
        return std::nullopt;
    }
    const std::optional<int> formatIndex = FormatIndexByName(*format);
    const std::optional<int> scanIndex = ScanByShortName(*scan);
    if (!formatIndex || !scanIndex ||
        !ScanOffered(kCellFormats[static_cast<std::size_t>(*formatIndex)].width, *scanIndex)) {
        return std::nullopt;
    }
    return BdfOwnParams{*formatIndex, *scanIndex, *negative == "1"};
}

// The box of every glyph's dots: left and top of the pen origin, and its size.
struct GlyphBox {
    int left = INT_MAX;
    int top = INT_MIN;
    int right = INT_MIN;
    int bottom = INT_MAX;
    int width() const { return right - left; }
    int height() const { return top - bottom; }
};

GlyphBox BoxOf(const CodePageGlyphs& glyphs) {
    GlyphBox box;
    for (const CodePageGlyph& glyph : glyphs) {
        const PlacedGlyph& placed = glyph.glyph;
        if (placed.dots.width == 0 || placed.dots.height == 0) {
            continue;
        }
        box.left = std::min(box.left, placed.left);
        box.right = std::max(box.right, placed.left + placed.dots.width);
        box.top = std::max(box.top, placed.top);
        box.bottom = std::min(box.bottom, placed.top - placed.dots.height);
    }
    return box;
}

// The format of fewest bytes per character that holds a box of this size; the first such in
// the list where two hold as few.
std::optional<int> SmallestFormat(int width, int height) {
    std::optional<int> best;
    for (std::size_t k = 0; k < kCellFormats.size(); ++k) {
        const CellFormat& format = kCellFormats[k];
        if (format.width >= width && format.height >= height &&
            (!best ||
             format.bytesPerChar < kCellFormats[static_cast<std::size_t>(*best)].bytesPerChar)) {
            best = static_cast<int>(k);
        }
    }
    return best;
}

// Lays the glyph's dots into the cell with the box's top-left corner at the cell's; true when
// dots fall outside.
bool LayGlyph(const PlacedGlyph& glyph, const GlyphBox& box, DotPicture& cell) {
    bool cut = false;
    const int x0 = glyph.left - box.left;
    const int y0 = box.top - glyph.top;
    for (int y = 0; y < glyph.dots.height; ++y) {
        for (int x = 0; x < glyph.dots.width; ++x) {
            if (!glyph.dots.at(x, y)) {
                continue;
            }
            if (x0 + x < cell.width && y0 + y < cell.height) {
                cell.at(x0 + x, y0 + y) = 1;
            } else {
                cut = true;
            }
        }
    }
    return cut;
}

}  // namespace

BdfFont ReadBdfFont(const FreeTypeLibrary& library, std::vector<std::uint8_t> bytes,
                    std::optional<int> formatIndex) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (const std::optional<std::string> fault = BdfTextFault(text)) {
        throw FontFileError(*fault);
    }
    const FontFace face = FontFace::OpenBytes(library, std::move(bytes), CharCodes::UnicodeOrBdf);
    if (face.kind() != FaceKind::Bitmap) {
        throw FontFileError(kBdfNotBdf);
    }
    const CodePageGlyphs glyphs = DrawCodePage(face);
    const GlyphBox box = BoxOf(glyphs);
    if (box.right == INT_MIN) {
        throw FontFileError(kNoCodePageChars);
    }
    if (box.width() > kGridColumns || box.height() > kGridRows) {
        throw FontFileError(kBdfTooLarge);
    }
    BdfFont font;
    font.own = OwnParams(face);
    font.formatIndex = formatIndex ? *formatIndex
                       : font.own  ? font.own->formatIndex
                                   : SmallestFormat(box.width(), box.height()).value_or(0);
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(font.formatIndex)];
    font.cells.assign(glyphs.size(), DotPicture(format.width, format.height));
    for (std::size_t k = 0; k < glyphs.size(); ++k) {
        const int code = static_cast<int>(k) + kFirstCode;
        if (glyphs[k].missing) {
            continue;
        }
        if (face.fileCodes() || UnicodeOfCode(code)) {
            ++font.drawn;
        }
        if (LayGlyph(glyphs[k].glyph, box, font.cells[k])) {
            font.cut.push_back(code);
        }
    }
    return font;
}

}  // namespace pixmora
