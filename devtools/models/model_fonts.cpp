#include "model_fonts.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "font_sets.h"

namespace models {

namespace {

FontSource X11Bitmap(const std::string& file, const char* package) {
    return FontSource{"/usr/share/fonts/X11/" + file, package, Rendering::Bitmap};
}

FontSource Console(const std::string& file) {
    return FontSource{"/usr/share/consolefonts/" + file, "console-setup-linux", Rendering::Console};
}

FontSource Outline(const std::string& file, const char* package, float heightShare = 1.0f,
                   float widthScale = 1.0f) {
    return FontSource{"/usr/share/fonts/truetype/" + file,
                      package,
                      Rendering::Outline,
                      0,
                      widthScale,
                      heightShare};
}

// Debian packages that install the fonts.
const char* const kBase = "xfonts-base";
const char* const kCronyx75 = "xfonts-cronyx-75dpi";
const char* const kTerminus = "xfonts-terminus";
const char* const kMplus = "xfonts-mplus";
const char* const kDejaVu = "fonts-dejavu-core";
const char* const kLiberation = "fonts-liberation";
const char* const kFreeFont = "fonts-freefont-ttf";

ModelRow Row(const char* style, std::vector<FontSource> fonts) {
    return ModelRow{style, std::move(fonts)};
}

// The 6 x 8 LCD style drawn from column 1, as small fonts with a blank column 0 hold it, and
// enlarged into the model's cell.
ModelRow EnlargedLcd(const FontSource& fixed6x10) {
    return ModelRow{"LCD 5 x 7 enlarged from 6 x 8", {fixed6x10}, Enlargement{{6, 8}, 1}};
}

// The rows the models had before the chooser, each a candidate under its style name, in model
// file order.
std::vector<ModelFormat> FormerRows() {
    // Small cells: bitmap fonts drawn dot for dot.
    const FontSource fixed6x10 = X11Bitmap("misc/6x10.pcf.gz", kBase);
    const FontSource fixed6x12 = X11Bitmap("misc/6x12.pcf.gz", kBase);
    const FontSource courierBold = X11Bitmap("75dpi/crox1cb_c.pcf.gz", kCronyx75);
    // Larger cells: outlines. Real character generators of these sizes leave room for
    // descenders and squeeze bold faces, hence the shares of the height and the narrowing.
    const FontSource sans = Outline("liberation/LiberationSans-Regular.ttf", kLiberation);
    const FontSource condensedBold = Outline("dejavu/DejaVuSans-Bold.ttf", kDejaVu, 0.86f, 0.75f);
    const FontSource monoBold = Outline("freefont/FreeMonoBold.ttf", kFreeFont, 0.8f);
    const FontSource narrowSans =
        Outline("liberation/LiberationSansNarrow-Regular.ttf", kLiberation);
    const FontSource boldSans = Outline("liberation/LiberationSans-Bold.ttf", kLiberation, 0.86f);
    const FontSource terminal32 = X11Bitmap("misc/ter-u32b_unicode.pcf.gz", kTerminus);
    const FontSource terminal16 = X11Bitmap("misc/ter-u16b_unicode.pcf.gz", kTerminus);
    // Which styles fill the four rows was chosen by measure_recognition.sh on fonts that drew
    // none of them: a narrow regular face, the mono bold, a second bold and a smaller terminal
    // recognise more of them than the serif rows did, and 16 x 32 terminal fonts need a row in
    // 32 x 40. The enlarged LCD row took, per format, the place that cost none of those
    // recognitions and let the most enlarged small fonts be recognised (measure_recognition.sh
    // --enlarged); in 32 x 40 every place cost some.

    const std::array<ModelRow, kRowsPerModel> lcdRows{
        Row("LCD 5 x 7", {fixed6x10}),
        Row("rounded 5 x 7", {X11Bitmap("misc/mplus_h10r.pcf.gz", kMplus), fixed6x12}),
        Row("bold 5 x 7", {courierBold, fixed6x10}),
        Row("small 4 x 6", {X11Bitmap("misc/5x8.pcf.gz", kBase)})};

    return {
        {{6, 8}, lcdRows},
        {{8, 8},
         {Row("bold 7 x 7", {X11Bitmap("misc/clB8x8.pcf.gz", kBase), courierBold, fixed6x10}),
          Row("bold sans", {Outline("dejavu/DejaVuSans-Bold.ttf", kDejaVu, 0.86f)}),
          Row("LCD 5 x 7", {fixed6x10}), Row("VGA", {Console("FullCyrSlav-VGA8.psf.gz")})}},
        {{12, 16},
         {Row("narrow sans", {narrowSans}), EnlargedLcd(fixed6x10), Row("terminal", {terminal16}),
          Row("bold sans", {boldSans})}},
        {{16, 16},
         {EnlargedLcd(fixed6x10), Row("bold sans", {boldSans}), Row("terminal", {terminal16}),
          Row("narrow sans", {narrowSans})}},
        {{16, 24},
         {EnlargedLcd(fixed6x10), Row("condensed bold sans", {condensedBold}),
          Row("terminal", {X11Bitmap("misc/ter-u22b_unicode.pcf.gz", kTerminus)}),
          Row("small terminal", {X11Bitmap("misc/ter-u18b_unicode.pcf.gz", kTerminus)})}},
        {{24, 32},
         {Row("mono bold", {monoBold}), EnlargedLcd(fixed6x10), Row("terminal", {terminal32}),
          Row("narrow sans", {narrowSans})}},
        {{32, 40},
         {Row("sans", {sans}), Row("condensed bold sans", {condensedBold}),
          Row("narrow sans", {narrowSans}), Row("terminal", {terminal32})}},
        {{40, 48},
         {Row("sans", {sans}), EnlargedLcd(fixed6x10), Row("mono bold", {monoBold}),
          Row("narrow sans", {narrowSans})}},
        {{48, 56},
         {Row("sans", {sans}), EnlargedLcd(fixed6x10), Row("mono bold", {monoBold}),
          Row("narrow sans", {narrowSans})}},
        // The 5-column tables hold the LCD styles of 6 x 8 without the gap column.
        {{5, 8}, lcdRows},
        // Console and terminal fonts of the VGA shape.
        {{8, 16},
         {Row("VGA", {Console("FullCyrSlav-VGA16.psf.gz")}), Row("terminal", {terminal16}),
          Row("fixed", {Console("FullCyrSlav-Fixed16.psf.gz")}),
          Row("tall fixed",
              {X11Bitmap("misc/8x16.pcf.gz", kBase), Console("FullCyrSlav-Fixed16.psf.gz")})}},
    };
}

std::string Stem(const std::string& path) {
    const std::string file = path.substr(path.find_last_of('/') + 1);
    return file.substr(0, file.find('.'));
}

std::string SourceName(const FontSource& source) {
    std::string name = Stem(source.path);
    if (source.rendering == Rendering::Outline) {
        name.append(" ")
            .append(std::to_string(static_cast<int>(source.heightShare * 100.0f + 0.5f)))
            .append("%");
    } else if (source.dotScale > 1) {
        name.append(" x").append(std::to_string(source.dotScale));
    }
    return name;
}

// Rows drawn in a small cell and enlarged as "Увеличить шрифт" does, for fonts users enlarged.
void AddEnlarged(std::vector<PoolRow>& pool, int formatIndex, const FreeTypeLibrary& library,
                 const std::vector<SetFont>& fonts) {
    for (const SetFont& font : fonts) {
        if (font.source.dotScale != 1) {
            continue;
        }
        for (const Enlargement& from :
             {Enlargement{{6, 8}, 0}, Enlargement{{6, 8}, 1}, Enlargement{{8, 8}, 0}}) {
            if (!FontFitsCell(library, font.source, from.from.width, from.from.height) ||
                font.source.rendering == Rendering::Outline) {
                continue;
            }
            const std::string name = SourceName(font.source) + " enlarged from " +
                                     std::to_string(from.from.width) + " x " +
                                     std::to_string(from.from.height) + " column " +
                                     std::to_string(from.firstColumn);
            pool.push_back({formatIndex, name, font.family, ModelRow{name, {font.source}, from}});
        }
    }
}

}  // namespace

const std::vector<CellFormat>& ModelCells() {
    static const std::vector<CellFormat> cells = [] {
        std::vector<CellFormat> list;
        for (const ModelFormat& format : FormerRows()) {
            list.push_back(format.cell);
        }
        return list;
    }();
    return cells;
}

std::vector<PoolRow> CandidateRows() {
    const FreeTypeLibrary library;
    const std::vector<SetFont> fonts = TrainingFonts();
    const std::vector<ModelFormat> former = FormerRows();
    std::vector<PoolRow> pool;
    for (std::size_t n = 0; n < former.size(); ++n) {
        const int formatIndex = static_cast<int>(n);
        const CellFormat& cell = former[n].cell;
        for (const ModelRow& row : former[n].rows) {
            const bool listed = std::any_of(pool.begin(), pool.end(), [&](const PoolRow& other) {
                return other.formatIndex == formatIndex && other.name == row.style;
            });
            if (!listed) {
                pool.push_back({formatIndex, row.style, "", row});
            }
        }
        for (const SetFont& font : fonts) {
            // Outline rows at 100% and 80% of the height only, which keeps the search short;
            // the sets draw the fonts at 65% as well.
            const bool smallOutline =
                font.source.rendering == Rendering::Outline && font.source.heightShare < 0.7f;
            if (!smallOutline && FontFitsCell(library, font.source, cell.width, cell.height)) {
                const std::string name = SourceName(font.source);
                pool.push_back({formatIndex, name, font.family, ModelRow{name, {font.source}}});
            }
        }
        if (cell.width > 8) {
            AddEnlarged(pool, formatIndex, library, fonts);
        }
    }
    return pool;
}

std::filesystem::path DefaultChosenList() {
    // The build names the file beside these sources (make_models.sh, tests/models).
    return PIXMORA_CHOSEN_ROWS;
}

ChosenRows ReadChosenList(const std::filesystem::path& path) {
    std::ifstream in(path);
    if (!in) {
        throw RenderError("cannot read the chosen rows " + path.string());
    }
    ChosenRows chosen(ModelCells().size());
    std::vector<std::array<bool, kRowsPerModel>> seen(ModelCells().size());
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        std::istringstream fields(line);
        std::string file;
        std::size_t row = kRowsPerModel;
        fields >> file >> row;
        std::string name;
        std::getline(fields >> std::ws, name);
        std::size_t format = 0;
        if (std::sscanf(file.c_str(), "t%zu.mod", &format) != 1 || format >= chosen.size() ||
            row >= kRowsPerModel || name.empty() || seen[format][row]) {
            throw RenderError("bad line in " + path.string() + ": " + line);
        }
        chosen[format][row] = name;
        seen[format][row] = true;
    }
    for (std::size_t format = 0; format < chosen.size(); ++format) {
        for (std::size_t row = 0; row < kRowsPerModel; ++row) {
            if (!seen[format][row]) {
                throw RenderError(path.string() + " names no row " + std::to_string(row) + " of t" +
                                  std::to_string(format) + ".mod");
            }
        }
    }
    return chosen;
}

void WriteChosenList(const std::filesystem::path& path, const ChosenRows& chosen) {
    std::ofstream out(path, std::ios::trunc);
    out << "# The four rows of every model file: file, row, candidate row (model_fonts.cpp).\n"
           "# Written by choose_models; make_models.sh draws data/Model from it.\n";
    for (std::size_t format = 0; format < chosen.size(); ++format) {
        for (std::size_t row = 0; row < kRowsPerModel; ++row) {
            out << "t" << format << ".mod " << row << " " << chosen[format][row] << "\n";
        }
    }
    if (!out) {
        throw RenderError("cannot write " + path.string());
    }
}

std::vector<ModelFormat> ModelFormats(const std::filesystem::path& chosenList) {
    const auto chosen = ReadChosenList(chosenList);
    const std::vector<PoolRow> pool = CandidateRows();
    std::vector<ModelFormat> formats;
    for (std::size_t n = 0; n < chosen.size(); ++n) {
        ModelFormat format{ModelCells()[n], {}};
        for (std::size_t row = 0; row < kRowsPerModel; ++row) {
            const auto found = std::find_if(pool.begin(), pool.end(), [&](const PoolRow& c) {
                return c.formatIndex == static_cast<int>(n) && c.name == chosen[n][row];
            });
            if (found == pool.end()) {
                throw RenderError("no candidate row \"" + chosen[n][row] + "\" for t" +
                                  std::to_string(n) + ".mod");
            }
            format.rows[row] = found->row;
        }
        formats.push_back(format);
    }
    return formats;
}

std::vector<ModelFormat> ModelFormats() {
    return ModelFormats(DefaultChosenList());
}

}  // namespace models
