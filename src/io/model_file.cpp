#include "io/model_file.h"

#include <cmath>
#include <cstddef>
#include <sstream>

#include "io/byte_notation.h"
#include "io/file_commit.h"
#include "io/font_reader.h"
#include "io/font_writer.h"
#include "io/number_text.h"
#include "model/editor.h"
#include "model/host.h"

namespace pixmora {

namespace {

constexpr int kHighestRow = kModelRows - 1;

std::optional<int> OpenFontFormat(const Editor& ed) {
    return FormatIndex(ed.params.CellWidth, ed.params.CellHeight);
}

void Tell(Host& host, const std::string& text) {
    host.Message(text, kDefaultTitle, MsgIcon::None, MsgButtons::Ok);
}

void TellWriteFailed(Host& host, const std::string& path, const std::string& reason) {
    Tell(host, "Не удалось записать файл " + path + ": " + reason + "\n" + kModelFileKept);
}

// The character current before the command gives way to character 0, shown with a fresh history.
void SelectFirstChar(Editor& ed) {
    ed.font.PreviousChar = ed.font.CurrentChar;
    ed.font.CurrentChar = 0;
    ed.font.CurrentCharOffset = 0;
    ed.table.cells[static_cast<std::size_t>(ed.font.PreviousChar)].background = kWhite;
    ed.table.cells[0].background = kRed;
    ShowGlyph(ed.font, 0, ed.params.BytesPerChar, ed.params.CellWidth, ed.params.FontByteScan);
    ResetUndoHistory(ed);
}

}  // namespace

std::string ModelFileName(int formatIndex) {
    std::string name = "t";
    name += std::to_string(formatIndex);
    name += ".mod";
    return name;
}

std::string BackupFileName(std::string_view modelName) {
    return std::string(modelName.substr(0, 2)) + ".old";
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
    WriteSourceText(text, model.first(static_cast<std::size_t>(kModelGlyphs * bytesPerChar)),
                    OutputFormatFromText(ed.win.Combo1).value_or(OutputFormat::DataCode),
                    NumberNotationFromText(ed.win.Combo2).value_or(NumberNotation::AmpH),
                    ValuesPerLine(bytesPerChar));
    return text.str();
}

std::string ModelDialogLabel(int formatIndex) {
    return "Будет выполнена замена указанной ниже строки\nв файле моделей " +
           ModelFileName(formatIndex) + " на сформированную из \nсимволов текущего шрифта.";
}

ModelDialogState StartModelDialog(const Editor& ed) {
    ModelDialogState dialog;
    dialog.formatIndex = OpenFontFormat(ed).value_or(0);
    dialog.Label1 = ModelDialogLabel(dialog.formatIndex);
    return dialog;
}

void CorrectModelFile(Editor& ed, Host& host, ModelDialogState& dialog) {
    const std::optional<int> row = ModelRowNumber(dialog.Text1);
    if (!row) {
        Tell(host, kBadRowNumber);
        return;
    }
    const std::optional<int> format = OpenFontFormat(ed);
    if (!format) {
        return;
    }
    if (*format != dialog.formatIndex) {
        dialog.formatIndex = *format;
        dialog.Label1 = ModelDialogLabel(*format);
        Tell(host, kFormatChangedText + ModelFileName(*format) + ".");
        return;
    }

    const BusyPointer busy(host);
    const std::string name = ModelFileName(*format);
    const std::string path = ModelFilePath(host.ProgramDir(), name);
    ModelFileData read = ReadModelFile(path, host);
    if (read.ImportAborted) {
        return;
    }
    if (read.failure) {
        Tell(host, *read.failure + "\n" + kModelFileKept);
        return;
    }
    const int bytesPerChar = ed.params.BytesPerChar;
    if (dialog.Check1) {
        const std::string backup = ModelFilePath(host.ProgramDir(), BackupFileName(name));
        if (auto failure = CommitFile(backup, ModelFileText(ed, read.ModelBuffer, bytesPerChar))) {
            TellWriteFailed(host, backup, *failure);
            return;
        }
    }
    FormModelRow(ed, read.ModelBuffer, *row);
    if (auto failure = CommitFile(path, ModelFileText(ed, read.ModelBuffer, bytesPerChar))) {
        TellWriteFailed(host, path, *failure);
        return;
    }
    SelectFirstChar(ed);
    Tell(host, kModelFileUpdated);
    dialog.open = false;
}

}  // namespace pixmora
