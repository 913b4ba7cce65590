#include "transform/scan_change.h"

#include <string>

#include "editor/editor.h"
#include "editor/host.h"
#include "model/glyph_packing.h"
#include "transform/scan_dialog.h"

namespace pixmora {

void RepackFont(std::span<std::uint8_t, kImageSize> image, int width, int height, int fromScan,
                int toScan) {
    const int bytesPerChar = width * height / 8;
    for (int index = 0; index < kCharCount; ++index) {
        const auto glyph = image.subspan(static_cast<std::size_t>(index * bytesPerChar),
                                         static_cast<std::size_t>(bytesPerChar));
        PackMatrix(UnpackGlyph(glyph, fromScan, width, height), glyph, toScan, width, height);
    }
}

bool SetFontByteScan(Editor& ed, int newScan) {
    const int oldScan = ed.params.FontByteScan;
    if (newScan == oldScan || !ScanOffered(ed.params.CellWidth, newScan)) {
        return false;
    }
    const int keptChar = ed.font.CurrentChar;
    DeselectTool(ed);
    RepackFont(ed.font.FontImage, ed.params.CellWidth, ed.params.CellHeight, oldScan, newScan);

    MakeCharCurrent(ed.font, keptChar, ed.params.BytesPerChar);
    ed.font.PreviousChar = 0;
    ed.table.cells[0].background = kWhite;
    ed.table.cells[static_cast<std::size_t>(keptChar)].background = kRed;
    ed.params.FontByteScan = newScan;
    ResetUndoHistory(ed);
    ShowCurrentChar(ed.font, ed.params);
    // The source cell of an armed copy is no longer marked; a later click must not copy unseen.
    ed.win.movie = 0;

    ed.win.tex = std::string(ScanCaptionText(newScan, CaptionOrigin::NewOrRescan));
    ed.win.fontCaption = FontCaption(ed.params.CellWidth, ed.params.CellHeight, ed.win.tex);
    return true;
}

void ChangeByteScan(Editor& ed, Host& host) {
    const std::optional<int> newScan = host.RunScanDialog(ed);
    if (!newScan || !SetFontByteScan(ed, *newScan)) {
        return;
    }
    // The bytes in memory no longer match any saved file.
    ed.win.nosave = 1;
    host.Message(std::string(kScanChangedText) + "\n" + kScanChangedNameLead +
                     std::string(ScanNamesOf(*newScan).confirmed),
                 kScanChangedTitle, MsgIcon::Information, MsgButtons::Ok);
}

}  // namespace pixmora
