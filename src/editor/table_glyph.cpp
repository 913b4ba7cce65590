#include "editor/table_glyph.h"

#include <algorithm>
#include <span>

#include "editor/editor.h"
#include "model/glyph_packing.h"

namespace pixmora {

TableGlyph TableGlyphOf(const Editor& ed, int index) {
    const int bytes = ed.params.BytesPerChar;
    if (!ed.view.tableGlyphs || ed.table.locked || bytes <= 0) {
        return {};
    }
    const std::span<const std::uint8_t> glyph(
        ed.font.FontImage.data() + static_cast<std::size_t>(index * bytes),
        static_cast<std::size_t>(bytes));
    if (std::all_of(glyph.begin(), glyph.end(), [](std::uint8_t byte) { return byte == 0; })) {
        return {};
    }
    TableGlyph picture{ed.params.CellWidth, ed.params.CellHeight, {}};
    picture.dots.reserve(static_cast<std::size_t>(picture.width * picture.height));
    for (int row = 0; row < picture.height; ++row) {
        for (int column = 0; column < picture.width; ++column) {
            picture.dots.push_back(
                GlyphDot(glyph, ed.params.FontByteScan, picture.width, row, column));
        }
    }
    return picture;
}

}  // namespace pixmora
