// "Сохранить PNG…" of the text preview: the line as the pane shows it, written to a PNG file.
#pragma once

#include <string_view>

#include "model/text_line.h"

namespace pixmora {

struct Editor;
class Host;

inline constexpr std::string_view kPngDialogTitle = "Сохранить строку как PNG";
inline constexpr std::string_view kPngFilter = "Изображение PNG |*.png";
inline constexpr std::string_view kPngProposedName = "Preview";
inline constexpr std::string_view kPngEncodeFailed = "Не удалось построить изображение PNG";

// Asks for the file and writes it whole or not at all; a failure is told.
void SaveTextLinePng(Editor& ed, Host& host, const TextPreviewSettings& settings);

}  // namespace pixmora
