// Measures how well the shipped model files recognise fonts that did not draw them.
//
//     measure_recognition [--enlarged] [--verbose] [--at-least SHARE] [--format "W x H"]...
//                         MODEL_DIRECTORY
//
// Every font of the list below is drawn whole (characters 32..255 of Windows-1251) into its cell
// format, packed in every byte scan the format offers, positive and negative (every byte
// complemented), and handed to the program's own recognition with the model files of the
// directory. A font counts as recognised when the result names its format, scan and polarity.
// The figures go out per format and in total; --verbose also lists the group products of the
// right trial and of the winner for every miss. --at-least makes the run fail when the total
// share is lower (0.9 for 90%); --format "W x H" (repeatable) measures only the fonts of that cell
// format (with --enlarged: only the enlargements to it). Where a listed font file is missing
// nothing is measured and the run ends with the code 77, which CTest counts as skipped.
//
// --enlarged measures fonts a user enlarged with "Увеличить шрифт" instead: the 6 x 8 and 8 x 8
// fonts of the list and the first fonts of the 6 x 8 and 8 x 8 model rows are drawn into their
// cell, packed in every scan and polarity, enlarged by the program's own EnlargeGlyph to every
// format the enlargement offers, and count as recognised when the result names the enlarged
// format, the scan and the polarity.
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "font_tables.h"
#include "glyph_render.h"
#include "import/recognition.h"
#include "io/font_reader.h"
#include "io/model_file.h"
#include "model/font_model.h"
#include "model/formats.h"
#include "model/glyph_packing.h"
#include "model_builder.h"
#include "model_fonts.h"
#include "quiet_host.h"
#include "transform/enlarge_dialog.h"
#include "transform/font_conversion.h"

namespace {

using models::DrawFont;
using models::DrawnFont;
using models::EnlargeFont;
using models::MovedRight;
using models::PackFont;

struct TestFont {
    int formatIndex;
    models::FontSource source;
};

models::FontSource X11(const std::string& file) {
    return {"/usr/share/fonts/X11/misc/" + file, "", models::Rendering::Bitmap};
}
models::FontSource Console(const std::string& file) {
    return {"/usr/share/consolefonts/" + file, "console-setup-linux", models::Rendering::Console};
}
models::FontSource Outline(const std::string& file, float heightShare) {
    return {
        "/usr/share/fonts/truetype/" + file, "", models::Rendering::Outline, 0, 1.0f, heightShare};
}

// Outline families that drew no model row, each at two sizes: capitals filling the drawing area,
// and capitals filling 80% of it so that descenders fit below them.
const std::array<const char*, 7> kUnseenOutlines = {
    "freefont/FreeSans.ttf",          "freefont/FreeSerif.ttf",
    "freefont/FreeMono.ttf",          "dejavu/DejaVuSansMono.ttf",
    "dejavu/DejaVuSansCondensed.ttf", "liberation/LiberationMono-Regular.ttf",
    "noto/NotoSansMono-Regular.ttf",
};

void AddOutlines(std::vector<TestFont>& fonts, int formatIndex, std::vector<float> shares) {
    for (const char* file : kUnseenOutlines) {
        for (float share : shares) {
            fonts.push_back({formatIndex, Outline(file, share)});
        }
    }
}

void AddBitmaps(std::vector<TestFont>& fonts, int formatIndex, std::vector<std::string> files) {
    for (const std::string& file : files) {
        fonts.push_back({formatIndex, X11(file)});
    }
}

void AddConsoles(std::vector<TestFont>& fonts, int formatIndex, std::vector<std::string> files) {
    for (const std::string& file : files) {
        fonts.push_back({formatIndex, Console(file)});
    }
}

// Fonts for every format, chosen by what fits the cell, from families and files that drew no
// model row (the run refuses a file that a model row uses).
std::vector<TestFont> TestFonts() {
    std::vector<TestFont> fonts;
    AddBitmaps(fonts, 0, {"5x7.pcf.gz", "4x6.pcf.gz", "koi5x8_c.pcf.gz", "spleen-5x8.pcf.gz"});
    AddBitmaps(fonts, 1, {"5x7.pcf.gz", "6x9.pcf.gz", "koi6x9_c.pcf.gz", "spleen-5x8.pcf.gz"});
    AddOutlines(fonts, 1, {1.0f});
    AddBitmaps(fonts, 2,
               {"6x13.pcf.gz", "7x13.pcf.gz", "7x14.pcf.gz", "8x13.pcf.gz", "9x15.pcf.gz",
                "ter-u12n_unicode.pcf.gz", "ter-u14n_unicode.pcf.gz", "ter-u14b_unicode.pcf.gz"});
    AddConsoles(fonts, 2, {"FullCyrSlav-Fixed14.psf.gz", "FullCyrSlav-Terminus14.psf.gz"});
    AddOutlines(fonts, 2, {1.0f, 0.8f});
    AddBitmaps(fonts, 3,
               {"7x14B.pcf.gz", "8x13.pcf.gz", "9x15.pcf.gz", "ter-u14n_unicode.pcf.gz",
                "ter-u14b_unicode.pcf.gz"});
    AddConsoles(fonts, 3, {"FullCyrSlav-VGA14.psf.gz", "FullCyrSlav-TerminusBold14.psf.gz"});
    AddOutlines(fonts, 3, {1.0f, 0.8f});
    AddBitmaps(fonts, 4,
               {"9x18.pcf.gz", "10x20.pcf.gz", "koi10x20_c.pcf.gz", "ter-u20n_unicode.pcf.gz",
                "ter-u20b_unicode.pcf.gz", "ter-u22n_unicode.pcf.gz"});
    AddConsoles(fonts, 4,
                {"FullCyrSlav-Terminus20x10.psf.gz", "FullCyrSlav-TerminusBold22x11.psf.gz"});
    AddOutlines(fonts, 4, {1.0f, 0.8f});
    AddBitmaps(fonts, 5,
               {"12x24.pcf.gz", "spleen-12x24.pcf.gz", "ter-u24n_unicode.pcf.gz",
                "ter-u28n_unicode.pcf.gz", "ter-u28b_unicode.pcf.gz"});
    AddConsoles(fonts, 5,
                {"FullCyrSlav-Terminus28x14.psf.gz", "FullCyrSlav-TerminusBold28x14.psf.gz"});
    AddOutlines(fonts, 5, {1.0f, 0.8f});
    AddBitmaps(fonts, 6, {"spleen-16x32.pcf.gz", "ter-u32n_unicode.pcf.gz"});
    AddConsoles(fonts, 6,
                {"FullCyrSlav-Terminus32x16.psf.gz", "FullCyrSlav-TerminusBold32x16.psf.gz"});
    AddOutlines(fonts, 6, {1.0f, 0.8f});
    AddOutlines(fonts, 7, {1.0f, 0.8f});
    AddOutlines(fonts, 8, {1.0f, 0.8f});
    AddBitmaps(fonts, 9,
               {"5x7.pcf.gz", "4x6.pcf.gz", "koi5x8_c.pcf.gz", "spleen-5x8.pcf.gz", "clR5x8.pcf.gz",
                "6x9.pcf.gz"});
    AddBitmaps(fonts, 10,
               {"spleen-8x16.pcf.gz", "clR8x16.pcf.gz", "clB8x16.pcf.gz", "8x13.pcf.gz",
                "8x13B.pcf.gz", "7x14.pcf.gz"});
    AddConsoles(fonts, 10,
                {"FullCyrSlav-TerminusBoldVGA16.psf.gz", "FullCyrSlav-Terminus16.psf.gz"});
    return fonts;
}

std::string Describe(const pixmora::Candidate& candidate) {
    return std::string(
               pixmora::kCellFormats[static_cast<std::size_t>(candidate.formatIndex)].name) +
           " " + std::string(pixmora::ScanOptionCaption(candidate.scan)) +
           (candidate.negative ? " negative" : " positive");
}

std::string Groups(const pixmora::TrialScores& scores) {
    std::string text;
    for (float product : scores.groups) {
        char value[16];
        std::snprintf(value, sizeof value, " %.3f", static_cast<double>(product));
        text += value;
    }
    return text;
}

std::string FontLabel(const TestFont& font, const DrawnFont& drawn) {
    std::string label = font.source.path.substr(font.source.path.find_last_of('/') + 1);
    if (font.source.rendering == models::Rendering::Outline) {
        char size[48];
        std::snprintf(size, sizeof size, " %.0f%% %.0f px",
                      static_cast<double>(font.source.heightShare * 100.0f),
                      static_cast<double>(drawn.pixelSize));
        label += size;
    }
    return label;
}

struct Options {
    bool enlarged = false;
    bool verbose = false;
    double atLeast = 0.0;
    std::set<int> formats;  // measure only the fonts of these formats; empty for all
    std::string modelDirectory;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--enlarged") {
            options.enlarged = true;
        } else if (argument == "--verbose") {
            options.verbose = true;
        } else if (argument == "--at-least" && i + 1 < argc) {
            options.atLeast = std::atof(argv[++i]);
        } else if (argument == "--format" && i + 1 < argc) {
            const std::optional<int> format = pixmora::FormatIndexByName(argv[++i]);
            if (!format) {
                return false;
            }
            options.formats.insert(*format);
        } else if (options.modelDirectory.empty() && !argument.starts_with("-")) {
            options.modelDirectory = argument;
        } else {
            return false;
        }
    }
    return !options.modelDirectory.empty();
}

// The files that drew the model rows, which a fair measurement must not use.
std::set<std::string> ModelFontFiles() {
    std::set<std::string> files;
    for (const models::ModelFormat& format : models::ModelFormats()) {
        for (const models::ModelRow& row : format.rows) {
            for (const models::FontSource& source : row.fonts) {
                files.insert(source.path);
            }
        }
    }
    return files;
}

constexpr int kSkipped = 77;

bool FontsInstalled(const std::vector<TestFont>& fonts) {
    bool all = true;
    for (const TestFont& font : fonts) {
        if (!std::filesystem::exists(font.source.path)) {
            std::cerr << "not installed: " << font.source.path << "\n";
            all = false;
        }
    }
    return all;
}

using ModelBytes = std::array<std::span<const std::uint8_t>, pixmora::kFormatCount>;

// Recognitions tried and right per format: the font's own, or the enlarged one.
struct Tally {
    std::array<int, pixmora::kFormatCount> tried{};
    std::array<int, pixmora::kFormatCount> right{};

    double Share() const {
        int allTried = 0, allRight = 0;
        for (std::size_t n = 0; n < tried.size(); ++n) {
            allTried += tried[n];
            allRight += right[n];
        }
        return static_cast<double>(allRight) / std::max(allTried, 1);
    }

    void Print(const std::string& heading) const {
        int allTried = 0, allRight = 0;
        std::cout << "\n" << heading << ":\n";
        for (std::size_t n = 0; n < tried.size(); ++n) {
            allTried += tried[n];
            allRight += right[n];
            if (tried[n] > 0) {
                std::printf("  %-8s %4d / %4d  %5.1f%%\n",
                            std::string(pixmora::kCellFormats[n].name).c_str(), right[n], tried[n],
                            100.0 * right[n] / tried[n]);
            }
        }
        std::printf("  %-8s %4d / %4d  %5.1f%%\n", "total", allRight, allTried,
                    100.0 * allRight / std::max(allTried, 1));
    }
};

// Recognises one packed font, counts the result under the truth's format and describes a miss
// (empty when the truth was found).
std::string Recognise(const std::vector<std::uint8_t>& bytes, const pixmora::Candidate& truth,
                      const ModelBytes& models, bool verbose, Tally& tally) {
    const pixmora::Recognition found = pixmora::RecogniseData(bytes, models);
    const bool ok = found.Recognised && found.candidate.formatIndex == truth.formatIndex &&
                    found.candidate.scan == truth.scan &&
                    found.candidate.negative == truth.negative;
    ++tally.tried[static_cast<std::size_t>(truth.formatIndex)];
    tally.right[static_cast<std::size_t>(truth.formatIndex)] += ok ? 1 : 0;
    if (ok) {
        return {};
    }
    std::string miss = "      " + Describe(truth) + " taken for " +
                       (found.Recognised ? Describe(found.candidate) : "nothing") + "\n";
    if (verbose) {
        const auto& own =
            found.table[static_cast<std::size_t>(truth.formatIndex)]
                       [static_cast<std::size_t>(pixmora::TrialOf(truth.scan, truth.negative))];
        const auto& winner = found.table[static_cast<std::size_t>(found.candidate.formatIndex)]
                                        [static_cast<std::size_t>(pixmora::TrialOf(
                                            found.candidate.scan, found.candidate.negative))];
        miss += "        groups right" + Groups(own) + ", winner" + Groups(winner) + "\n";
    }
    return miss;
}

void PrintFontResult(const std::string& heading, const TestFont& font, const DrawnFont& drawn,
                     const std::string& misses) {
    std::cout << heading << "  " << FontLabel(font, drawn)
              << (drawn.cyrillic ? "" : " (no Cyrillic)")
              << (drawn.clippedTests > 0
                      ? " (" + std::to_string(drawn.clippedTests) + " test characters cut)"
                      : "")
              << (misses.empty() ? ": all recognised\n" : ":\n" + misses);
}

Tally MeasureOwnFormats(const std::vector<TestFont>& fonts, const ModelBytes& models,
                        bool verbose) {
    const models::FreeTypeLibrary library;
    Tally tally;
    for (const TestFont& font : fonts) {
        const pixmora::CellFormat& format =
            pixmora::kCellFormats[static_cast<std::size_t>(font.formatIndex)];
        const DrawnFont drawn =
            DrawFont(library, font.source, models::CellFormat{format.width, format.height});
        std::string misses;
        for (int scan = 0; scan < pixmora::kScanCount; ++scan) {
            if (!pixmora::ScanOffered(format.width, scan)) {
                continue;
            }
            for (bool negative : {false, true}) {
                misses += Recognise(PackFont(drawn, format, scan, negative),
                                    {font.formatIndex, scan, negative}, models, verbose, tally);
            }
        }
        PrintFontResult(std::string(format.name), font, drawn, misses);
    }
    return tally;
}

// The small fonts a user may enlarge: the 6 x 8 and 8 x 8 fonts of the list, then the first font
// of every 6 x 8 and 8 x 8 model row (those drew no row of the larger formats).
std::vector<TestFont> SmallFonts(std::size_t& unseenCount) {
    std::vector<TestFont> fonts;
    for (const TestFont& font : TestFonts()) {
        if (font.formatIndex <= 1) {
            fonts.push_back(font);
        }
    }
    unseenCount = fonts.size();
    const std::vector<models::ModelFormat> modelFormats = models::ModelFormats();
    for (int formatIndex = 0; formatIndex <= 1; ++formatIndex) {
        for (const models::ModelRow& row :
             modelFormats[static_cast<std::size_t>(formatIndex)].rows) {
            fonts.push_back({formatIndex, row.fonts.front()});
        }
    }
    return fonts;
}

// Tallies per enlarged format: the fonts of the list alone, and all small fonts.
// Only the enlargements to `targets` when it is not empty.
std::array<Tally, 2> MeasureEnlarged(const ModelBytes& models, const std::set<int>& targets,
                                     bool verbose) {
    std::size_t unseenCount = 0;
    const std::vector<TestFont> fonts = SmallFonts(unseenCount);
    const models::FreeTypeLibrary library;
    std::array<Tally, 2> tallies;
    for (std::size_t f = 0; f < fonts.size(); ++f) {
        const TestFont& font = fonts[f];
        const pixmora::CellFormat& format =
            pixmora::kCellFormats[static_cast<std::size_t>(font.formatIndex)];
        const DrawnFont drawn =
            DrawFont(library, font.source, models::CellFormat{format.width, format.height});
        for (bool moved : {false, true}) {
            const DrawnFont placed = moved ? MovedRight(drawn) : drawn;
            std::string misses;
            Tally tally;
            for (int scan = 0; scan < pixmora::kScanCount; ++scan) {
                if (!pixmora::ScanOffered(format.width, scan)) {
                    continue;
                }
                pixmora::FontParams params;
                params.CellWidth = format.width;
                params.CellHeight = format.height;
                params.FontByteScan = scan;
                for (const std::string& offered : pixmora::OfferedEnlargements(params)) {
                    const int target = *pixmora::FormatIndexByListText(offered);
                    if (!targets.empty() && !targets.contains(target)) {
                        continue;
                    }
                    const pixmora::CellFormat& enlarged =
                        pixmora::kCellFormats[static_cast<std::size_t>(target)];
                    for (bool negative : {false, true}) {
                        misses += Recognise(EnlargeFont(PackFont(placed, format, scan, negative),
                                                        format, enlarged, scan),
                                            {target, scan, negative}, models, verbose, tally);
                    }
                }
            }
            for (std::size_t n = 0; n < pixmora::kFormatCount; ++n) {
                for (std::size_t t = f < unseenCount ? 0 : 1; t < tallies.size(); ++t) {
                    tallies[t].tried[n] += tally.tried[n];
                    tallies[t].right[n] += tally.right[n];
                }
            }
            PrintFontResult(std::string(format.name) + (f < unseenCount ? "" : " model row") +
                                (moved ? " moved right" : "") + " enlarged",
                            font, drawn, misses);
        }
    }
    return tallies;
}

int Measure(const Options& options) {
    pixmora::fuzz::QuietHost host;
    std::vector<pixmora::ModelFileData> files;
    ModelBytes modelBytes{};
    files.reserve(pixmora::kFormatCount);
    for (int n = 0; n < pixmora::kFormatCount; ++n) {
        const std::string path = options.modelDirectory + "/" + pixmora::ModelFileName(n);
        files.push_back(pixmora::ReadModelFile(path, host));
        if (files.back().failure || files.back().ImportAborted) {
            std::cerr << "cannot read " << path << "\n";
            return 1;
        }
        modelBytes[static_cast<std::size_t>(n)] = files.back().ModelBuffer;
    }

    std::vector<TestFont> fonts = TestFonts();
    if (!options.formats.empty()) {
        std::erase_if(fonts, [&](const TestFont& font) {
            return !options.formats.contains(font.formatIndex);
        });
    }
    if (!FontsInstalled(fonts)) {
        return kSkipped;
    }
    double share = 0.0;
    if (options.enlarged) {
        const std::array<Tally, 2> tallies =
            MeasureEnlarged(modelBytes, options.formats, options.verbose);
        tallies[0].Print(
            "fonts of the list, recognised with the enlarged format, scan and polarity");
        tallies[1].Print("with the model-row fonts");
        share = tallies[0].Share();
    } else {
        // A listed font that now draws a row says nothing about unseen fonts: left out.
        const std::set<std::string> modelFiles = ModelFontFiles();
        std::erase_if(fonts, [&](const TestFont& font) {
            const bool drew = modelFiles.contains(font.source.path);
            if (drew) {
                std::cout << "left out, it drew a model row: " << font.source.path << "\n";
            }
            return drew;
        });
        const Tally tally = MeasureOwnFormats(fonts, modelBytes, options.verbose);
        tally.Print("recognised with the right format, scan and polarity");
        share = tally.Share();
    }
    return share + 1e-9 >= options.atLeast ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::cerr << "usage: measure_recognition [--enlarged] [--verbose] [--at-least SHARE] "
                     "[--format \"W x H\"]... MODEL_DIRECTORY\n";
        return 2;
    }
    try {
        return Measure(options);
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
}
