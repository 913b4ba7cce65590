#include "transform/font_conversion.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "editor/cell_view.h"
#include "editor/editor.h"
#include "editor/host.h"
#include "editor/replaced_font.h"
#include "model/glyph_packing.h"
#include "transform/enlarge_dialog.h"
#include "transform/line_mapping.h"

namespace pixmora {

namespace {

// Every cell is whitened (the old current cell may have been empty) and every character that
// holds dots takes the defined look.
void ShowConvertedFont(Editor& ed) {
    for (int index = 0; index < kCharCount; ++index) {
        ed.table.cells[static_cast<std::size_t>(index)].background = kWhite;
        if (GlyphHasDots(CharGlyph(ed.font.FontImage, index, ed.params.BytesPerChar))) {
            SetDefinedLook(ed, index);
        }
    }
    PaintCellBackground(ed, ed.params.CellWidth, ed.params.CellHeight);
    ShowReplacingFont(ed);
}

}  // namespace

void EnlargeGlyph(std::span<const std::uint8_t> from, std::span<std::uint8_t> to, int scan,
                  int oldWidth, int oldHeight, int newWidth, int newHeight) {
    std::fill(to.begin(), to.end(), std::uint8_t{0});
    const LineMapping columns = MapLines(oldWidth, newWidth);
    for (int row = 0; row < oldHeight; ++row) {
        for (int column = 0; column < newWidth; ++column) {
            if (GlyphDot(from, scan, oldWidth, row, SourceLine(columns, column))) {
                SetGlyphDot(to, scan, newWidth, row, column, true);
            }
        }
    }
    const LineMapping rows = MapLines(oldHeight, newHeight);
    std::array<bool, kGridRows> oldColumn{};
    for (int column = 0; column < newWidth; ++column) {
        for (int row = 0; row < oldHeight; ++row) {
            oldColumn[static_cast<std::size_t>(row)] = GlyphDot(to, scan, newWidth, row, column);
        }
        for (int row = 0; row < newHeight; ++row) {
            SetGlyphDot(to, scan, newWidth, row, column,
                        oldColumn[static_cast<std::size_t>(SourceLine(rows, row))]);
        }
    }
}

bool ConvertFont(Editor& ed, int formatIndex) {
    const std::vector<std::string> offered = OfferedEnlargements(ed.params);
    if (formatIndex < 0 || formatIndex >= static_cast<int>(kCellFormats.size()) ||
        std::find(offered.begin(), offered.end(), EnlargeListText(formatIndex)) == offered.end()) {
        return false;
    }
    const CellFormat& target = kCellFormats[static_cast<std::size_t>(formatIndex)];
    FontParams& params = ed.params;
    const int oldWidth = params.CellWidth;
    const int oldHeight = params.CellHeight;
    const int oldBytesPerChar = params.BytesPerChar;

    const std::vector<std::uint8_t> oldImage(ed.font.FontImage.begin(), ed.font.FontImage.end());
    ed.font.FontImage.fill(0);
    std::fill_n(ed.font.DotGrid.begin(), kGridDots, kDark);
    ShowCellArea(ed.font, target.width, target.height);
    params.CellWidth = target.width;
    params.CellHeight = target.height;
    params.BytesPerChar = target.bytesPerChar;

    for (int index = 0; index < kCharCount; ++index) {
        const auto from = CharGlyph(oldImage, index, oldBytesPerChar);
        // The flag alone would miss a character cleared and then brought back by undo.
        if (ed.font.CharDefined[static_cast<std::size_t>(index)] != kLit && !GlyphHasDots(from)) {
            continue;
        }
        const std::span<std::uint8_t> to(ed.font.FontImage.data() + index * target.bytesPerChar,
                                         static_cast<std::size_t>(target.bytesPerChar));
        EnlargeGlyph(from, to, params.FontByteScan, oldWidth, oldHeight, target.width,
                     target.height);
    }
    ShowConvertedFont(ed);
    return true;
}

void EnlargeFont(Editor& ed, Host& host) {
    DeselectTool(ed);
    const std::optional<CellFormat> chosen = host.RunEnlargeDialog(ed);
    const std::optional<int> target =
        chosen ? FormatIndex(chosen->width, chosen->height) : std::nullopt;
    if (!target) {
        return;
    }
    const BusyPointer busy(host);
    if (ConvertFont(ed, *target)) {
        // The enlarged font exists only in memory until it is saved.
        ed.win.nosave = 1;
    }
}

}  // namespace pixmora
