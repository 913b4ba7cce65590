// The rules of the enlargement dialog ("Выбор данных для конвертирования"): the list of larger
// cell formats the open font can be converted to, the choice and what "ОК" and "Отмена" report.
// The list writes its formats with the Cyrillic letter "х": "16 х 24".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/formats.h"

namespace pixmora {

struct Editor;
struct FontParams;
class Host;

inline constexpr const char* kEnlargeDialogTitle = "Выбор данных для конвертирования";
inline constexpr const char* kEnlargePrompt =
    "Выберите требуемый формат знакоместа выходного файла";

struct EnlargeDialogState {
    std::vector<std::string> offered;  // the list, fewest bytes a character first
    std::string chosen;                // the list's text; empty until a format is picked
};

// "6 х 8", "16 х 24": the list text of a cell format.
std::string EnlargeListText(int formatIndex);
// The cell format a list text names.
std::optional<int> FormatIndexByListText(std::string_view text);

// The formats larger than the open one, smallest first: at least as wide and as high, and for a
// horizontal font only widths of whole bytes (so 12 x 16 is no target of a horizontal 8 x 8 font).
// Nothing for 48 x 56, nor without an open font.
std::vector<std::string> OfferedEnlargements(const FontParams& params);

EnlargeDialogState OpenEnlargeDialog(const Editor& ed);
// A list entry is picked. Picking the largest format also marks that a format was chosen in this
// run.
void ChooseEnlargeFormat(EnlargeDialogState& state, Editor& ed, const std::string& text);
// "ОК": without an offered format chosen the user is told to choose one and the dialog stays open
// (nothing); otherwise the dialog closes with the chosen format. "Отмена" and any other way of
// closing the dialog choose nothing.
std::optional<CellFormat> AcceptEnlargeDialog(const EnlargeDialogState& state, Editor& ed,
                                              Host& host);

}  // namespace pixmora
