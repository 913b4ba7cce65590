#include "font_sets.h"

#include <algorithm>
#include <filesystem>

#include "model_builder.h"

namespace models {

namespace {

const char* const kTrueType = "/usr/share/fonts/truetype/";
const char* const kMisc = "/usr/share/fonts/X11/misc/";
const char* const kDpi75 = "/usr/share/fonts/X11/75dpi/";
const char* const kConsole = "/usr/share/consolefonts/";

constexpr float kOutlineShares[] = {1.0f, 0.8f, 0.65f};

void AddOutline(std::vector<SetFont>& fonts, const std::string& family,
                const std::vector<std::string>& files) {
    for (const std::string& file : files) {
        for (const float share : kOutlineShares) {
            fonts.push_back({family, {kTrueType + file, "", Rendering::Outline, 0, 1.0f, share}});
        }
    }
}

// Strikes dot for dot, and doubled and tripled for the large cells.
void AddBitmap(std::vector<SetFont>& fonts, const std::string& family, const std::string& folder,
               const std::vector<std::string>& files, Rendering rendering = Rendering::Bitmap) {
    for (const std::string& file : files) {
        for (const int scale : {1, 2, 3}) {
            FontSource source{folder + file, "", rendering};
            source.dotScale = scale;
            fonts.push_back({family, source});
        }
    }
}

std::vector<std::string> Suffixed(const std::vector<std::string>& stems, const char* suffix) {
    std::vector<std::string> files;
    for (const std::string& stem : stems) {
        files.push_back(stem + suffix);
    }
    return files;
}

// Only the fonts installed here: a missing package narrows the sets, the run says which.
std::vector<SetFont> Installed(std::vector<SetFont> fonts) {
    std::erase_if(fonts,
                  [](const SetFont& font) { return !std::filesystem::exists(font.source.path); });
    return fonts;
}

}  // namespace

std::vector<SetFont> TrainingFonts() {
    std::vector<SetFont> fonts;
    AddOutline(fonts, "DejaVu Sans",
               {"dejavu/DejaVuSans.ttf", "dejavu/DejaVuSans-Bold.ttf",
                "dejavu/DejaVuSansCondensed.ttf", "dejavu/DejaVuSansCondensed-Bold.ttf"});
    AddOutline(fonts, "DejaVu Sans Mono",
               {"dejavu/DejaVuSansMono.ttf", "dejavu/DejaVuSansMono-Bold.ttf"});
    AddOutline(fonts, "Liberation Sans",
               {"liberation/LiberationSans-Regular.ttf", "liberation/LiberationSans-Bold.ttf"});
    AddOutline(fonts, "Liberation Sans Narrow",
               {"liberation/LiberationSansNarrow-Regular.ttf",
                "liberation/LiberationSansNarrow-Bold.ttf"});
    AddOutline(fonts, "Liberation Serif",
               {"liberation/LiberationSerif-Regular.ttf", "liberation/LiberationSerif-Bold.ttf"});
    AddOutline(fonts, "FreeMono", {"freefont/FreeMono.ttf", "freefont/FreeMonoBold.ttf"});
    AddBitmap(fonts, "Fixed", kMisc,
              Suffixed({"4x6",   "5x7",   "5x8",   "6x9",   "6x10",  "6x12", "6x13",
                        "6x13B", "7x13",  "7x13B", "7x14",  "7x14B", "8x13", "8x13B",
                        "9x15",  "9x15B", "9x18",  "9x18B", "10x20", "12x24"},
                       ".pcf.gz"));
    AddBitmap(fonts, "Sony Fixed", kMisc, {"8x16.pcf.gz"});
    AddBitmap(fonts, "Terminus", kMisc,
              Suffixed({"ter-u12n", "ter-u12b", "ter-u14n", "ter-u14b", "ter-u16n", "ter-u16b",
                        "ter-u18n", "ter-u18b", "ter-u20n", "ter-u20b", "ter-u22n", "ter-u22b",
                        "ter-u24n", "ter-u24b", "ter-u28n", "ter-u28b", "ter-u32n", "ter-u32b"},
                       "_unicode.pcf.gz"));
    AddBitmap(fonts, "Clean", kMisc,
              Suffixed({"clR5x8", "clR6x8", "clR8x8", "clB8x8", "clR6x12", "clB6x12", "clR8x13",
                        "clB8x13", "clR8x16", "clB8x16", "clB9x15"},
                       ".pcf.gz"));
    AddBitmap(fonts, "M+", kMisc, Suffixed({"mplus_h10r", "mplus_h12r", "mplus_f12b"}, ".pcf.gz"));
    AddBitmap(
        fonts, "Cronyx Courier", kDpi75,
        Suffixed({"crox1c", "crox1cb", "crox2c", "crox3c", "crox3cb", "crox4h"}, "_c.pcf.gz"));
    AddBitmap(fonts, "Cronyx Helvetica", kDpi75,
              Suffixed({"crox1h", "crox2h", "crox2hb", "crox3h", "crox4hb", "crox5h", "crox6h"},
                       "_c.pcf.gz"));
    AddBitmap(fonts, "VGA", kConsole,
              Suffixed({"FullCyrSlav-VGA8", "FullCyrSlav-VGA14", "FullCyrSlav-VGA16",
                        "FullCyrSlav-VGA28x16", "FullCyrSlav-VGA32x16"},
                       ".psf.gz"),
              Rendering::Console);
    AddBitmap(fonts, "Fixed console", kConsole,
              Suffixed({"FullCyrSlav-Fixed13", "FullCyrSlav-Fixed14", "FullCyrSlav-Fixed15",
                        "FullCyrSlav-Fixed16", "FullCyrSlav-Fixed18"},
                       ".psf.gz"),
              Rendering::Console);
    AddBitmap(fonts, "Terminus", kConsole,
              Suffixed({"FullCyrSlav-Terminus14", "FullCyrSlav-TerminusBold16",
                        "FullCyrSlav-Terminus20x10", "FullCyrSlav-TerminusBold24x12",
                        "FullCyrSlav-Terminus28x14", "FullCyrSlav-TerminusBold32x16"},
                       ".psf.gz"),
              Rendering::Console);
    return Installed(fonts);
}

std::vector<SetFont> ValidationFonts() {
    std::vector<SetFont> fonts;
    AddOutline(fonts, "FreeSans", {"freefont/FreeSans.ttf", "freefont/FreeSansBold.ttf"});
    AddOutline(fonts, "FreeSerif", {"freefont/FreeSerif.ttf", "freefont/FreeSerifBold.ttf"});
    AddOutline(fonts, "Noto Sans Mono",
               {"noto/NotoSansMono-Regular.ttf", "noto/NotoSansMono-Bold.ttf"});
    AddOutline(fonts, "Noto Mono", {"noto/NotoMono-Regular.ttf"});
    AddOutline(fonts, "DejaVu Serif",
               {"dejavu/DejaVuSerif.ttf", "dejavu/DejaVuSerif-Bold.ttf",
                "dejavu/DejaVuSerifCondensed.ttf"});
    AddOutline(fonts, "Liberation Mono",
               {"liberation/LiberationMono-Regular.ttf", "liberation/LiberationMono-Bold.ttf"});
    AddBitmap(fonts, "Cronyx Fixed", kMisc,
              Suffixed({"koi5x8", "koi6x9", "koi6x10", "koi6x13", "koi6x13b", "koi7x14", "koi7x14b",
                        "koi8x13", "koi8x16", "koi8x16b", "koi9x15", "koi9x15b", "koi9x18",
                        "koi9x18b", "koi10x16b", "koi10x19", "koi10x20", "koi12x24", "koi12x24b"},
                       "_c.pcf.gz"));
    AddBitmap(fonts, "Spleen", kMisc,
              Suffixed({"spleen-5x8", "spleen-6x12", "spleen-8x16", "spleen-12x24", "spleen-16x32"},
                       ".pcf.gz"));
    AddBitmap(
        fonts, "Cronyx Times", kDpi75,
        Suffixed({"crox1t", "crox2t", "crox2tb", "crox3t", "crox4t", "crox4tb", "crox5t", "crox6t"},
                 "_c.pcf.gz"));
    return Installed(fonts);
}

bool FontFitsCell(const FreeTypeLibrary& library, const FontSource& source, int width, int height) {
    const CellFormat cell{width, height};
    if (source.rendering == Rendering::Outline) {
        return cell.width >= 8;
    }
    Font font(library, source);
    int tallest = 0;
    for (const char32_t code : {U'A', U'0', U'D', U'\u0411'}) {
        if (!font.hasChar(code)) {
            continue;
        }
        const DotMatrix ink = font.render(code);
        if (ink.width > cell.areaWidth() || ink.height > cell.areaHeight()) {
            return false;
        }
        tallest = std::max(tallest, ink.height);
    }
    return 2 * tallest >= cell.areaHeight();
}

}  // namespace models
