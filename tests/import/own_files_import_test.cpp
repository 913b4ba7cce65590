// Files that describe themselves (our own C headers and BDF files) and BDF fonts in general come
// in through the import without recognition.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "editor/editor.h"
#include "editor/startup.h"
#include "import/bdf_import.h"
#include "import/import_font.h"
#include "import/recognise_font.h"
#include "model/glyph_packing.h"
#include "support/fake_host.h"
#include "support/scratch_dir.h"
#include "support/test_font.h"
#include "synthetic_font.h"

namespace pixmora {
namespace {

using test::Bytes;

// A header as the export writes it: the macros, one array with a flash attribute, a comment and
// a drawn block per character, values with a trailing comma.
std::string OwnHeader(const Bytes& bytes, int formatIndex, int scan, bool negative, int first) {
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(formatIndex)];
    const char* scans[] = {"v1", "v2", "h1", "h2"};
    const int count = static_cast<int>(bytes.size()) / format.bytesPerChar;
    std::string text = "#ifndef MY_FONT_H\n#define MY_FONT_H\n#include <stdint.h>\n";
    for (const auto& [name, value] : {std::pair{"WIDTH", std::to_string(format.width)},
                                      {"HEIGHT", std::to_string(format.height)},
                                      {"BYTES_PER_CHAR", std::to_string(format.bytesPerChar)},
                                      {"FIRST_CODE", std::to_string(first)},
                                      {"COUNT", std::to_string(count)},
                                      {"SCAN", std::string("\"") + scans[scan] + "\""},
                                      {"NEGATIVE", negative ? "1" : "0"}}) {
        text.append("#define MY_FONT_").append(name).append(" ").append(value).append("\n");
    }
    text.append("static const uint8_t my_font[")
        .append(std::to_string(bytes.size()))
        .append("] __attribute__((section(\".rodata\"))) = {\n");
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        if (k % static_cast<std::size_t>(format.bytesPerChar) == 0) {
            text += "    /* 0xC0 'А'\n       #..#\n       .##. */\n   ";
        }
        char value[8];
        std::snprintf(value, sizeof value, " 0x%02X,", bytes[k]);
        text += value;
    }
    return text + "\n};\n#endif\n";
}

class OwnFilesImportTest : public test::ScratchProgramDir {
  protected:
    void SetUp() override {
        ScratchProgramDir::SetUp();
        StartUp(ed);
    }
    std::string Offer(const std::string& name, const std::string& text) {
        const std::string path = PathOf(name);
        test::WriteWholeFile(path, text);
        host.openResults.push_back(path);
        return path;
    }
    // The top rows of a character of the open font, '#' for a lit dot.
    std::vector<std::string> TopRows(int code, int rows) const {
        const std::span<const std::uint8_t> glyph =
            CharGlyph(ed.font.FontImage, code - 32, ed.params.BytesPerChar);
        std::vector<std::string> picture(static_cast<std::size_t>(rows));
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < ed.params.CellWidth; ++column) {
                picture[static_cast<std::size_t>(row)] +=
                    GlyphDot(glyph, ed.params.FontByteScan, ed.params.CellWidth, row, column) ? '#'
                                                                                              : '.';
            }
        }
        return picture;
    }
    Bytes ImageBytes(int from, int count) const {
        return {ed.font.FontImage.begin() + from, ed.font.FontImage.begin() + from + count};
    }
    test::FakeHost host;
    Editor ed;
};

// Partly drawn fonts, which recognition could not tell, come back exactly in every format, scan,
// polarity and from a first code other than 32; no model file is read (there are none here).
TEST_F(OwnFilesImportTest, OwnHeadersGiveTheirParametersInEveryFormatScanAndPolarity) {
    std::mt19937 random(5);
    for (int formatIndex = 0; formatIndex < kFormatCount; ++formatIndex) {
        const CellFormat& format = kCellFormats[static_cast<std::size_t>(formatIndex)];
        for (int scan = 0; scan < kScanCount; ++scan) {
            for (bool negative : {false, true}) {
                if (!ScanOffered(format.width, scan)) {
                    continue;
                }
                SCOPED_TRACE(::testing::Message() << format.name << " " << scan << negative);
                const Bytes drawn = test::RandomBytes(random, 3 * format.bytesPerChar);
                const std::string path =
                    Offer("font.h", OwnHeader(drawn, formatIndex, scan, negative, 65));
                const FontRecognition got = RecogniseFont(path, host);
                ASSERT_FALSE(got.failure);
                ASSERT_TRUE(got.table && got.table->own);
                EXPECT_EQ(got.found.candidate.formatIndex, formatIndex);
                EXPECT_EQ(got.found.candidate.scan, scan);
                EXPECT_EQ(got.found.candidate.negative, negative);
                const auto at = static_cast<std::ptrdiff_t>((65 - 32) * format.bytesPerChar);
                EXPECT_EQ(Bytes(got.ImportBuffer.begin() + at,
                                got.ImportBuffer.begin() + at + static_cast<long>(drawn.size())),
                          drawn);
                EXPECT_EQ(got.ImportBuffer[0], negative ? 255 : 0);
                host.openResults.clear();
            }
        }
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(OwnFilesImportTest, ImportShowsWhatTheHeaderGaveAndLoadsIt) {
    const Bytes drawn{0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81};
    Offer("font.H", OwnHeader(drawn, 1, kScanHorizontal1, false, 192));
    host.answers = {MsgAnswer::Yes};
    ImportFont(ed, host);
    EXPECT_EQ(host.texts(), std::vector<std::string>{
                                "Параметры из файла:\r\r- формат:      8  x  8\r"
                                "- развертка:  горизонтальная 1\r- вид:             позитив\r\r"
                                "Массив: my_font\rПрочитано байт: 8\rПервый код: 192\r\r"
                                "Загрузить с этими параметрами?\n\n"});
    EXPECT_EQ(ed.params.FontByteScan, kScanHorizontal1);
    EXPECT_EQ(ImageBytes((192 - 32) * 8, 8), drawn);
    EXPECT_EQ(ImageBytes(0, 8), Bytes(8, 0));
}

const char* kBdf =
    "STARTFONT 2.1\nFONT -x-be\nSIZE 8 75 75\nFONTBOUNDINGBOX 5 3 0 0\nSTARTPROPERTIES "
    "2\nCHARSET_REGISTRY \"ISO10646\"\n"
    "CHARSET_ENCODING \"1\"\nENDPROPERTIES\nCHARS 1\nSTARTCHAR Be\nENCODING 1041\nBBX 5 3 0 0\n"
    "BITMAP\nF8\n80\nF0\nENDCHAR\nENDFONT\n";

TEST_F(OwnFilesImportTest, ABdfFontIsDrawnIntoTheSmallestFormatAfterTheReport) {
    Offer("font.bdf", kBdf);
    host.answers = {MsgAnswer::Yes};
    ImportFont(ed, host);
    EXPECT_EQ(host.texts(),
              std::vector<std::string>{"Шрифт BDF:\r\r- формат:      5  x  8\r"
                                       "- развертка:  вертикальная 1\r- вид:             позитив\r"
                                       "- знаков:  1\r\rЗагрузить с этими параметрами?\n\n"});
    EXPECT_EQ(ed.params.CellWidth, 5);
    EXPECT_EQ(TopRows(0xC1, 4), (std::vector<std::string>{"#####", "#....", "####.", "....."}));
    EXPECT_EQ(ed.font.CharDefined[0xC1 - 32], kLit);
}

TEST_F(OwnFilesImportTest, NoGivesTheParametersByHandAndTheFileIsDrawnWithThem) {
    Offer("font.bdf", kBdf);
    host.answers = {MsgAnswer::No};
    host.paramsDialog = [](Editor&) { return ParamsChoice{1, kScanHorizontal1, true}; };
    ImportFont(ed, host);
    EXPECT_EQ(ed.params.CellWidth, 8);
    EXPECT_EQ(ed.params.FontByteScan, kScanHorizontal1);
    EXPECT_EQ(ed.params.PositiveFont, 0);
    EXPECT_EQ(ImageBytes((0xC1 - 32) * 8, 4), (Bytes{0xF8, 0x80, 0xF0, 0x00}))
        << "the image holds the dots, whatever the polarity";
}

TEST_F(OwnFilesImportTest, ADamagedBdfIsToldAndTheOpenFontStays) {
    test::OpenTestFont(ed, 1, kScanVertical1);
    ed.font.FontImage[3] = 0x5A;
    ed.win.nosave = 0;
    const Editor before = ed;
    std::string damaged = kBdf;
    damaged.erase(damaged.find("F0\n"));
    Offer("font.bdf", damaged);
    ImportFont(ed, host);
    EXPECT_EQ(host.texts(),
              std::vector<std::string>{"Файл BDF поврежден, строка 15: знак не закончен."});
    EXPECT_EQ(ed.font.FontImage, before.font.FontImage);
    EXPECT_EQ(ed.params.CellWidth, 8);
    EXPECT_EQ(ed.params.FontByteScan, kScanVertical1);
}

}  // namespace
}  // namespace pixmora
