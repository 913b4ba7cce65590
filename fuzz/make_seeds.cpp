// Writes the starting corpora of the fuzz targets into <dir>/<target>/: what the exporter writes
// for the glyphs of the shipped model files, in every output format, notation and a few HEX
// start addresses, the glyphs themselves for recognition and the transforms, and texts of the
// number fields.
#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "import/recognition.h"
#include "io/byte_notation.h"
#include "io/font_reader.h"
#include "io/font_writer.h"
#include "io/model_file.h"
#include "model/formats.h"
#include "model/glyph_packing.h"
#include "quiet_host.h"

namespace pixmora {
namespace {

namespace fs = std::filesystem;

// The reader targets take their first byte as the choice of room: 0 is a whole font image,
// 0x85 six bytes only.
constexpr std::array<char, 2> kRoomChoices{'\x00', '\x85'};

class SeedWriter {
  public:
    SeedWriter(const fs::path& root, const std::string& target) : dir_(root / target) {
        fs::create_directories(dir_);
    }
    void Add(const std::string& contents) {
        std::ofstream(dir_ / ("seed-" + std::to_string(count_++)), std::ios::binary) << contents;
    }
    void AddWithRoom(const std::string& contents) {
        for (const char room : kRoomChoices) {
            Add(std::string(1, room) + contents);
        }
    }

  private:
    fs::path dir_;
    int count_ = 0;
};

// The 64 glyphs of a shipped model file as bytes.
std::vector<std::uint8_t> ModelGlyphBytes(const fs::path& modelDir, int formatIndex) {
    fuzz::QuietHost host;
    const ModelFileData model =
        ReadModelFile((modelDir / ModelFileName(formatIndex)).string(), host);
    return {model.ModelBuffer.begin(), model.ModelBuffer.begin() + model.valuesRead};
}

std::string SourceText(std::span<const std::uint8_t> bytes, OutputFormat format,
                       NumberNotation notation, int valuesPerLine) {
    std::ostringstream out;
    WriteSourceText(out, bytes, format, notation, valuesPerLine);
    return out.str();
}

std::string HexText(std::span<const std::uint8_t> bytes, std::uint32_t start) {
    std::ostringstream out;
    WriteIntelHex(out, bytes, start);
    return out.str();
}

// A BDF font of the first glyphs of a model file (packed vertical 1), naming its own parameters
// on every second format and left as a plain 8-bit font on the others.
std::string BdfText(std::span<const std::uint8_t> glyphs, int formatIndex) {
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(formatIndex)];
    const int count = std::min(4, static_cast<int>(glyphs.size()) / format.bytesPerChar);
    const bool own = formatIndex % 2 == 0;
    const std::string box = std::to_string(format.width) + " " + std::to_string(format.height);
    std::ostringstream out;
    out << "STARTFONT 2.1\nFONT -seed-fixed\nSIZE " << format.height << " 75 75\n"
        << "FONTBOUNDINGBOX " << box << " 0 -2\nSTARTPROPERTIES " << (own ? 5 : 2) << "\n"
        << "CHARSET_REGISTRY \"" << (own ? "ISO10646" : "MICROSOFT") << "\"\n"
        << "CHARSET_ENCODING \"" << (own ? "1" : "CP1251") << "\"\n";
    if (own) {
        out << "PIXMORA_FORMAT \"" << format.name << "\"\nPIXMORA_SCAN \"v1\"\n"
            << "PIXMORA_NEGATIVE 0\n";
    }
    out << "ENDPROPERTIES\nCHARS " << count << "\n";
    for (int k = 0; k < count; ++k) {
        const auto glyph = glyphs.subspan(static_cast<std::size_t>(k * format.bytesPerChar),
                                          static_cast<std::size_t>(format.bytesPerChar));
        out << "STARTCHAR c" << k << "\nENCODING " << (own ? 0x410 + k : 0xC0 + k)
            << "\nSWIDTH 500 0\nDWIDTH " << format.width << " 0\nBBX " << box << " 0 -2\nBITMAP\n";
        for (int row = 0; row < format.height; ++row) {
            for (int byte = 0; byte < (format.width + 7) / 8; ++byte) {
                unsigned value = 0;
                for (int bit = 0; bit < 8; ++bit) {
                    const int column = byte * 8 + bit;
                    value = value << 1U |
                            (column < format.width &&
                                     GlyphDot(glyph, kScanVertical1, format.width, row, column)
                                 ? 1U
                                 : 0U);
                }
                constexpr std::string_view kDigits = "0123456789ABCDEF";
                out << kDigits[value >> 4U] << kDigits[value & 15U];
            }
            out << "\n";
        }
        out << "ENDCHAR\n";
    }
    out << "ENDFONT\n";
    return out.str();
}

void WriteSeeds(const fs::path& root, const fs::path& modelDir) {
    SeedWriter binary(root, "binary_reader");
    SeedWriter bdf(root, "bdf_reader");
    SeedWriter hex(root, "hex_reader");
    SeedWriter source(root, "source_reader");
    SeedWriter modelText(root, "model_text");
    SeedWriter recognition(root, "recognition");
    SeedWriter transform(root, "transform");
    for (int n = 0; n < kFormatCount; ++n) {
        const std::vector<std::uint8_t> glyphs = ModelGlyphBytes(modelDir, n);
        const int bytesPerChar = kCellFormats[static_cast<std::size_t>(n)].bytesPerChar;
        std::vector<std::uint8_t> inverted = glyphs;
        for (auto& byte : inverted) {
            byte = static_cast<std::uint8_t>(255 - byte);
        }
        recognition.Add({glyphs.begin(), glyphs.end()});
        bdf.Add(BdfText(glyphs, n));
        // Formats and scans first, then the glyphs: to the largest format, vertical 1 to 2 and
        // horizontal 1 to 2 where the width allows it.
        for (const char scan : {'\0', '\2'}) {
            transform.Add(
                std::string{static_cast<char>(n), '\x08', scan, static_cast<char>(scan + 1)} +
                std::string(glyphs.begin(), glyphs.end()));
        }
        recognition.Add({inverted.begin(), inverted.end()});
        modelText.Add(SourceText(glyphs, OutputFormat::DataCode, NumberNotation::AmpH,
                                 ValuesPerLine(bytesPerChar)));
        // The larger formats make long inputs that slow every run: a few characters suffice.
        const auto sample = std::span(glyphs).first(
            std::min<std::size_t>(glyphs.size(), static_cast<std::size_t>(4 * bytesPerChar)));
        binary.AddWithRoom({sample.begin(), sample.end()});
        for (const std::uint32_t start : {0U, 0xFFF0U, 32767U}) {
            hex.AddWithRoom(HexText(sample, start));
        }
        for (int format = 0; format < 3; ++format) {
            for (int notation = 0; notation < 5; ++notation) {
                source.AddWithRoom(SourceText(sample, static_cast<OutputFormat>(format),
                                              static_cast<NumberNotation>(notation),
                                              ValuesPerLine(bytesPerChar)));
            }
        }
    }
    source.AddWithRoom(
        "' comment\r\n/* block\r\nstill */\r\n; also\r\nData &h01,$02,#03\n"
        ".db 0x04,05h,0A5h\r\n");

    SeedWriter code(root, "source_code");
    for (const char* text :
         {"// font\n#include <stdint.h>\nconst uint8_t font[2][3] = {\n  {0x00, 0b1, 017}, // A\n"
          "  {B0101, 255, 0X1f} /* } */\n};\nconst uint16_t w[] = {0x8001, -1};\n",
          "fontdatatype f[10] PROGMEM={\n0x10,0x10,0x20,0x01,\n0,0,0,0,0,0};\n",
          "; table\nfont: .db $00, &h01, #02, 03h, %0100, 'A'\n .DB 5 ; x\nnext DB 6\n",
          "FontTable\n    addwf PCL, F\n    RETLW b'00111110'\n    retlw .65\n    DT 1, h'02'\n",
          "/* never closed\nconst char x[] = { 1,", "const char y[] = { 1, 2"}) {
        code.Add(text);
    }

    SeedWriter fields(root, "number_fields");
    for (const char* text : {"32|255", "&h20|&hFF", "0x1000", "$7FFF", "#12|1000h", "2.5|-0.4",
                             " 12 |\t255\t", "+.5|3.5", "&HFFFFFFFF|-2147483648.5"}) {
        fields.Add(text);
    }
}

}  // namespace
}  // namespace pixmora

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: pixmora_fuzz_seeds <corpus dir> <Model dir>\n";
        return 2;
    }
    pixmora::WriteSeeds(argv[1], argv[2]);
    return 0;
}
