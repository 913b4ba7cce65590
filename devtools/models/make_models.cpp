// Writes the model files t0.mod, t1.mod, ... that import uses to recognise a font's cell format,
// byte scan and polarity.
//
//     make_models [--check] [--show] [--rows CHOSEN_LIST] DIRECTORY
//
// writes DIRECTORY/tN.mod for every cell format with the rows the chosen list names
// (chosen_rows.txt beside the sources unless --rows names another) and lists the font and size
// behind each glyph.
// --check writes nothing and fails when a file in DIRECTORY differs from what would be written;
// --show also draws every row as text.
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>

#include "model/formats.h"
#include "model_builder.h"
#include "model_fonts.h"

namespace {

using namespace models;

struct Options {
    bool check = false;
    bool show = false;
    std::filesystem::path rows = DefaultChosenList();
    std::filesystem::path directory;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--check") {
            options.check = true;
        } else if (argument == "--show") {
            options.show = true;
        } else if (argument == "--rows" && i + 1 < argc) {
            options.rows = argv[++i];
        } else if (options.directory.empty() && !argument.starts_with("-")) {
            options.directory = argument;
        } else {
            return false;
        }
    }
    return !options.directory.empty();
}

std::string FileName(std::size_t formatIndex) {
    return "t" + std::to_string(formatIndex) + ".mod";
}

// "DejaVuSans-Bold.ttf 17.25 px: % & 0 1" style lines, one per font that drew part of the row.
void ReportRow(const ModelRow& row, const BuiltRow& built, std::ostream& out) {
    std::map<std::string, std::string> usedBy;
    for (std::size_t slot = 1; slot < kTestChars.size(); ++slot) {
        const GlyphOrigin& origin = built.origins[slot];
        std::string key = origin.path;
        if (origin.pixelSize > 0.0f) {
            char size[32];
            std::snprintf(size, sizeof size, " %.2f px", static_cast<double>(origin.pixelSize));
            key += size;
        }
        static const char* const kNames[] = {" ", "%", "&", "/", "0", "1", "2", "3",
                                             "A", "B", "C", "D", "А", "Б", "В", "Г"};
        usedBy[key] += std::string(" ") + kNames[slot];
        if (origin.drawnAs != kTestChars[slot]) {
            usedBy[key] += std::string("(as Latin ") + static_cast<char>(origin.drawnAs) + ")";
        }
    }
    out << "  " << row.style << "\n";
    for (const auto& [font, characters] : usedBy) {
        out << "    " << font << ":" << characters << "\n";
    }
}

void ShowRow(const BuiltRow& built, const CellFormat& cell, std::ostream& out) {
    for (int y = 0; y < cell.height; ++y) {
        out << "    ";
        for (const DotMatrix& glyph : built.cells) {
            for (int x = 0; x < cell.width; ++x) {
                out << (glyph.at(x, y) ? '#' : '.');
            }
            out << ' ';
        }
        out << "\n";
    }
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Writes next to the target and renames, so an interrupted run leaves the old file whole.
void WriteFile(const std::filesystem::path& path, const std::string& text) {
    const std::filesystem::path temporary = path.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw RenderError("cannot write " + temporary.string());
        }
    }
    std::filesystem::rename(temporary, path);
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::cerr << "usage: make_models [--check] [--show] [--rows CHOSEN_LIST] DIRECTORY\n";
        return 2;
    }
    try {
        const FreeTypeLibrary library;
        const std::vector<ModelFormat> formats = ModelFormats(options.rows);
        // tN.mod belongs to format N of the program's table; a list out of step would write the
        // glyphs of one format into another's file.
        if (formats.size() != pixmora::kCellFormats.size()) {
            throw RenderError(std::to_string(formats.size()) + " model formats for " +
                              std::to_string(pixmora::kCellFormats.size()) + " cell formats");
        }
        for (std::size_t index = 0; index < formats.size(); ++index) {
            const pixmora::CellFormat& format = pixmora::kCellFormats[index];
            if (formats[index].cell.width != format.width ||
                formats[index].cell.height != format.height) {
                throw RenderError(FileName(index) + " is drawn for another cell than " +
                                  std::string(format.name));
            }
        }
        std::vector<std::string> texts;
        int stale = 0;
        for (std::size_t index = 0; index < formats.size(); ++index) {
            const ModelFormat& format = formats[index];
            const CellFormat& cell = format.cell;
            std::cout << FileName(index) << "  " << cell.width << " x " << cell.height
                      << ", drawing area " << cell.areaWidth() << " x " << cell.areaHeight()
                      << "\n";
            std::vector<std::uint8_t> bytes;
            std::array<bool, kRowsPerModel> enlargedRows{};
            for (std::size_t r = 0; r < format.rows.size(); ++r) {
                const ModelRow& row = format.rows[r];
                enlargedRows[r] = row.enlarged.has_value();
                const BuiltRow built = BuildRow(library, cell, row);
                ReportRow(row, built, std::cout);
                if (options.show) {
                    ShowRow(built, cell, std::cout);
                }
                for (const DotMatrix& glyph : built.cells) {
                    const std::vector<std::uint8_t> packed = PackVertical1(glyph);
                    bytes.insert(bytes.end(), packed.begin(), packed.end());
                }
            }
            const std::vector<std::string> faults = CheckModel(bytes, cell, enlargedRows);
            for (const std::string& fault : faults) {
                std::cerr << FileName(index) << ": " << fault << "\n";
            }
            if (!faults.empty()) {
                return 1;
            }
            texts.push_back(ModelFileText(bytes, cell));
        }
        // Nothing is written unless every format was built and checked.
        for (std::size_t index = 0; index < texts.size(); ++index) {
            const std::filesystem::path path = options.directory / FileName(index);
            if (!options.check) {
                WriteFile(path, texts[index]);
            } else if (ReadFile(path) != texts[index]) {
                std::cerr << path.string() << " differs from what the fonts give now\n";
                ++stale;
            }
        }
        return stale == 0 ? 0 : 1;
    } catch (const std::exception& error) {
        std::cerr << "make_models: " << error.what() << "\n";
        return 1;
    }
}
