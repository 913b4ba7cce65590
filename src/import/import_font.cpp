#include "import/import_font.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "editor/cell_view.h"
#include "editor/editor.h"
#include "editor/exit_check.h"
#include "editor/file_dialogs.h"
#include "editor/font_settings.h"
#include "editor/host.h"
#include "editor/replaced_font.h"
#include "editor/window_status.h"
#include "import/bdf_import.h"
#include "import/confirm_import.h"
#include "import/recognise_font.h"
#include "import/source_import.h"
#include "io/font_reader.h"
#include "model/glyph_packing.h"

namespace pixmora {

void MarkDrawnChars(Editor& ed) {
    for (int index = 0; index < kCharCount; ++index) {
        if (GlyphHasDots(CharGlyph(ed.font.FontImage, index, ed.params.BytesPerChar))) {
            CharCell& cell = ed.table.cells[static_cast<std::size_t>(index)];
            ed.font.CharDefined[static_cast<std::size_t>(index)] = kLit;
            cell.textColour = kBlack;
            if (IsLetterlessChar(index)) {
                cell.textCode = kBulletCode;
            }
        }
    }
}

namespace {

constexpr int kCyrillicBlockIndex = kFirstCyrillicCode - kFirstCode;

void TellFailure(Host& host, const std::string& text) {
    host.Message(text, kDefaultTitle, MsgIcon::None, MsgButtons::Ok);
}

// Puts the state from before the import back; the dialog's first format choice stays made, and
// the file dialogs still start where the file was chosen.
void RestoreEditor(Editor& ed, const Editor& before) {
    const auto formatChosen = ed.font.CellFormatChosen;
    FileDialogMemory fileDialogs = std::move(ed.fileDialogs);
    ed = before;
    ed.font.CellFormatChosen = formatChosen;
    ed.fileDialogs = std::move(fileDialogs);
}

std::uint8_t Stored(std::uint8_t value, bool negative) {
    return negative ? static_cast<std::uint8_t>(255 - value) : value;
}

// Copies the bytes read to FontImage from `target` on, complemented for a negative font.
void CopyRead(Editor& ed, std::span<const std::uint8_t> read, int target, bool negative) {
    auto& image = ed.font.FontImage;
    const auto start = static_cast<std::size_t>(target);
    const std::size_t count = std::min(read.size(), image.size() - start);
    for (std::size_t i = 0; i < count; ++i) {
        image[start + i] = Stored(read[i], negative);
    }
}

// The parameters of a recognised file become the font's.
void InstallCandidate(Editor& ed, const Candidate& candidate) {
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(candidate.formatIndex)];
    ed.params.CellFormatName = std::string(format.name);
    ed.params.CellWidth = format.width;
    ed.params.CellHeight = format.height;
    ed.params.FontByteScan = candidate.scan;
    SetNegativeFont(ed, candidate.negative);
}

// A loaded font counts as saved.
void FinishLoad(Editor& ed) {
    MarkDrawnChars(ed);
    ed.win.nosave = 0;
    ed.win.nosavesimb = 0;
    ShowReplacingFont(ed);
}

// Lays the grid out for the new cell and locks the table while the bytes go in.
void LayOutCell(Editor& ed) {
    const int width = ed.params.CellWidth;
    const int height = ed.params.CellHeight;
    ed.params.BytesPerChar = width * height / 8;
    ed.font.DotGrid.fill(kDark);
    ShowCellArea(ed.font, width, height);
    for (CharCell& cell : ed.table.cells) {
        cell.fontSize = ed.font.CharTableFontSize;
        cell.bold = false;
        cell.background = kWhite;
    }
    ed.table.locked = true;
    ed.font.CurrentCharOffset = 0;
}

// The manual path's bytes were read with the dialog's polarity already applied.
void LoadManualImage(Editor& ed, const std::vector<std::uint8_t>& manualRead) {
    LayOutCell(ed);
    ClearCell(ed, 0, ed.params.BytesPerChar, ed.params.CellWidth, ed.params.CellHeight);
    ResetFontModel(ed);
    SetNegativeFont(ed, ed.win.negative);
    CopyRead(ed, manualRead, 0, false);
}

// The manual path of a source file: its table placed for the format given, with the polarity given.
void ReadTableAsGiven(SourceTable& table, const Editor& ed, std::vector<std::uint8_t>& manualRead) {
    const int format = FormatIndex(ed.params.CellWidth, ed.params.CellHeight).value_or(0);
    const std::vector<std::uint8_t> placed =
        PlaceTable(table, format, GivenFirstCode(table, format), ed.win.negative);
    for (std::size_t i = 0; i < placed.size() && i < manualRead.size(); ++i) {
        manualRead[i] = Stored(placed[i], ed.win.negative);
    }
}

// A BDF file: its characters are drawn, not recognised. The report is confirmed, or the
// parameters are given by hand and the file is drawn again with them.
void ImportBdf(Editor& ed, Host& host, const std::string& path, const Editor& before) {
    BdfImport read;
    {
        const BusyPointer busy(host);
        read = ReadBdfImport(path, {});
    }
    if (read.failure) {
        TellFailure(host, *read.failure);
        return;
    }
    const Confirmation confirmation = ConfirmReadParams(host, read.report);
    if (confirmation.decision == ImportDecision::Cancel) {
        RestoreEditor(ed, before);
        return;
    }
    if (!confirmation.Recognised) {
        const std::optional<ParamsChoice> choice = host.RunParamsDialog(ed);
        if (!choice) {
            RestoreEditor(ed, before);
            return;
        }
        {
            const BusyPointer busy(host);
            read = ReadBdfImport(path, {choice->formatIndex, choice->scan, choice->negative});
        }
        if (read.failure) {
            TellFailure(host, *read.failure);
            RestoreEditor(ed, before);
            return;
        }
    }
    const BusyPointer busy(host);
    LoadFontData(ed, read.candidate, read.bytes, false, ImportDecision::Load);
}

}  // namespace

void LoadFontData(Editor& ed, const Candidate& candidate, std::span<const std::uint8_t> read,
                  bool cyrillicBlock, ImportDecision decision) {
    InstallCandidate(ed, candidate);
    LayOutCell(ed);
    PaintCellBackground(ed, ed.params.CellWidth, ed.params.CellHeight);
    if (!(cyrillicBlock && decision == ImportDecision::Overlay)) {
        ResetFontModel(ed);
    }
    CopyRead(ed, read, cyrillicBlock ? kCyrillicBlockIndex * ed.params.BytesPerChar : 0,
             candidate.negative);
    FinishLoad(ed);
}

void ImportFont(Editor& ed, Host& host) {
    if (!ConfirmDiscardUnsaved(ed, host)) {
        return;
    }
    DeselectTool(ed);
    const auto before = std::make_unique<Editor>(ed);
    const OpenFontBefore saved{ed.params.CellWidth, ed.params.CellHeight, ed.params.PositiveFont,
                               ed.params.FontByteScan, ed.font.ImageEmpty};
    const std::optional<std::string> path =
        host.OpenFile({kImportDialogTitle, kImportFilter, FileDialogStartDir(ed, host), ""});
    if (!path) {
        return;
    }
    RememberFileDir(ed, *path);
    if (IsBdfPath(*path)) {
        ImportBdf(ed, host, *path, *before);
        return;
    }
    // The busy pointer covers the work, not the dialogs: it is down again before the parameters
    // dialog and before a failure is told. The recognition prompts belong to the recognition.
    FontRecognition recognition;
    Confirmation confirmation;
    {
        const BusyPointer busy(host);
        recognition = RecogniseFont(*path, host);
        if (!recognition.failure && recognition.table && recognition.table->own) {
            confirmation = ConfirmReadParams(host, OwnHeaderReport(*recognition.table));
        } else if (!recognition.failure) {
            confirmation = ConfirmImport(
                host, recognition.found, recognition.LastIndexRead, recognition.ImportAborted,
                saved, recognition.table ? SourceTableNote(*recognition.table) : std::string());
        }
    }
    if (recognition.failure) {
        TellFailure(host, *recognition.failure);
        return;
    }
    if (confirmation.decision == ImportDecision::Cancel) {
        RestoreEditor(ed, *before);
        return;
    }
    if (confirmation.Recognised) {
        const BusyPointer busy(host);
        LoadFontData(ed, recognition.found.candidate,
                     std::span(recognition.ImportBuffer)
                         .first(static_cast<std::size_t>(recognition.LastIndexRead + 1)),
                     recognition.found.CharSetClass == 3, confirmation.decision);
        ed.win.fileName = FileNameOf(*path);
        return;
    }

    const std::optional<ParamsChoice> choice = host.RunParamsDialog(ed);
    if (!choice) {
        RestoreEditor(ed, *before);
        return;
    }
    ApplyParamsChoice(ed, host, *choice);
    // Read again with the parameters given, into a buffer of its own so that a file gone in the
    // meantime leaves the open font intact. A syntax error or too much data only cut it short.
    std::optional<std::string> failure;
    {
        const BusyPointer busy(host);
        std::vector<std::uint8_t> manualRead(kFontBytes, 0);
        if (recognition.table) {
            ReadTableAsGiven(*recognition.table, ed, manualRead);
        } else {
            failure = ReadFontFile(*path, manualRead, ed.win.negative, host).failure;
        }
        if (!failure) {
            LoadManualImage(ed, manualRead);
            FinishLoad(ed);
            ed.win.fileName = FileNameOf(*path);
        }
    }
    if (failure) {
        TellFailure(host, *failure);
        RestoreEditor(ed, *before);
    }
}

}  // namespace pixmora
