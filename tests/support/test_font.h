// Puts an editor into the state of an open, empty font without going through a dialog.
#pragma once

#include <cstdint>
#include <random>
#include <span>
#include <vector>

#include "editor/cell_view.h"
#include "editor/editor.h"
#include "editor/startup.h"
#include "model/formats.h"

namespace pixmora::test {

inline void OpenTestFont(Editor& ed, int formatIndex, int scan) {
    StartUp(ed);
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(formatIndex)];
    ed.params.CellFormatName = std::string(format.name);
    ed.params.CellWidth = format.width;
    ed.params.CellHeight = format.height;
    ed.params.BytesPerChar = format.bytesPerChar;
    ed.params.FontByteScan = scan;
    ed.font.CurrentChar = 0;
    ed.font.CurrentCharOffset = 0;
    ed.table.locked = false;
    ShowCellArea(ed.font, format.width, format.height);
    PaintCellBackground(ed, format.width, format.height);
    ed.font.ImageEmpty = kDark;
}

// The bytes of character `index` of the open font.
inline std::span<std::uint8_t> CharBytes(Editor& ed, int index) {
    return {ed.font.FontImage.data() + index * ed.params.BytesPerChar,
            static_cast<std::size_t>(ed.params.BytesPerChar)};
}

inline std::vector<std::uint8_t> RandomBytes(std::mt19937& random, int count) {
    std::uniform_int_distribution<int> byte(0, 255);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count));
    for (auto& value : bytes) {
        value = static_cast<std::uint8_t>(byte(random));
    }
    return bytes;
}

}  // namespace pixmora::test
