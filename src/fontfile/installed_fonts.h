// The fonts installed on the system, as fontconfig lists them: family and style to a file.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pixmora {

struct InstalledFont {
    std::string family;
    std::string style;
    std::string path;
};

// Every installed font file, sorted by family and style.
std::vector<InstalledFont> ListInstalledFonts();

// The file of a family and style; nothing when fontconfig knows no such font.
std::optional<std::string> FindInstalledFont(const std::string& family, const std::string& style);

inline constexpr const char* kInstalledFontNotFound = "Шрифт не найден: ";

}  // namespace pixmora
