// The dialog of "Из шрифта…": the font to draw (a file or an installed font), the cell format, byte
// scan and polarity, the size and placement, the characters that receive the drawing, and a live
// preview of the whole table. Its rules live here over a state struct; the Qt view shows the state,
// calls RefreshPreview whenever a value changes and paints the preview.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/from_font_choice.h"
#include "fontfile/installed_fonts.h"
#include "fontfile/rasterise.h"

namespace pixmora {

struct Editor;
struct FaceCache;

inline constexpr const char* kFromFontTitle = "Знаки из шрифта";
inline constexpr const char* kFontFileDialogTitle = "Выбрать файл шрифта";
inline constexpr const char* kFontFileFilter =
    "Файлы шрифтов(*.ttf;*.otf;*.ttc;*.pfb;*.pfa;*.woff;*.pcf;*.pcf.gz;*.bdf;*.psf;*.psf.gz)|"
    "*.ttf *.otf *.ttc *.pfb *.pfa *.woff *.pcf *.pcf.gz *.bdf *.psf *.psf.gz|Все файлы(*.*)|*.*";
inline constexpr const char* kChooseFontText = "Выберите файл шрифта или установленный шрифт";
inline constexpr const char* kSizeText = "Размер: ";
inline constexpr const char* kPixelsText = " пикс., базовая линия: ";
inline constexpr const char* kMissingText = "Нет в шрифте: ";
inline constexpr const char* kCutText = "Обрезано: ";
inline constexpr const char* kCharsText = " зн.";

enum class FontSourceKind { File, Installed };

struct FromFontDialogState {
    FontSourceKind source = FontSourceKind::File;
    std::string path;                      // the file chosen
    std::vector<InstalledFont> installed;  // fontconfig's list
    int installedIndex = -1;               // into `installed`

    int formatIndex = 0;
    int scan = 0;
    bool negative = false;
    bool autoSize = true;
    int size = 8;  // the size spin box, shown as chosen when autoSize is on
    bool smooth = false;
    int threshold = 128;
    int scaleX = 100;
    bool bold = false;
    bool autoBaseline = true;
    int baseline = 0;
    int offset = 0;
    bool centre = false;
    FillChars chars = FillChars::All;
    bool fontOpen = false;  // only an open font offers the characters other than all

    std::optional<RasterisedFont> preview;  // what "ОК" would draw
    std::string status;                     // the line under the preview
    std::shared_ptr<FaceCache> faces;       // the open font file, kept between refreshes
};

// The dialog opens with the open font's format, scan and polarity, or the first format.
FromFontDialogState OpenFromFontDialog(const Editor& ed);

// The format and scan are the open font's while its characters are filled.
bool FormatChoosable(const FromFontDialogState& dialog);
// A format was chosen: its scan stays when the format offers it, else "вертикально 1".
void ChooseFromFontFormat(FromFontDialogState& dialog, int formatIndex);
// The characters that receive the drawing; filling takes the open font's format and scan back.
void ChooseFillChars(FromFontDialogState& dialog, const Editor& ed, FillChars chars);

// The file the choice draws from, empty when none is chosen.
std::string ChosenFontPath(const FromFontDialogState& dialog);
// Draws the preview with the values now chosen; the status says the size and baseline drawn and
// how many characters are missing or cut, or why nothing can be drawn.
void RefreshPreview(FromFontDialogState& dialog);
// "ОК": the choice, or nothing while the preview has nothing to draw (the status says why).
std::optional<FromFontChoice> AcceptFromFontDialog(const FromFontDialogState& dialog);

}  // namespace pixmora
