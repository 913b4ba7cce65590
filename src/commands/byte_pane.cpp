#include "commands/byte_pane.h"

#include <cstdio>

#include "editor/editor.h"
#include "editor/tool_state.h"
#include "editor/undo_history.h"
#include "io/byte_notation.h"
#include "io/export.h"
#include "io/number_text.h"
#include "io/source_numbers.h"
#include "tools/glyph_edit.h"

namespace pixmora {

namespace {

bool FontOpen(const Editor& ed) {
    return ed.params.CellWidth > 0 && ed.params.FontByteScan != kNoScan;
}

}  // namespace

int InspectorLineBytes(const Editor& ed) {
    if (!FontOpen(ed)) {
        return 0;
    }
    // The bytes that row 0 falls into make up the first line.
    const int width = ed.params.CellWidth;
    return DotBitPlace(ed.params.FontByteScan, width, 0, width - 1).byte + 1;
}

std::string InspectorByteText(const Editor& ed, std::uint8_t value) {
    const ExportSettings settings = ExportSettingsOf(ed.win);
    if (settings.kind == OutputFormat::IntelHex) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned>(value));
        return digits;
    }
    return FormatByteValue(value, settings.notation);
}

std::optional<BitPlace> PlaceOfDot(const Editor& ed, int dot) {
    if (!FontOpen(ed) || dot < 0 || dot >= kGridDots || DotRow(dot) >= ed.params.CellHeight ||
        DotColumn(dot) >= ed.params.CellWidth) {
        return std::nullopt;
    }
    return DotBitPlace(ed.params.FontByteScan, ed.params.CellWidth, DotRow(dot), DotColumn(dot));
}

std::vector<int> DotsOfByte(const Editor& ed, int byte) {
    std::vector<int> dots(8, -1);
    for (int row = 0; row < ed.params.CellHeight; ++row) {
        for (int column = 0; column < ed.params.CellWidth; ++column) {
            const BitPlace place =
                DotBitPlace(ed.params.FontByteScan, ed.params.CellWidth, row, column);
            if (place.byte == byte) {
                dots[static_cast<std::size_t>(place.bit)] = DotIndex(row, column);
            }
        }
    }
    std::erase(dots, -1);
    return dots;
}

std::optional<std::uint32_t> ExportPlaceOfByte(const Editor& ed, int byte) {
    const ExportSettings settings = ExportSettingsOf(ed.win);
    const std::optional<ExportRange> range = ExportCharRange(settings);
    const int index = ed.font.CurrentChar;
    if (!range || index < range->first || index > range->last) {
        return std::nullopt;
    }
    std::uint32_t place =
        static_cast<std::uint32_t>((index - range->first) * ed.params.BytesPerChar + byte);
    if (settings.kind == OutputFormat::IntelHex) {
        const std::optional<int> start = StartAddressValue(settings.startAddress);
        if (!start) {
            return std::nullopt;
        }
        place += static_cast<std::uint32_t>(*start);
    }
    return place;
}

std::string DotPlaceText(const Editor& ed, int dot) {
    const std::optional<BitPlace> place = PlaceOfDot(ed, dot);
    if (!place) {
        return {};
    }
    std::string text = std::string(kByteWord) + std::to_string(place->byte) +
                       std::string(kBitWord) + std::to_string(place->bit);
    if (const std::optional<std::uint32_t> inFile = ExportPlaceOfByte(ed, place->byte)) {
        char digits[16];
        std::snprintf(digits, sizeof digits, "0x%04X", static_cast<unsigned>(*inFile));
        text += std::string(kInFileWord) + digits;
    }
    return text;
}

InspectorMarks MarksOf(const Editor& ed, const ByteInspector& inspector) {
    InspectorMarks marks;
    if (const std::optional<BitPlace> place = PlaceOfDot(ed, inspector.pointerDot)) {
        marks.byte = place->byte;
        marks.bitDot = inspector.pointerDot;
    } else if (FontOpen(ed) && inspector.chosenByte >= 0 &&
               inspector.chosenByte < ed.params.BytesPerChar) {
        marks.byte = inspector.chosenByte;
    }
    if (marks.byte >= 0) {
        marks.byteDots = DotsOfByte(ed, marks.byte);
    }
    return marks;
}

bool EnterCharByte(Editor& ed, int byte, std::string_view text) {
    const std::optional<std::uint64_t> value = AsmNumberValue(TrimBlanks(text));
    if (!FontOpen(ed) || !value || *value > 255 || byte < 0 || byte >= ed.params.BytesPerChar) {
        return false;
    }
    std::uint8_t& stored = CurrentGlyph(ed)[static_cast<std::size_t>(byte)];
    if (stored == *value) {
        return true;  // no change, no undo step
    }
    DeselectTool(ed);
    stored = static_cast<std::uint8_t>(*value);
    MarkCharEdited(ed);
    ed.win.nosavesimb = 1;
    ShowCurrentChar(ed.font, ed.params);
    RecordUndoStep(ed);
    return true;
}

}  // namespace pixmora
