#include "io/model_file.h"

#include <cmath>
#include <cstddef>
#include <sstream>

#include "editor/editor.h"
#include "editor/host.h"
#include "io/byte_notation.h"
#include "io/export_settings.h"
#include "io/file_commit.h"
#include "io/font_reader.h"
#include "io/font_writer.h"
#include "io/model_places.h"
#include "io/number_text.h"

namespace pixmora {

namespace {

constexpr int kHighestRow = kModelRows - 1;

std::optional<int> OpenFontFormat(const Editor& ed) {
    return FormatIndex(ed.params.CellWidth, ed.params.CellHeight);
}

void Tell(Host& host, const std::string& text) {
    host.Message(text, kDefaultTitle, MsgIcon::None, MsgButtons::Ok);
}

std::string WriteFailedText(const std::string& path, const std::string& reason) {
    return "Не удалось записать файл " + path + ": " + reason + "\n" + kModelFileKept;
}

constexpr char32_t kCyrillicCapitalA = 0x410;

// A test character as the user reads it: ASCII as is, the Cyrillic letters of Windows-1251
// (codes 192..255) as UTF-8.
std::string TestCharName(int index) {
    const int code = index + kFirstCode;
    if (code < kFirstCyrillicCode) {
        return std::string(1, static_cast<char>(code));
    }
    const char32_t letter = kCyrillicCapitalA + static_cast<char32_t>(code - kFirstCyrillicCode);
    return {static_cast<char>(0xC0 | (letter >> 6)), static_cast<char>(0x80 | (letter & 0x3F))};
}

// The character current before the command gives way to character 0, shown with a fresh history.
void SelectFirstChar(Editor& ed) {
    ed.font.PreviousChar = ed.font.CurrentChar;
    MakeCharCurrent(ed.font, 0, ed.params.BytesPerChar);
    ed.table.cells[static_cast<std::size_t>(ed.font.PreviousChar)].background = kWhite;
    ed.table.cells[0].background = kRed;
    ShowCurrentChar(ed.font, ed.params);
    ResetUndoHistory(ed);
}

// Writes the backup when asked, then the model file with `row` formed from the open font, and makes
// character 0 current; all under the busy pointer. What went wrong when a file cannot be written.
std::optional<std::string> RewriteModelFile(Editor& ed, Host& host, const ModelDialogState& dialog,
                                            const ModelPlaces& places,
                                            std::span<std::uint8_t> model, int row) {
    const BusyPointer busy(host);
    const int bytesPerChar = ed.params.BytesPerChar;
    if (auto failure = MakeModelDirToWrite(places)) {
        return *failure + "\n" + kModelFileKept;
    }
    if (dialog.keepBackup) {
        const std::string backup = ModelBackupToWrite(places, dialog.formatIndex);
        if (auto failure = CommitFile(backup, ModelFileText(ed, model, bytesPerChar))) {
            return WriteFailedText(backup, *failure);
        }
    }
    FormModelRow(ed, model, row);
    const std::string path = ModelFileToWrite(places, dialog.formatIndex);
    if (auto failure = CommitFile(path, ModelFileText(ed, model, bytesPerChar))) {
        return WriteFailedText(path, *failure);
    }
    SelectFirstChar(ed);
    return std::nullopt;
}

std::string UpdatedText(const ModelPlaces& places, int formatIndex) {
    std::string text = kModelFileUpdated;
    if (!places.userDir.empty()) {
        text += "\n";
        text += kUserModelCopy;
        text += ModelFileToWrite(places, formatIndex);
    }
    return text;
}

}  // namespace

std::string ModelFileName(int formatIndex) {
    std::string name = "t";
    name += std::to_string(formatIndex);
    name += ".mod";
    return name;
}

std::string BackupFileName(std::string_view modelName) {
    // "t10.mod" keeps its whole number: cutting it to "t1" would overwrite the backup of t1.mod.
    const std::size_t dot = modelName.rfind('.');
    return std::string(modelName.substr(0, dot)) + ".old";
}

std::string ModelDirPath(const std::string& programDir) {
    return programDir + "/Model";
}

std::string ModelFilePath(const std::string& programDir, std::string_view name) {
    return ModelDirPath(programDir) + "/" + std::string(name);
}

std::optional<int> ModelRowNumber(std::string_view text) {
    const std::optional<double> value = ParseNumberText(text);
    if (!value || *value > kHighestRow) {
        return std::nullopt;
    }
    const double row = std::nearbyint(*value);
    if (row < 0) {
        return std::nullopt;
    }
    return static_cast<int>(row);
}

void FormModelRow(const Editor& ed, std::span<std::uint8_t> model, int row) {
    const int width = ed.params.CellWidth;
    const int height = ed.params.CellHeight;
    const auto bytesPerChar = static_cast<std::size_t>(ed.params.BytesPerChar);
    for (int position = 0; position < kModelRowLength; ++position) {
        const auto charIndex =
            static_cast<std::size_t>(kModelRowChars[static_cast<std::size_t>(position)]);
        const std::span<const std::uint8_t> source(
            ed.font.FontImage.data() + charIndex * bytesPerChar, bytesPerChar);
        const auto slot = static_cast<std::size_t>(row * kModelRowLength + position);
        const auto glyph = model.subspan(slot * bytesPerChar, bytesPerChar);
        PackMatrix(UnpackGlyph(source, ed.params.FontByteScan, width, height), glyph,
                   kScanVertical1, width, height);
        AlignModelGlyph(glyph, width, height);
    }
}

std::string ModelFileText(const Editor& ed, std::span<const std::uint8_t> model, int bytesPerChar) {
    std::ostringstream text;
    // Model files follow the window's output format and notation.
    const ExportSettings settings = ExportSettingsOf(ed.win);
    WriteSourceText(text, model.first(static_cast<std::size_t>(kModelGlyphs * bytesPerChar)),
                    settings.kind, settings.notation, ValuesPerLine(bytesPerChar));
    return text.str();
}

std::string ModelDialogLabel(int formatIndex) {
    return "Будет выполнена замена указанной ниже строки\nв файле моделей " +
           ModelFileName(formatIndex) + " на сформированную из \nсимволов текущего шрифта.";
}

std::string UndrawnTestChars(const Editor& ed) {
    std::string names;
    // Position 0 is the blank, the one test character that is drawn empty.
    for (int position = 1; position < kModelRowLength; ++position) {
        const int index = kModelRowChars[static_cast<std::size_t>(position)];
        if (!GlyphHasDots(CharGlyph(ed.font.FontImage, index, ed.params.BytesPerChar))) {
            names += names.empty() ? "" : " ";
            names += TestCharName(index);
        }
    }
    return names;
}

ModelDialogState StartModelDialog(const Editor& ed) {
    ModelDialogState dialog;
    dialog.formatIndex = OpenFontFormat(ed).value_or(0);
    dialog.label = ModelDialogLabel(dialog.formatIndex);
    return dialog;
}

void CorrectModelFile(Editor& ed, Host& host, ModelDialogState& dialog,
                      const std::function<void()>& charShown) {
    const std::optional<int> row = ModelRowNumber(dialog.rowText);
    if (!row) {
        Tell(host, kBadRowNumber);
        return;
    }
    const std::optional<int> format = OpenFontFormat(ed);
    if (ed.params.FontByteScan == kNoScan || !format) {
        Tell(host, std::string(kNoFontForModel) + "\n" + kModelFileKept);
        return;
    }
    if (*format != dialog.formatIndex) {
        dialog.formatIndex = *format;
        dialog.label = ModelDialogLabel(*format);
        Tell(host, kFormatChangedText + ModelFileName(*format) + ".");
        return;
    }
    if (const std::string undrawn = UndrawnTestChars(ed); !undrawn.empty()) {
        Tell(host, kUndrawnTestChars + undrawn + "\n" + kModelFileKept);
        return;
    }

    // Read before the busy pointer shows: the reader tells a syntax error itself. An installed
    // program starts the user's copy from the shipped file.
    const ModelPlaces places = FindModelPlaces(host);
    const std::string path = ModelFileToRead(places, *format);
    ModelFileData read = ReadModelFile(path, host);
    if (read.ImportAborted) {
        // The reader named no file; a user's copy is not where the user would look for it.
        if (IsUserCopy(places, path)) {
            Tell(host, kUserModelUnread + path + "\n" + kModelFileKept);
        }
        return;
    }
    if (read.failure) {
        Tell(host, *read.failure + "\n" + kModelFileKept);
        return;
    }
    if (const auto failure = RewriteModelFile(ed, host, dialog, places, read.ModelBuffer, *row)) {
        Tell(host, *failure);
        return;
    }
    if (charShown) {
        charShown();
    }
    Tell(host, UpdatedText(places, *format));
    dialog.open = false;
}

}  // namespace pixmora
