#include "commands/from_font.h"

#include <cstdint>
#include <vector>

#include "editor/editor.h"
#include "editor/exit_check.h"
#include "editor/host.h"
#include "editor/replaced_font.h"
#include "fontfile/font_bytes.h"
#include "import/import_font.h"
#include "model/glyph_packing.h"

namespace pixmora {

namespace {

bool Receives(const Editor& ed, FillChars chars, int index) {
    switch (chars) {
        case FillChars::Undrawn:
            return ed.font.CharDefined[static_cast<std::size_t>(index)] != kLit;
        case FillChars::Current:
            return index == ed.font.CurrentChar;
        case FillChars::All:
            break;
    }
    return true;
}

void FillChosenChars(Editor& ed, const std::vector<std::uint8_t>& bytes, FillChars chars) {
    const auto bytesPerChar = static_cast<std::size_t>(ed.params.BytesPerChar);
    for (int index = 0; index < kCharCount; ++index) {
        if (!Receives(ed, chars, index)) {
            continue;
        }
        const std::size_t start = static_cast<std::size_t>(index) * bytesPerChar;
        for (std::size_t i = 0; i < bytesPerChar; ++i) {
            ed.font.FontImage[start + i] = bytes[start + i];
        }
    }
    ed.table.cells[static_cast<std::size_t>(ed.font.CurrentChar)].background = kWhite;
    MarkDrawnChars(ed);
    ed.win.nosavesimb = 0;
    ShowReplacingFont(ed);
}

}  // namespace

DrawnFont DrawFromFont(const FromFontChoice& choice) {
    try {
        const FreeTypeLibrary library;
        FontFace face = FontFace::Open(library, choice.path);
        return {RasteriseFont(face, choice.options), {}};
    } catch (const FontFileError& error) {
        return {std::nullopt, error.what()};
    }
}

void InstallDrawnFont(Editor& ed, const RasterisedFont& font, const FromFontChoice& choice) {
    const bool fill = choice.chars != FillChars::All && ed.params.FontByteScan != kNoScan;
    const int scan = fill ? ed.params.FontByteScan : choice.scan;
    std::vector<std::uint8_t> bytes = PackRasterised(font, choice.options.formatIndex, scan);
    if (fill) {
        FillChosenChars(ed, bytes, choice.chars);
    } else {
        // The load step takes the bytes as a file holds them: complemented for a negative font.
        if (choice.negative) {
            for (std::uint8_t& byte : bytes) {
                byte = static_cast<std::uint8_t>(255 - byte);
            }
        }
        LoadFontData(ed, Candidate{choice.options.formatIndex, choice.scan, choice.negative}, bytes,
                     false, ImportDecision::Load);
    }
    // Nothing of the drawing is in a file yet.
    ed.win.nosave = 1;
}

void DrawFontFromFile(Editor& ed, Host& host) {
    DeselectTool(ed);
    const std::optional<FromFontChoice> choice = host.RunFromFontDialog(ed);
    if (!choice) {
        return;
    }
    const bool replaces = choice->chars == FillChars::All || ed.params.FontByteScan == kNoScan;
    if (replaces && !ConfirmDiscardUnsaved(ed, host)) {
        return;
    }
    DrawnFont drawn;
    {
        const BusyPointer busy(host);
        drawn = DrawFromFont(*choice);
        if (drawn.font) {
            InstallDrawnFont(ed, *drawn.font, *choice);
        }
    }
    if (!drawn.font) {
        host.Message(drawn.failure, kDefaultTitle, MsgIcon::Exclamation, MsgButtons::Ok);
    }
}

}  // namespace pixmora
