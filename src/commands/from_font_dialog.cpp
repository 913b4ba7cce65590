#include "commands/from_font_dialog.h"

#include "editor/editor.h"
#include "fontfile/font_bytes.h"

namespace pixmora {

// The face of the file last drawn, so that a change of size or placement does not read it again.
struct FaceCache {
    FreeTypeLibrary library;
    std::string path;
    std::optional<FontFace> face;
    std::string failure;
};

namespace {

RasteriseOptions OptionsOf(const FromFontDialogState& dialog) {
    RasteriseOptions options;
    options.formatIndex = dialog.formatIndex;
    if (!dialog.autoSize) {
        options.size = dialog.size;
    }
    options.smooth = dialog.smooth;
    options.threshold = dialog.threshold;
    options.scaleX = dialog.scaleX;
    options.bold = dialog.bold;
    if (!dialog.autoBaseline) {
        options.baseline = dialog.baseline;
    }
    options.offset = dialog.offset;
    options.centre = dialog.centre;
    return options;
}

std::string StatusOf(const RasterisedFont& font) {
    std::string status =
        kSizeText + std::to_string(font.size) + kPixelsText + std::to_string(font.baseline);
    if (!font.missing.empty()) {
        status.append("; ").append(kMissingText).append(std::to_string(font.missing.size()));
        status.append(kCharsText);
    }
    if (!font.cut.empty()) {
        status.append("; ").append(kCutText).append(std::to_string(font.cut.size()));
        status.append(kCharsText);
    }
    return status;
}

}  // namespace

FromFontDialogState OpenFromFontDialog(const Editor& ed) {
    FromFontDialogState dialog;
    dialog.installed = ListInstalledFonts();
    dialog.fontOpen = ed.params.FontByteScan != kNoScan;
    if (dialog.fontOpen) {
        dialog.formatIndex = FormatIndex(ed.params.CellWidth, ed.params.CellHeight).value_or(0);
        dialog.scan = ed.params.FontByteScan;
        dialog.negative = ed.win.negative;
    }
    dialog.faces = std::make_shared<FaceCache>();
    dialog.status = kChooseFontText;
    return dialog;
}

bool FormatChoosable(const FromFontDialogState& dialog) {
    return dialog.chars == FillChars::All;
}

void ChooseFromFontFormat(FromFontDialogState& dialog, int formatIndex) {
    dialog.formatIndex = formatIndex;
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(formatIndex)];
    if (!ScanOffered(format.width, dialog.scan)) {
        dialog.scan = kScanVertical1;
    }
}

void ChooseFillChars(FromFontDialogState& dialog, const Editor& ed, FillChars chars) {
    dialog.chars = dialog.fontOpen ? chars : FillChars::All;
    if (dialog.chars != FillChars::All) {
        dialog.formatIndex = FormatIndex(ed.params.CellWidth, ed.params.CellHeight).value_or(0);
        dialog.scan = ed.params.FontByteScan;
        dialog.negative = ed.win.negative;
    }
}

std::string ChosenFontPath(const FromFontDialogState& dialog) {
    if (dialog.source == FontSourceKind::File) {
        return dialog.path;
    }
    const bool chosen = dialog.installedIndex >= 0 &&
                        dialog.installedIndex < static_cast<int>(dialog.installed.size());
    return chosen ? dialog.installed[static_cast<std::size_t>(dialog.installedIndex)].path
                  : std::string();
}

void RefreshPreview(FromFontDialogState& dialog) {
    dialog.preview.reset();
    const std::string path = ChosenFontPath(dialog);
    if (path.empty()) {
        dialog.status = kChooseFontText;
        return;
    }
    FaceCache& cache = *dialog.faces;
    if (cache.path != path) {
        cache.path = path;
        cache.face.reset();
        cache.failure.clear();
        try {
            cache.face = FontFace::Open(cache.library, path);
        } catch (const FontFileError& error) {
            cache.failure = error.what();
        }
    }
    if (!cache.face) {
        dialog.status = cache.failure;
        return;
    }
    try {
        dialog.preview = RasteriseFont(*cache.face, OptionsOf(dialog));
        dialog.status = StatusOf(*dialog.preview);
    } catch (const FontFileError& error) {
        dialog.status = error.what();
    }
}

std::optional<FromFontChoice> AcceptFromFontDialog(const FromFontDialogState& dialog) {
    if (!dialog.preview) {
        return std::nullopt;
    }
    return FromFontChoice{ChosenFontPath(dialog), OptionsOf(dialog), dialog.scan, dialog.negative,
                          dialog.chars};
}

}  // namespace pixmora
