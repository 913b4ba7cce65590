// Importing font tables as firmware sources hold them: C, C++ and assembler arrays, headers before
// the glyphs, tables that start below or above code 32, files with several arrays, and files that
// are no source code at all.
#include "import/source_import.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>

#include "commands/params_dialog.h"
#include "editor/editor.h"
#include "editor/startup.h"
#include "import/import_font.h"
#include "io/font_writer.h"
#include "io/model_file.h"
#include "source_styles.h"
#include "support/fake_host.h"
#include "support/scratch_dir.h"
#include "synthetic_font.h"

namespace pixmora {
namespace {

using test::Bytes;

constexpr const char* kSyntaxStop = "Нераспознанный синтаксис данных.Загрузка файла прекращена.";

class SourceImportTest : public test::ScratchProgramDir {
  protected:
    void SetUp() override {
        ScratchProgramDir::SetUp();
        host.programDir = Dir();
        for (int n = 0; n < kFormatCount; ++n) {
            std::ostringstream text;
            const int bpc = kCellFormats[static_cast<std::size_t>(n)].bytesPerChar;
            WriteSourceText(text, models[static_cast<std::size_t>(n)], OutputFormat::DataCode,
                            NumberNotation::AmpH, ValuesPerLine(bpc));
            test::WriteWholeFile(PathOf("Model/" + ModelFileName(n)), text.str());
        }
        StartUp(ed);
    }

    void Offer(const std::string& name, const std::string& text) {
        test::WriteWholeFile(PathOf(name), text);
        host.openResults.push_back(PathOf(name));
    }

    // The glyphs of codes first .. first + chars - 1: from a font made of model row 1 for codes
    // 32..255, other dots outside them (which the import must drop).
    Bytes Table(int format, int scan, int first, int chars, bool negative = false) {
        const int bpc = test::FormatAt(format).bytesPerChar;
        const Bytes font = test::FontFromModel(models[static_cast<std::size_t>(format)], format, 1,
                                               scan, negative);
        Bytes table;
        for (int code = first; code < first + chars; ++code) {
            for (int i = 0; i < bpc; ++i) {
                const bool inFont = code >= kFirstCode && code < kFirstCode + kCharCount;
                table.push_back(inFont
                                    ? font[static_cast<std::size_t>((code - kFirstCode) * bpc + i)]
                                    : static_cast<std::uint8_t>(code * 7 + i + 1));
            }
        }
        return table;
    }

    // The font image the table must give: its characters from code 32 on at their codes.
    static Bytes Expected(const Bytes& table, int bpc, int first) {
        Bytes image(static_cast<std::size_t>(kCharCount * bpc), 0);
        for (std::size_t i = 0; i < table.size(); ++i) {
            const auto code = first + static_cast<int>(i) / bpc;
            if (code >= kFirstCode && code < kFirstCode + kCharCount) {
                image[static_cast<std::size_t>((code - kFirstCode) * bpc) +
                      i % static_cast<std::size_t>(bpc)] = table[i];
            }
        }
        return image;
    }

    Bytes Image(int bpc) const {
        return {ed.font.FontImage.begin(), ed.font.FontImage.begin() + kCharCount * bpc};
    }

    std::mt19937 random{23};
    std::array<Bytes, kFormatCount> models = test::RandomModels(random);
    test::FakeHost host;
    Editor ed;
};

struct Style {
    const char* label;
    const char* file;
    const char* array;
    int format;
    int scan;
    int first;
    int chars;
    bool negative;
    std::function<std::string(const Bytes& table, int bpc)> write;
};

std::ostream& operator<<(std::ostream& out, const Style& style) {
    return out << style.label;
}

const Style kStyles[] = {
    {"TwoDimensionalCFromCode0", "font8x8_basic.h", "font8x8_basic", 1, kScanHorizontal2, 0, 128,
     false,
     [](const Bytes& t, int bpc) {
         return test::TwoDimensionalC("char", "font8x8_basic", t, bpc, 0);
     }},
    {"ProgmemBehindAFourByteHeader", "arial_bold.c", "arial_bold", 3, kScanVertical1, 32, 95, false,
     [](const Bytes& t, int bpc) {
         const Bytes header{0x10, 0x10, 0x20, 0x5F};
         return test::FlatProgmemC("arial_bold", header, t, bpc);
     }},
    {"Uint16RowsOfASixteenWideFont", "font16.c", "font16", 3, kScanHorizontal1, 32, 224, false,
     [](const Bytes& t, int) { return test::Uint16RowsC("font16", t); }},
    {"AvrDbWithLabels", "font.asm", "font6x8", 0, kScanVertical1, 32, 224, false,
     [](const Bytes& t, int bpc) { return test::AvrDb("font6x8", t, bpc); }},
    {"PicRetlw", "font.inc", "FontTable", 1, kScanVertical2, 32, 96, false,
     [](const Bytes& t, int) { return test::PicRetlw("FontTable", t); }},
    {"FullSetFromCode0", "lcd.c", "lcd_font", 2, kScanVertical1, 0, 256, false,
     [](const Bytes& t, int) { return test::FlatProgmemC("lcd_font", {}, t, 24); }},
    {"DigitsFromCode45", "digits.h", "big_digits", 5, kScanHorizontal1, 45, 13, false,
     [](const Bytes& t, int bpc) {
         return test::TwoDimensionalC("uint8_t", "big_digits", t, bpc, 45);
     }},
    {"NegativeDigitsFromCode48", "neg_digits.c", "neg_digits", 1, kScanVertical1, 48, 10, true,
     [](const Bytes& t, int) { return test::FlatProgmemC("neg_digits", {}, t, 8); }},
};

class SourceStyle : public SourceImportTest, public ::testing::WithParamInterface<Style> {};

TEST_P(SourceStyle, IsRecognisedAndLoadedFromItsFirstCode) {
    const Style& style = GetParam();
    const int bpc = test::FormatAt(style.format).bytesPerChar;
    const Bytes table = Table(style.format, style.scan, style.first, style.chars, style.negative);
    Offer(style.file, style.write(table, bpc));
    host.answers.push_back(MsgAnswer::Yes);
    ImportFont(ed, host);

    ASSERT_EQ(host.messages.size(), 1U) << (host.messages.empty() ? "" : host.messages[0].text);
    const std::string& report = host.messages[0].text;
    EXPECT_EQ(report.rfind("Детектирован шрифт:", 0), 0U) << report;
    EXPECT_NE(report.find(std::string("\rМассив: ") + style.array + "\r"), std::string::npos)
        << report;
    EXPECT_NE(report.find("\rПервый код: " + std::to_string(style.first) + "\r"), std::string::npos)
        << report;
    EXPECT_TRUE(host.arrayRequests.empty());
    EXPECT_EQ(ed.params.CellWidth, test::FormatAt(style.format).width);
    EXPECT_EQ(ed.params.CellHeight, test::FormatAt(style.format).height);
    EXPECT_EQ(ed.params.FontByteScan, style.scan);
    EXPECT_EQ(ed.params.PositiveFont, style.negative ? kDark : kLit);
    // The image holds the positive picture; characters before the first code stay blank.
    Bytes drawn = table;
    for (auto& byte : drawn) {
        byte = style.negative ? static_cast<std::uint8_t>(255 - byte) : byte;
    }
    EXPECT_EQ(Image(bpc), Expected(drawn, bpc, style.first));
}

INSTANTIATE_TEST_SUITE_P(FirmwareStyles, SourceStyle, ::testing::ValuesIn(kStyles),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(SourceImportTest, TheReportTellsTheArrayTheHeaderAndWhatWasDropped) {
    const Bytes table = Table(3, kScanVertical1, 32, 95);
    Offer("arial_bold.c",
          test::FlatProgmemC("arial_bold", Bytes{0x10, 0x10, 0x20, 0x5F}, table, 32));
    host.answers.push_back(MsgAnswer::Yes);
    ImportFont(ed, host);
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_NE(host.messages[0].text.find("\rМассив: arial_bold\rПрочитано байт: 3044\r"
                                         "Пропущен заголовок, байт: 4 (16 x 16, первый код 32, "
                                         "символов 95)\rПервый код: 32\rЗагрузить с этими "
                                         "параметрами?\n\n"),
              std::string::npos)
        << host.messages[0].text;

    // 256 characters from code 0: the 32 before code 32 are left out.
    Offer("full.c", test::FlatProgmemC("full", {}, Table(0, kScanVertical1, 0, 256), 6));
    host.answers.push_back(MsgAnswer::Yes);
    ImportFont(ed, host);
    ASSERT_EQ(host.messages.size(), 2U);
    EXPECT_NE(host.messages[1].text.find("\rМассив: full\rПрочитано байт: 1536\rПервый код: 0\r"
                                         "Отброшено символов с кодами до 32: 32\rЗагрузить"),
              std::string::npos)
        << host.messages[1].text;

    // 240 characters from code 32: the 16 past code 255 are left out.
    const Bytes wide = Table(0, kScanVertical1, 32, 240);
    Offer("wide.c", test::FlatProgmemC("wide", {}, wide, 6));
    host.answers.push_back(MsgAnswer::Yes);
    ImportFont(ed, host);
    ASSERT_EQ(host.messages.size(), 3U);
    EXPECT_NE(host.messages[2].text.find("\rМассив: wide\rПрочитано байт: 1440\rПервый код: 32\r"
                                         "Отброшено символов с кодами после 255: 16\rЗагрузить"),
              std::string::npos)
        << host.messages[2].text;
    EXPECT_EQ(Image(6), Expected(wide, 6, 32));
}

TEST_F(SourceImportTest, SeveralArraysAreListedWithTheLargestPreselected) {
    const Bytes table = Table(1, kScanVertical1, 32, 224);
    const Bytes widths(224, 8);
    const std::string text = test::FlatProgmemC("widths", {}, widths, 16) +
                             test::FlatProgmemC("font", {}, table, 8) + "int unused[] = {1};\n";
    Offer("two.c", text);
    host.arrayChoices.push_back(1);
    host.answers.push_back(MsgAnswer::Yes);
    ImportFont(ed, host);
    ASSERT_EQ(host.arrayRequests.size(), 1U);
    const auto& request = host.arrayRequests[0];
    EXPECT_EQ(request.preselected, 1U);
    ASSERT_EQ(request.arrays.size(), 3U);
    EXPECT_EQ(ArrayListingText(request.arrays[0]), "widths — элементов: 224, байт: 224");
    EXPECT_EQ(ArrayListingText(request.arrays[1]), "font — элементов: 1792, байт: 1792");
    EXPECT_EQ(ArrayListingText(request.arrays[2]), "unused — элементов: 1, байт: 1");
    EXPECT_EQ(Image(8), table);

    // Cancelling the choice ends the import silently with the open font as it was.
    const Editor before = ed;
    Offer("two.c", text);
    host.arrayChoices.push_back(std::nullopt);
    ImportFont(ed, host);
    EXPECT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(ed.font.FontImage, before.font.FontImage);
    EXPECT_EQ(ed.params.CellWidth, before.params.CellWidth);
}

TEST_F(SourceImportTest, TheManualPathReadsTheChosenArrayFromItsHeadersFirstCode) {
    // Noise matches no model; the header still says where the glyphs begin.
    Bytes glyphs(static_cast<std::size_t>(10 * 32));
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        glyphs[i] = static_cast<std::uint8_t>(random());
    }
    Offer("digits.c", test::FlatProgmemC("digits", Bytes{0x10, 0x10, 0x30, 0x0A}, glyphs, 32));
    host.paramsDialog = [this](Editor& e) {
        ParamsDialogState dialog = OpenParamsDialog(e);
        ChooseDialogFormat(e, host, dialog, 3);
        ClickNegativeCheck(e, dialog, true);
        return ConfirmParamsDialog(host, dialog);
    };
    ImportFont(ed, host);
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].text,
              "Массив: digits\rПрочитано байт: 324\rПропущен заголовок, байт: 4 (16 x 16, первый "
              "код 48, символов 10)\rПервый код: 48\r\rПараметры  шрифта из данного файла \n"
              "распознать не удалось. Попробуйте\nзадать их в ручном режиме.");
    // Read as negative: the glyphs inverted, the characters before code 48 blank.
    Bytes inverted = glyphs;
    for (auto& byte : inverted) {
        byte = static_cast<std::uint8_t>(255 - byte);
    }
    EXPECT_EQ(Image(32), Expected(inverted, 32, 48));
}

struct BadSource {
    const char* label;
    const char* file;
    std::string text;
    const char* message;
};

std::ostream& operator<<(std::ostream& out, const BadSource& bad) {
    return out << bad.label;
}

const BadSource kBadSources[] = {
    {"CommentNeverClosed", "a.c", "const uint8_t f[] = {1, 2};\n\nint x; /* note\n",
     "Не закрыт комментарий \"/*\", строка 3.\nЗагрузка файла прекращена."},
    {"BraceNeverClosed", "b.c", "// font\nconst uint8_t f[] = {\n  {1, 2},\n",
     "Не закрыта фигурная скобка массива f, строка 2.\nЗагрузка файла прекращена."},
    {"NumberOutOfRange", "c.c", "const uint8_t f[] = {\n 1,\n 256\n};\n",
     "Число вне допустимого диапазона: 256 (массив f, строка 3).\nЗагрузка файла прекращена."},
    {"AsmByteOutOfRange", "d.asm", "font:\n .db 1, $100\n",
     "Число вне допустимого диапазона: $100 (массив font, строка 2).\n"
     "Загрузка файла прекращена."},
    {"BinaryDataNamedC", "e.c",
     std::string("\x7F"
                 "ELF\x02\x01\0\0{ 1, 2 }",
                 14),
     kSyntaxStop},
    {"TextWithoutAnArray", "f.c", "int main(void) {\n    return 0;\n}\n", kSyntaxStop},
};

class BadSourceFile : public SourceImportTest, public ::testing::WithParamInterface<BadSource> {};

TEST_P(BadSourceFile, IsToldAndLeavesTheOpenFontAsItWas) {
    const Bytes table = Table(1, kScanVertical1, 32, 224);
    Offer("good.c", test::TwoDimensionalC("uint8_t", "good", table, 8, 32));
    host.answers.push_back(MsgAnswer::Yes);
    ImportFont(ed, host);
    ASSERT_EQ(Image(8), table);
    const Editor before = ed;

    Offer(GetParam().file, GetParam().text);
    ImportFont(ed, host);
    ASSERT_EQ(host.messages.size(), 2U);
    EXPECT_EQ(host.messages[1].text, GetParam().message);
    EXPECT_EQ(host.messages[1].icon, MsgIcon::None);
    EXPECT_EQ(ed.font.FontImage, before.font.FontImage);
    EXPECT_EQ(ed.params.CellWidth, before.params.CellWidth);
    EXPECT_EQ(ed.params.FontByteScan, before.params.FontByteScan);
}

INSTANTIATE_TEST_SUITE_P(Faults, BadSourceFile, ::testing::ValuesIn(kBadSources),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(SourceImportTest, AHundredMegabyteFileIsNotReadAsSourceCode) {
    const std::string path = PathOf("huge.c");
    test::WriteWholeFile(path, "const uint8_t font[] = {\n");
    std::filesystem::resize_file(path, 100U * 1024U * 1024U);
    host.openResults.push_back(path);
    ImportFont(ed, host);
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].text, "Файл больше 16 МБ и не читается как исходный текст.");
}

TEST_F(SourceImportTest, AFileTheSourceTextSyntaxAcceptsReadsAsBefore) {
    // Comment lines and bare 0x values: the editor's own syntax, so no array is reported.
    const Bytes table = Table(1, kScanVertical1, 32, 224);
    std::string text = "// expect: 8 x 8\n/* a font\n   of 224 characters */\n";
    for (std::size_t i = 0; i < table.size(); ++i) {
        text += test::Hex2(table[i]) + ((i + 1) % 8 == 0 ? "\r\n" : ",");
    }
    Offer("plain.fnt", text);
    host.answers.push_back(MsgAnswer::Yes);
    ImportFont(ed, host);
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].text.find("Массив"), std::string::npos);
    EXPECT_EQ(Image(8), table);
}

}  // namespace
}  // namespace pixmora
