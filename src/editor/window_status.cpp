#include "editor/window_status.h"

#include <cstdio>

#include "editor/editor.h"
#include "model/code_page.h"

namespace pixmora {

namespace {

constexpr int kDeleteCode = 127;

bool FontOpen(const Editor& ed) {
    return !ed.table.locked;
}

}  // namespace

WindowTitle TitleOf(const Editor& ed) {
    if (!ed.win.fileName.empty()) {
        return {ed.win.fileName, ed.win.nosave == 1};
    }
    if (FontOpen(ed)) {
        return {std::string(kUntitledName), ed.win.nosave == 1};
    }
    return {};
}

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string CurrentCharStatus(const Editor& ed) {
    if (!FontOpen(ed)) {
        return {};
    }
    const int code = ed.font.CurrentChar + kFirstCode;
    char head[32];
    std::snprintf(head, sizeof head, "Символ %02Xh (%d)", code, code);
    std::string text = head;
    const auto character = UnicodeOfCode(code);
    // The space, the delete code and the no-break space have nothing to show between quotes.
    if (character && code != kDeleteCode && *character != U' ' && *character != U'\u00A0') {
        text += " «" + Utf8OfCode(code) + "»";
    }
    return text;
}

std::string AboutText(std::string_view version, std::string_view licence,
                      std::string_view qtVersion) {
    std::string text = "Pixmora, версия ";
    text += version;
    text += "\nРедактор знакогенераторов для дисплеев микроконтроллеров.\nЛицензия: ";
    text += licence;
    text += "\nБиблиотека Qt ";
    text += qtVersion;
    return text;
}

}  // namespace pixmora
