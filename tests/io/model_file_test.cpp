#include "io/model_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "commands/font_commands.h"
#include "io/byte_notation.h"
#include "io/font_reader.h"
#include "io/font_writer.h"
#include "support/fake_host.h"
#include "support/scratch_dir.h"
#include "support/test_font.h"
#include "support/write_faults.h"

namespace pixmora {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(AlignModelGlyph, WorkedExampleInOneBand) {
    Bytes glyph{0x00, 0x00, 0x7E, 0x09, 0x09, 0x7E};
    AlignModelGlyph(glyph, 6, 8);
    EXPECT_EQ(glyph, (Bytes{0xFC, 0x12, 0x12, 0xFC, 0x00, 0x00}));
    Bytes blank(6);
    AlignModelGlyph(blank, 6, 8);
    EXPECT_EQ(blank, Bytes(6));
}

TEST(AlignModelGlyph, DotsCrossFromOneBandIntoTheNext) {
    // 12 x 16: one dot in row 0 of the right column moves to row 15 of column 0.
    Bytes glyph(24);
    glyph[11] = 0x01;
    AlignModelGlyph(glyph, 12, 16);
    Bytes expected(24);
    expected[12] = 0x80;
    EXPECT_EQ(glyph, expected);
    // A bar over rows 6..9 of column 3 ends in rows 12..15 of column 0.
    Bytes bar(24);
    bar[3] = 0xC0;
    bar[12 + 3] = 0x03;
    AlignModelGlyph(bar, 12, 16);
    Bytes aligned(24);
    aligned[12] = 0xF0;
    EXPECT_EQ(bar, aligned);
}

TEST(ModelRowNumber, AcceptsAndRefuses) {
    EXPECT_EQ(ModelRowNumber("0"), 0);
    EXPECT_EQ(ModelRowNumber("3"), 3);
    EXPECT_EQ(ModelRowNumber("2.5"), 2);
    EXPECT_EQ(ModelRowNumber("-0.4"), 0);
    for (const char* refused : {"", "4", "3.6", "-1", "x", "3.4"}) {
        EXPECT_EQ(ModelRowNumber(refused), std::nullopt) << refused;
    }
}

TEST(ModelFileNames, OnePerFormat) {
    for (int n = 0; n < 9; ++n) {
        EXPECT_EQ(ModelFileName(n), "t" + std::to_string(n) + ".mod");
    }
    EXPECT_EQ(BackupFileName("t3.mod"), "t3.old");
    // Two-digit indices keep both digits, or t10's backup would replace t1's.
    EXPECT_EQ(BackupFileName(ModelFileName(10)), "t10.old");
    EXPECT_EQ(ModelFilePath("/opt/p", "t1.mod"), "/opt/p/Model/t1.mod");
}

// A font with something drawn in every test character: a dot in the top-right corner plus a
// pattern that differs per character.
void DrawTestChars(Editor& ed) {
    const int width = ed.params.CellWidth;
    const int height = ed.params.CellHeight;
    for (int position = 1; position < kModelRowLength; ++position) {
        DotMatrix dots{};
        dots[DotIndex(0, width - 1)] = 1;
        for (int k = 0; k < 4; ++k) {
            if ((position >> k) & 1) {
                dots[DotIndex(height / 2, k)] = 1;
            }
        }
        auto glyph = test::CharBytes(ed, kModelRowChars[static_cast<std::size_t>(position)]);
        PackMatrix(dots, glyph, ed.params.FontByteScan, width, height);
    }
}

int CountLines(const std::string& text, int valuesPerLine) {
    std::istringstream lines(text);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        EXPECT_EQ(std::count(line.begin(), line.end(), ','), valuesPerLine - 1) << line;
        EXPECT_EQ(line.back(), '\r');
        ++count;
    }
    return count;
}

class CorrectModelFileTest : public test::ScratchProgramDir {
  protected:
    void SetUp() override {
        ScratchProgramDir::SetUp();
        host.programDir = Dir();
    }
    std::string ModelPath(int n) const { return PathOf("Model/" + ModelFileName(n)); }
    // A model file whose every value is `value`, written as "Code" with "NNh" and a comment.
    void WriteModel(int n, std::uint8_t value) {
        const Bytes bytes(static_cast<std::size_t>(64 * kCellFormats[n].bytesPerChar), value);
        std::ostringstream text;
        text << "; reference glyphs\r\n";
        WriteSourceText(text, bytes, OutputFormat::Code, NumberNotation::SuffixH,
                        ValuesPerLine(kCellFormats[n].bytesPerChar));
        test::WriteWholeFile(ModelPath(n), text.str());
    }
    Bytes ReadModel(int n) {
        auto data = ReadModelFile(ModelPath(n), host);
        EXPECT_FALSE(data.failure);
        return {data.ModelBuffer.begin(),
                data.ModelBuffer.begin() + 64 * kCellFormats[n].bytesPerChar};
    }
    ModelDialogState Dialog(const char* row) {
        ModelDialogState dialog = StartModelDialog(ed);
        dialog.rowText = row;
        return dialog;
    }
    Editor ed;
    test::FakeHost host;
};

TEST_F(CorrectModelFileTest, ReplacesOneRowAndKeepsABackup) {
    test::OpenTestFont(ed, 0, kScanVertical1);
    DrawTestChars(ed);
    ed.font.CurrentChar = 40;
    ed.win.nosave = 1;
    const auto imageBefore = ed.font.FontImage;
    WriteModel(0, 0xA5);
    ed.win.outputKind = "Data code";
    ed.win.notation = "0xNN";

    ModelDialogState dialog = Dialog("1");
    EXPECT_EQ(dialog.label,
              "Будет выполнена замена указанной ниже строки\nв файле моделей t0.mod на "
              "сформированную из \nсимволов текущего шрифта.");
    // The main window shows character 0 before the closing message appears.
    int shownCalls = 0;
    std::size_t messagesWhenShown = 0;
    int charWhenShown = -1;
    CorrectModelFile(ed, host, dialog, [&] {
        ++shownCalls;
        messagesWhenShown = host.messages.size();
        charWhenShown = ed.font.CurrentChar;
    });
    EXPECT_EQ(shownCalls, 1);
    EXPECT_EQ(messagesWhenShown, 0U);
    EXPECT_EQ(charWhenShown, 0);

    EXPECT_FALSE(dialog.open);
    ASSERT_EQ(host.texts(), std::vector<std::string>{"Файл моделей обновлен."});
    EXPECT_EQ(host.messages[0].title, kDefaultTitle);
    EXPECT_FALSE(host.messages[0].busy) << "the message comes with the normal pointer";
    EXPECT_EQ(host.busyCalls, 2) << "the files were written under the busy pointer";
    const std::string written = test::ReadWholeFile(ModelPath(0));
    EXPECT_EQ(CountLines(written, 6), 64);
    EXPECT_EQ(written.substr(0, 10), "Data 0xA5,");
    const Bytes model = ReadModel(0);
    for (int slot = 0; slot < 64; ++slot) {
        const Bytes glyph(model.begin() + slot * 6, model.begin() + slot * 6 + 6);
        if (slot / 16 != 1) {
            EXPECT_EQ(glyph, Bytes(6, 0xA5)) << slot;
        } else if (slot == 16) {
            EXPECT_EQ(glyph, Bytes(6, 0)) << "the blank stays blank";
        } else {
            // Moved from the top-right corner: bottom row and left column lit.
            EXPECT_NE(glyph[0], 0) << slot;
            EXPECT_TRUE(std::any_of(glyph.begin(), glyph.end(), [](auto b) { return b & 0x80; }));
        }
    }
    // The backup holds the old values in the current notation.
    const std::string backup = test::ReadWholeFile(PathOf("Model/t0.old"));
    EXPECT_EQ(backup.substr(0, 36), "Data 0xA5,0xA5,0xA5,0xA5,0xA5,0xA5\r\n");
    EXPECT_EQ(CountLines(backup, 6), 64);
    // The font is untouched, character 0 is current.
    EXPECT_EQ(ed.font.FontImage, imageBefore);
    EXPECT_EQ(ed.font.CurrentChar, 0);
    EXPECT_EQ(ed.font.PreviousChar, 40);
    EXPECT_EQ(ed.table.cells[0].background, kRed);
    EXPECT_EQ(ed.table.cells[40].background, kWhite);
    EXPECT_EQ(ed.win.nosave, 1);
}

TEST_F(CorrectModelFileTest, AnyScanGivesTheSameModelFile) {
    WriteModel(4, 0);
    std::string first;
    for (int scan = 0; scan < kScanCount; ++scan) {
        Editor font;
        test::OpenTestFont(font, 4, scan);
        DrawTestChars(font);
        const auto imageBefore = font.font.FontImage;
        ModelDialogState dialog = StartModelDialog(font);
        dialog.rowText = "3";
        dialog.keepBackup = false;
        CorrectModelFile(font, host, dialog);
        const std::string written = test::ReadWholeFile(ModelPath(4));
        EXPECT_EQ(CountLines(written, 8), 384);
        if (scan == 0) {
            first = written;
        }
        EXPECT_EQ(written, first) << "scan " << scan;
        EXPECT_EQ(font.font.FontImage, imageBefore);
        EXPECT_EQ(font.params.FontByteScan, scan);
    }
    EXPECT_FALSE(std::filesystem::exists(PathOf("Model/t4.old")));
}

// 5 x 8 writes a character a line; 8 x 16's backup t10.old leaves t1's backup alone.
TEST_F(CorrectModelFileTest, FiveByEightAndEightBySixteenCorrectTheirOwnFiles) {
    struct Case {
        int format;
        int valuesPerLine;
        int lines;
        const char* backup;
    };
    WriteModel(1, 0x11);
    const std::string eightByEight = test::ReadWholeFile(ModelPath(1));
    test::WriteWholeFile(PathOf("Model/t1.old"), "kept");
    for (const Case& c : {Case{9, 5, 64, "Model/t9.old"}, Case{10, 8, 128, "Model/t10.old"}}) {
        SCOPED_TRACE(c.format);
        Editor font;
        test::OpenTestFont(font, c.format, kScanVertical1);
        DrawTestChars(font);
        WriteModel(c.format, 0xA5);
        ModelDialogState dialog = StartModelDialog(font);
        dialog.rowText = "2";
        dialog.keepBackup = true;
        CorrectModelFile(font, host, dialog);
        EXPECT_EQ(host.texts().back(), "Файл моделей обновлен.");
        EXPECT_EQ(CountLines(test::ReadWholeFile(ModelPath(c.format)), c.valuesPerLine), c.lines);
        EXPECT_EQ(CountLines(test::ReadWholeFile(PathOf(c.backup)), c.valuesPerLine), c.lines);
        const Bytes model = ReadModel(c.format);
        const int perChar = kCellFormats[static_cast<std::size_t>(c.format)].bytesPerChar;
        EXPECT_EQ(Bytes(model.begin(), model.begin() + perChar), Bytes(perChar, 0xA5));
        EXPECT_EQ(Bytes(model.begin() + 32 * perChar, model.begin() + 33 * perChar),
                  Bytes(perChar, 0))
            << "row 2 starts with the blank";
    }
    EXPECT_EQ(test::ReadWholeFile(PathOf("Model/t1.old")), "kept");
    EXPECT_EQ(test::ReadWholeFile(ModelPath(1)), eightByEight);
}

TEST_F(CorrectModelFileTest, RefusalsAndFailuresChangeNothing) {
    test::OpenTestFont(ed, 1, kScanVertical1);
    DrawTestChars(ed);
    ed.font.CurrentChar = 7;
    WriteModel(1, 0x11);
    const std::string before = test::ReadWholeFile(ModelPath(1));

    for (const char* row : {"", "4", "3.6", "-1", "x"}) {
        ModelDialogState dialog = Dialog(row);
        CorrectModelFile(ed, host, dialog);
        EXPECT_TRUE(dialog.open);
    }
    EXPECT_EQ(host.texts(), std::vector<std::string>(5, "Недопустимый номер строки!"));

    // A syntax error: the reader's message, nothing written.
    host.messages.clear();
    test::WriteWholeFile(ModelPath(1), "Data &h01,12\r\n");
    ModelDialogState dialog = Dialog("0");
    CorrectModelFile(ed, host, dialog);
    EXPECT_TRUE(dialog.open);
    EXPECT_EQ(host.texts(),
              std::vector<std::string>{
                  "Нераспознанный синтаксис данных.Загрузка файла модели прекращена."});
    EXPECT_EQ(test::ReadWholeFile(ModelPath(1)), "Data &h01,12\r\n");
    EXPECT_FALSE(std::filesystem::exists(PathOf("Model/t1.old")));

    // A missing file.
    host.messages.clear();
    std::filesystem::remove(ModelPath(1));
    CorrectModelFile(ed, host, dialog);
    EXPECT_TRUE(dialog.open);
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_NE(host.messages[0].text.find("Файл моделей не изменен."), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(ModelPath(1)));

    // A backup that cannot be written (a directory is in its place): the model file stays.
    host.messages.clear();
    test::WriteWholeFile(ModelPath(1), before);
    std::filesystem::create_directory(PathOf("Model/t1.old"));
    CorrectModelFile(ed, host, dialog);
    EXPECT_TRUE(dialog.open);
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_NE(host.messages[0].text.find("Файл моделей не изменен."), std::string::npos);
    EXPECT_EQ(test::ReadWholeFile(ModelPath(1)), before);

    // Too many values.
    host.messages.clear();
    std::string tooLong;
    for (int line = 0; line < 32257 / 8 + 1; ++line) {
        tooLong += "&h01,&h01,&h01,&h01,&h01,&h01,&h01,&h01\r\n";
    }
    test::WriteWholeFile(ModelPath(1), tooLong);
    dialog.keepBackup = false;
    CorrectModelFile(ed, host, dialog);
    EXPECT_TRUE(dialog.open);
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(test::ReadWholeFile(ModelPath(1)), tooLong);
    EXPECT_EQ(ed.font.CurrentChar, 7);
}

// A blank reference glyph would match every blank character of an imported file perfectly, so a
// row is formed only when all test characters but the blank are drawn.
TEST_F(CorrectModelFileTest, UndrawnTestCharactersAreRefused) {
    WriteModel(1, 0x11);
    const std::string before = test::ReadWholeFile(ModelPath(1));
    const auto refused = [&](const std::string& message) {
        host.messages.clear();
        ModelDialogState dialog = Dialog("1");
        const int current = ed.font.CurrentChar;
        bool shown = false;
        CorrectModelFile(ed, host, dialog, [&] { shown = true; });
        EXPECT_TRUE(dialog.open);
        EXPECT_FALSE(shown);
        EXPECT_EQ(host.texts(), std::vector<std::string>{message});
        EXPECT_EQ(test::ReadWholeFile(ModelPath(1)), before);
        EXPECT_FALSE(std::filesystem::exists(PathOf("Model/t1.old")));
        EXPECT_EQ(ed.font.CurrentChar, current);
    };

    // No font at all.
    StartUp(ed);
    refused("Нет открытого шрифта.\nФайл моделей не изменен.");

    // An open font with nothing drawn.
    test::OpenTestFont(ed, 1, kScanHorizontal2);
    ed.font.CurrentChar = 9;
    refused(
        "В шрифте не нарисованы символы: % & / 0 1 2 3 A B C D А Б В Г\n"
        "Файл моделей не изменен.");

    // A font without its Cyrillic letters.
    DrawTestChars(ed);
    for (int index : {160, 161, 162, 163}) {
        const auto glyph = test::CharBytes(ed, index);
        std::fill(glyph.begin(), glyph.end(), std::uint8_t{0});
    }
    refused("В шрифте не нарисованы символы: А Б В Г\nФайл моделей не изменен.");

    // The font deleted while the dialog is open.
    DrawTestChars(ed);
    host.answers = {MsgAnswer::Yes};
    DeleteFont(ed, host);
    refused(
        "В шрифте не нарисованы символы: % & / 0 1 2 3 A B C D А Б В Г\n"
        "Файл моделей не изменен.");

    // Drawn again, the same dialog goes through; the blank stays the one blank glyph.
    DrawTestChars(ed);
    host.messages.clear();
    ModelDialogState dialog = Dialog("1");
    CorrectModelFile(ed, host, dialog);
    EXPECT_FALSE(dialog.open);
    const Bytes model = ReadModel(1);
    for (int slot = 17; slot < 32; ++slot) {
        EXPECT_NE(Bytes(model.begin() + slot * 8, model.begin() + slot * 8 + 8), Bytes(8, 0))
            << slot;
    }
}

// Failures are told with the normal pointer back, and nothing is left busy.
TEST_F(CorrectModelFileTest, MessagesComeWithTheNormalPointer) {
    test::OpenTestFont(ed, 1, kScanVertical1);
    DrawTestChars(ed);
    test::WriteWholeFile(ModelPath(1), "Data &h01,12\r\n");
    ModelDialogState dialog = Dialog("0");
    CorrectModelFile(ed, host, dialog);
    WriteModel(1, 0x11);
    std::filesystem::create_directory(PathOf("Model/t1.old"));
    CorrectModelFile(ed, host, dialog);
    std::filesystem::remove(PathOf("Model/t1.old"));
    CorrectModelFile(ed, host, dialog);

    ASSERT_EQ(host.messages.size(), 3U);
    EXPECT_NE(host.messages[1].text.find("t1.old"), std::string::npos);
    EXPECT_EQ(host.messages[2].text, "Файл моделей обновлен.");
    for (const auto& message : host.messages) {
        EXPECT_FALSE(message.busy) << message.text;
    }
    EXPECT_EQ(host.busyDepth, 0);
    EXPECT_EQ(host.busyCalls, 4) << "once for the failed write, once for the good one";
}

#ifdef __unix__
// A full disk while the backup and the model file are written: the model file stays whole, no
// temporary file is left, and the dialog stays open for another try.
TEST_F(CorrectModelFileTest, FullDiskKeepsTheModelFile) {
    test::OpenTestFont(ed, 8, kScanVertical1);
    DrawTestChars(ed);
    ed.font.CurrentChar = 7;
    const auto imageBefore = ed.font.FontImage;
    for (const bool backup : {true, false}) {
        WriteModel(8, 0x11);
        const std::string before = test::ReadWholeFile(ModelPath(8));
        host.messages.clear();
        ModelDialogState dialog = Dialog("2");
        dialog.keepBackup = backup;
        {
            const test::FileSizeLimit limit(4096);
            CorrectModelFile(ed, host, dialog);
        }
        EXPECT_TRUE(dialog.open);
        ASSERT_EQ(host.messages.size(), 1U);
        EXPECT_NE(host.messages[0].text.find("Файл моделей не изменен."), std::string::npos);
        EXPECT_EQ(test::ReadWholeFile(ModelPath(8)), before);
        const std::filesystem::directory_iterator files(dir_ / "Model");
        EXPECT_EQ(std::distance(begin(files), end(files)), 1) << "only t8.mod";
        EXPECT_EQ(ed.font.FontImage, imageBefore);
        EXPECT_EQ(ed.font.CurrentChar, 7);
    }
}
#endif

TEST_F(CorrectModelFileTest, AFormatChangeWhileOpenNamesTheNewFileFirst) {
    test::OpenTestFont(ed, 1, kScanVertical1);
    WriteModel(1, 0x22);
    WriteModel(3, 0x33);
    const std::string eightByEight = test::ReadWholeFile(ModelPath(1));
    ModelDialogState dialog = Dialog("2");
    dialog.keepBackup = false;

    test::OpenTestFont(ed, 3, kScanHorizontal1);
    DrawTestChars(ed);
    CorrectModelFile(ed, host, dialog);
    EXPECT_TRUE(dialog.open);
    EXPECT_NE(dialog.label.find("t3.mod"), std::string::npos);
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_NE(host.messages[0].text.find("t3.mod"), std::string::npos);
    EXPECT_EQ(ReadModel(3), Bytes(64 * 32, 0x33));

    CorrectModelFile(ed, host, dialog);
    EXPECT_FALSE(dialog.open);
    EXPECT_EQ(test::ReadWholeFile(ModelPath(1)), eightByEight);
    EXPECT_NE(ReadModel(3), Bytes(64 * 32, 0x33));
}

}  // namespace
}  // namespace pixmora

namespace pixmora {
namespace {

// The model files shipped with the program: 64 glyphs each, every one drawn except the blank, and
// every one already in the bottom-left corner.
TEST(ShippedModelFiles, FullAlignedAndNoBlankButTheSpace) {
    const std::filesystem::path dir = std::filesystem::path(PIXMORA_SOURCE_DIR) / "data" / "Model";
    if (!std::filesystem::exists(dir)) {
        GTEST_SKIP() << "no data/Model in this tree";
    }
    test::FakeHost host;
    for (int n = 0; n < 9; ++n) {
        SCOPED_TRACE(ModelFileName(n));
        const CellFormat& format = kCellFormats[static_cast<std::size_t>(n)];
        const ModelFileData data = ReadModelFile((dir / ModelFileName(n)).string(), host);
        ASSERT_FALSE(data.failure);
        ASSERT_FALSE(data.ImportAborted);
        EXPECT_EQ(data.valuesRead, 64 * format.bytesPerChar);
        const auto bpc = static_cast<std::size_t>(format.bytesPerChar);
        for (int slot = 0; slot < 64; ++slot) {
            const auto first = data.ModelBuffer.begin() + static_cast<std::ptrdiff_t>(slot * bpc);
            const Bytes glyph(first, first + static_cast<std::ptrdiff_t>(bpc));
            const bool blank =
                std::all_of(glyph.begin(), glyph.end(), [](auto b) { return b == 0; });
            EXPECT_EQ(blank, slot % 16 == 0) << "slot " << slot;
            Bytes aligned = glyph;
            AlignModelGlyph(aligned, format.width, format.height);
            EXPECT_EQ(aligned, glyph) << "slot " << slot;
        }
    }
    EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace pixmora
