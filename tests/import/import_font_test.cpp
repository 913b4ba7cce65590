#include "import/import_font.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "commands/params_dialog.h"
#include "editor/editor.h"
#include "editor/font_settings.h"
#include "import/recognise_font.h"
#include "io/font_reader.h"
#include "io/font_writer.h"
#include "io/model_file.h"
#include "support/fake_host.h"
#include "support/scratch_dir.h"
#include "support/test_font.h"
#include "synthetic_font.h"

namespace pixmora {
namespace {

using test::Bytes;

std::string SourceText(const Bytes& bytes, int bytesPerChar) {
    std::ostringstream text;
    WriteSourceText(text, bytes, OutputFormat::DataCode, NumberNotation::AmpH,
                    ValuesPerLine(bytesPerChar));
    return text.str();
}

std::string HexText(const Bytes& bytes) {
    std::ostringstream text;
    WriteIntelHex(text, bytes, 0);
    return text.str();
}

const char* kNotRecognised =
    "Параметры  шрифта из данного файла \nраспознать не удалось. Попробуйте\n"
    "задать их в ручном режиме.";

class ImportTest : public test::ScratchProgramDir {
  protected:
    void SetUp() override {
        ScratchProgramDir::SetUp();
        host.programDir = Dir();
        for (int n = 0; n < kFormatCount; ++n) {
            test::WriteWholeFile(
                PathOf("Model/" + ModelFileName(n)),
                SourceText(models[static_cast<std::size_t>(n)], kCellFormats[n].bytesPerChar));
        }
        StartUp(ed);
    }
    // Writes the bytes as an exported file and offers it to the next open-file dialog.
    std::string Offer(const Bytes& bytes, int bytesPerChar, bool hex) {
        const std::string path = PathOf(hex ? "font.hex" : "font.fnt");
        test::WriteWholeFile(path, hex ? HexText(bytes) : SourceText(bytes, bytesPerChar));
        host.openResults.push_back(path);
        return path;
    }
    // The bytes as they are, in a file whose name's extension is in capitals.
    std::string OfferBinary(const Bytes& bytes) {
        const std::string path = PathOf("font.BIN");
        test::WriteWholeFile(path, std::string(bytes.begin(), bytes.end()));
        host.openResults.push_back(path);
        return path;
    }
    Bytes ImageBytes(int from, int count) const {
        return {ed.font.FontImage.begin() + from, ed.font.FontImage.begin() + from + count};
    }

    std::mt19937 random{11};
    std::array<Bytes, kFormatCount> models = test::RandomModels(random);
    test::FakeHost host;
    Editor ed;
};

TEST_F(ImportTest, ExportedFontsAreRecognisedInEveryFormatScanAndPolarity) {
    for (int formatIndex = 0; formatIndex < kFormatCount; ++formatIndex) {
        const CellFormat& format = kCellFormats[formatIndex];
        for (int scan = 0; scan < kScanCount; ++scan) {
            if (!ScanOffered(format.width, scan)) {
                continue;
            }
            for (bool negative : {false, true}) {
                SCOPED_TRACE(::testing::Message()
                             << format.name << " scan " << scan << " negative " << negative);
                const int kind = (formatIndex + scan + (negative ? 1 : 0)) % 3;
                const Bytes font =
                    test::FontFromModel(models[static_cast<std::size_t>(formatIndex)], formatIndex,
                                        scan % kModelRows, scan, negative);
                const std::string path =
                    kind == 2 ? OfferBinary(font) : Offer(font, format.bytesPerChar, kind == 0);
                const FontRecognition got = RecogniseFont(path, host);
                ASSERT_FALSE(got.failure);
                EXPECT_EQ(got.LastIndexRead, 224 * format.bytesPerChar - 1);
                EXPECT_TRUE(got.found.Recognised);
                EXPECT_EQ(got.found.candidate.formatIndex, formatIndex);
                EXPECT_EQ(got.found.candidate.scan, scan);
                EXPECT_EQ(got.found.candidate.negative, negative);
                for (Group group : {kSigns, kDigits, kLatin, kCyrillic}) {
                    EXPECT_EQ(got.found.coverage[group], Coverage::Yes);
                }
                host.openResults.clear();
            }
        }
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ImportTest, LoadsARecognisedHexFont) {
    Bytes font = test::FontFromModel(models[1], 1, 2, kScanVertical1, false);
    Offer(font, 8, true);
    host.answers = {MsgAnswer::Yes};
    ed.win.nosave = 0;
    ImportFont(ed, host);

    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_NE(host.messages[0].text.find("- формат:      8  x  8\r"), std::string::npos);
    EXPECT_TRUE(host.messages[0].busy) << "the prompt belongs to the recognition";
    EXPECT_EQ(host.busyCalls, 4) << "recognition, then the load";
    EXPECT_EQ(host.busyDepth, 0);
    EXPECT_EQ(ed.params.CellWidth, 8);
    EXPECT_EQ(ed.params.BytesPerChar, 8);
    EXPECT_EQ(ed.params.FontByteScan, kScanVertical1);
    EXPECT_EQ(ed.params.PositiveFont, kLit);
    EXPECT_EQ(ImageBytes(0, 1792), font);
    EXPECT_EQ(ed.font.FontImage[1792], 0);
    EXPECT_EQ(ed.win.fontCaption, "Шрифт 8 x 8 вертикальный 1  ");
    EXPECT_EQ(ed.win.nosave, 0);
    EXPECT_EQ(ed.font.CurrentChar, 0);
    EXPECT_EQ(ed.font.ImageEmpty, kDark);
    EXPECT_FALSE(ed.table.locked);
    EXPECT_EQ(ed.table.cells[0].background, kRed);
    for (int index = 0; index < kCharCount; ++index) {
        const bool drawn = std::any_of(font.begin() + index * 8, font.begin() + index * 8 + 8,
                                       [](auto byte) { return byte != 0; });
        EXPECT_EQ(ed.font.CharDefined[index], drawn ? kLit : kDark) << index;
    }
    EXPECT_EQ(ed.table.cells[kModelRowChars[1]].textColour, kBlack);
    EXPECT_TRUE(IsVisible(ed.win, Ctl::CreateModel));
    EXPECT_TRUE(IsVisible(ed.win, Ctl::Save));
    EXPECT_FALSE(IsVisible(ed.win, Ctl::Undo));
    EXPECT_TRUE(ed.font.DotVisible[DotIndex(7, 7)]);
    EXPECT_FALSE(ed.font.DotVisible[DotIndex(8, 0)]);
}

// An open 8 x 8 font with a dot in every character.
void OpenDottedFont(Editor& ed) {
    test::OpenTestFont(ed, 1, kScanVertical1);
    for (int index = 0; index < kCharCount; ++index) {
        test::CharBytes(ed, index)[0] = 0x01;
    }
}

Bytes CyrillicBlock(const Bytes& model, int chars) {
    Bytes block(static_cast<std::size_t>(chars * 8));
    for (int k = 0; k < chars; ++k) {
        test::PutGlyph(block, UnpackModelGlyph(model, 12 + k % 4, 8, 8), k, 1, kScanVertical1,
                       false);
    }
    return block;
}

TEST_F(ImportTest, CyrillicBlockLaidOverTheOpenFont) {
    OpenDottedFont(ed);
    const Bytes block = CyrillicBlock(models[1], 64);
    Offer(block, 8, false);
    host.answers = {MsgAnswer::Yes};
    ImportFont(ed, host);
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_NE(host.messages[0].text.find("Наложить?"), std::string::npos);
    for (int index = 0; index < 160; ++index) {
        EXPECT_EQ(ImageBytes(index * 8, 8), (Bytes{1, 0, 0, 0, 0, 0, 0, 0})) << index;
    }
    EXPECT_EQ(ImageBytes(160 * 8, 64 * 8), block);
}

TEST_F(ImportTest, CyrillicBlockReplacingTheOpenFont) {
    OpenDottedFont(ed);
    const Bytes block = CyrillicBlock(models[1], 64);
    Offer(block, 8, false);
    host.answers = {MsgAnswer::No};
    ImportFont(ed, host);
    EXPECT_EQ(ImageBytes(0, 160 * 8), Bytes(160 * 8));
    EXPECT_EQ(ImageBytes(160 * 8, 64 * 8), block);
    EXPECT_EQ(ed.font.CharDefined[0], kDark);
    EXPECT_EQ(ed.font.CharDefined[160], kLit);
}

TEST_F(ImportTest, SixtyFiveCyrillicCharactersLoadFromCode32) {
    OpenDottedFont(ed);
    const Bytes block = CyrillicBlock(models[1], 65);
    Offer(block, 8, false);
    host.answers = {MsgAnswer::Yes};
    ImportFont(ed, host);
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_NE(host.messages[0].text.find("Загрузить с этими параметрами?"), std::string::npos);
    EXPECT_EQ(ImageBytes(0, 65 * 8), block);
    EXPECT_EQ(ImageBytes(65 * 8, 8), Bytes(8));
}

TEST_F(ImportTest, CancelShowsThePreviousFontIntact) {
    test::OpenTestFont(ed, 3, kScanHorizontal2);
    SetNegativeFont(ed, true);
    test::CharBytes(ed, 4)[3] = 0x5A;
    ed.font.CurrentChar = 4;
    ed.font.CurrentCharOffset = 4 * 32;
    ShowGlyph(ed.font, 4 * 32, 32, 16, kScanHorizontal2);
    const Editor before = ed;

    Offer(test::FontFromModel(models[1], 1, 0, kScanVertical2, true), 8, true);
    host.answers = {MsgAnswer::Cancel};
    ImportFont(ed, host);
    EXPECT_EQ(ed.font.FontImage, before.font.FontImage);
    EXPECT_EQ(ed.font.DotGrid, before.font.DotGrid);
    EXPECT_EQ(ed.font.DotColour, before.font.DotColour);
    EXPECT_EQ(ed.params.CellWidth, 16);
    EXPECT_EQ(ed.params.FontByteScan, kScanHorizontal2);
    EXPECT_EQ(ed.params.PositiveFont, kDark);
    EXPECT_TRUE(ed.win.negative);
    EXPECT_EQ(ed.font.CurrentChar, 4);
    EXPECT_EQ(ed.win.visible, before.win.visible);
}

// The parameters dialog as the user fills it: a format, a scan, maybe negative, "ОК".
std::function<std::optional<ParamsChoice>(Editor&)> FillParams(test::FakeHost& host,
                                                               int formatIndex, int scan,
                                                               bool negative) {
    return [&host, formatIndex, scan, negative](Editor& ed) {
        ParamsDialogState dialog = OpenParamsDialog(ed);
        ChooseDialogFormat(ed, host, dialog, formatIndex);
        ClickScanOption(host, dialog, scan);
        ClickNegativeCheck(ed, dialog, negative);
        return ConfirmParamsDialog(host, dialog);
    };
}

Bytes Noise(int count) {
    std::mt19937 noise{3};
    std::uniform_int_distribution<int> byte(0, 255);
    Bytes bytes(static_cast<std::size_t>(count));
    for (auto& value : bytes) {
        value = static_cast<std::uint8_t>(byte(noise));
    }
    return bytes;
}

TEST_F(ImportTest, ManualPathReadsANegativeFontStraightIntoTheImage) {
    const Bytes noise = Noise(224 * 32);
    Offer(noise, 32, false);
    host.paramsDialog = FillParams(host, 3, kScanHorizontal1, true);
    ImportFont(ed, host);
    EXPECT_EQ(host.texts(), std::vector<std::string>{kNotRecognised});
    EXPECT_EQ(ed.params.CellWidth, 16);
    EXPECT_EQ(ed.params.CellHeight, 16);
    EXPECT_EQ(ed.params.FontByteScan, kScanHorizontal1);
    EXPECT_EQ(ed.params.PositiveFont, kDark);
    EXPECT_TRUE(ed.win.negative);
    for (std::size_t i = 0; i < noise.size(); ++i) {
        ASSERT_EQ(ed.font.FontImage[i], 255 - noise[i]) << i;
    }
    EXPECT_EQ(ed.win.fontCaption, "Шрифт 16 x 16 горизонтальный 1");
}

// Given by hand, the new formats read their data unpadded: 5 and 16 bytes a character.
TEST_F(ImportTest, ManualPathReadsFiveByEightAndEightBySixteen) {
    struct Case {
        const char* format;
        int scan;
        const char* caption;
    };
    for (const Case& c : {Case{"5 x 8", kScanVertical2, "Шрифт 5 x 8 вертикальный 2  "},
                          Case{"8 x 16", kScanHorizontal2, "Шрифт 8 x 16 горизонтальный 2"}}) {
        SCOPED_TRACE(c.format);
        const int format = *FormatIndexByName(c.format);
        const int perChar = kCellFormats[static_cast<std::size_t>(format)].bytesPerChar;
        const Bytes noise = Noise(224 * perChar);
        Offer(noise, perChar, true);
        host.paramsDialog = FillParams(host, format, c.scan, false);
        Editor fresh;
        StartUp(fresh);
        ImportFont(fresh, host);
        EXPECT_EQ(host.texts(), std::vector<std::string>{kNotRecognised});
        EXPECT_EQ(fresh.params.BytesPerChar, perChar);
        EXPECT_EQ(fresh.params.FontByteScan, c.scan);
        EXPECT_TRUE(std::equal(noise.begin(), noise.end(), fresh.font.FontImage.begin()));
        EXPECT_EQ(fresh.win.fontCaption, c.caption);
        host.openResults.clear();
        host.messages.clear();
    }
}

TEST_F(ImportTest, TooMuchDataIsToldThenTheManualPathOpens) {
    test::OpenTestFont(ed, 1, kScanVertical1);
    const auto imageBefore = ed.font.FontImage;
    Offer(Noise(75265), 8, true);
    bool dialogShown = false;
    host.paramsDialog = [&](Editor&) {
        dialogShown = true;
        return std::optional<ParamsChoice>{};  // "Отмена"
    };
    ImportFont(ed, host);
    EXPECT_EQ(
        host.texts(),
        (std::vector<std::string>{
            "Формат знакогенератора не поддерживается. \nВозможно файл содержит лишние данные.",
            kNotRecognised}));
    EXPECT_EQ(host.messages[0].title, "Информация");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Information);
    EXPECT_TRUE(dialogShown);
    EXPECT_EQ(ed.font.FontImage, imageBefore);
}

TEST_F(ImportTest, AFileGoneBeforeTheSecondReadLosesNothing) {
    test::OpenTestFont(ed, 1, kScanVertical1);
    test::CharBytes(ed, 3)[2] = 0x77;
    const Editor before = ed;
    const std::string path = Offer(Noise(1000), 8, false);
    host.paramsDialog = [&](Editor& editor) {
        std::filesystem::remove(path);
        return FillParams(host, 5, kScanVertical2, true)(editor);
    };
    ImportFont(ed, host);
    ASSERT_EQ(host.messages.size(), 2U);
    EXPECT_NE(host.messages[1].text.find(path), std::string::npos);
    EXPECT_EQ(host.messages[1].title, kDefaultTitle);
    EXPECT_EQ(ed.font.FontImage, before.font.FontImage);
    EXPECT_EQ(ed.params.CellWidth, 8);
    EXPECT_EQ(ed.params.FontByteScan, kScanVertical1);
    EXPECT_EQ(ed.params.PositiveFont, kLit);
    EXPECT_FALSE(ed.win.negative);
    EXPECT_EQ(ed.win.visible, before.win.visible);
}

// The busy pointer covers recognition with its prompts and the loading, but is down whenever the
// parameters dialog runs or a failure is told.
TEST_F(ImportTest, TheBusyPointerIsDownForTheDialogAndFailures) {
    test::OpenTestFont(ed, 1, kScanVertical1);
    const std::string path = Offer(Noise(1000), 8, false);
    int busyInDialog = -1;
    host.paramsDialog = [&](Editor& editor) {
        busyInDialog = host.busyDepth;
        return FillParams(host, 1, kScanVertical1, false)(editor);
    };
    ImportFont(ed, host);
    EXPECT_EQ(busyInDialog, 0);
    EXPECT_EQ(host.busyDialogs, 0);
    ASSERT_EQ(host.texts(), std::vector<std::string>{kNotRecognised});
    EXPECT_TRUE(host.messages[0].busy) << "told within the recognition";
    EXPECT_EQ(host.busyDepth, 0);
    EXPECT_EQ(ed.params.CellWidth, 8);
    EXPECT_EQ(ed.font.FontImage[0], Noise(1)[0]);

    // The file gone before the second read: its failure comes with the normal pointer.
    host.messages.clear();
    host.openResults.push_back(path);
    host.paramsDialog = [&](Editor& editor) {
        std::filesystem::remove(path);
        return FillParams(host, 1, kScanVertical1, false)(editor);
    };
    ImportFont(ed, host);
    ASSERT_EQ(host.messages.size(), 2U);
    EXPECT_NE(host.messages[1].text.find(path), std::string::npos);
    EXPECT_FALSE(host.messages[1].busy);
    EXPECT_EQ(host.busyDialogs, 0);

    // A missing model file ends the recognition with a failure told after the pointer is back.
    host.messages.clear();
    std::filesystem::remove(PathOf("Model/t6.mod"));
    Offer(test::FontFromModel(models[1], 1, 0, kScanVertical1, false), 8, false);
    ImportFont(ed, host);
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_NE(host.messages[0].text.find("t6.mod"), std::string::npos);
    EXPECT_FALSE(host.messages[0].busy);
    EXPECT_EQ(host.busyDepth, 0);
}

TEST_F(ImportTest, UnsavedChangesAreAskedAboutFirst) {
    test::OpenTestFont(ed, 1, kScanVertical1);
    ed.win.nosave = 1;
    host.answers = {MsgAnswer::No};
    ImportFont(ed, host);
    EXPECT_EQ(host.texts(),
              std::vector<std::string>{"Несохраненные данные будут потеряны. Продолжить?"});
    EXPECT_EQ(host.messages[0].title, "Внимание!");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(host.openRequests.empty());
    EXPECT_EQ(ed.win.nosave, 1);
}

TEST_F(ImportTest, CancelledFileDialogChangesNothing) {
    host.openResults.push_back(std::nullopt);
    ImportFont(ed, host);
    ASSERT_EQ(host.openRequests.size(), 1U);
    EXPECT_EQ(host.openRequests[0].title, "Загрузить файл знакогенератора");
    EXPECT_EQ(host.openRequests[0].filter,
              "Файлы знакогенератора(*.fnt)|*.fnt|Файлы знакогенератора(*.hex)|*.hex|"
              "Двоичные файлы(*.bin)|*.bin|Шрифты BDF(*.bdf)|*.bdf|Заголовки C(*.h)|*.h|"
              "Все файлы(*.*)|*.*");
    EXPECT_EQ(host.openRequests[0].initialDir, Dir());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(ed.params.FontByteScan, kNoScan);
    EXPECT_EQ(host.busyDepth, 0);
}

TEST_F(ImportTest, AMissingModelFileEndsTheImportWithAMessage) {
    test::OpenTestFont(ed, 1, kScanVertical1);
    const auto imageBefore = ed.font.FontImage;
    std::filesystem::remove(PathOf("Model/t6.mod"));
    Offer(test::FontFromModel(models[1], 1, 0, kScanVertical1, false), 8, false);
    ImportFont(ed, host);
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_NE(host.messages[0].text.find("t6.mod"), std::string::npos);
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(ed.font.FontImage, imageBefore);
    EXPECT_EQ(host.busyDepth, 0);
}

// A damaged model file ends the import with the reader's word on it; the open font stays.
TEST_F(ImportTest, ACorruptModelFileEndsTheImportAndKeepsTheFont) {
    std::string tooManyValues;
    for (int line = 0; line < kModelBufferSize / 8 + 1; ++line) {
        tooManyValues += "&h01,&h01,&h01,&h01,&h01,&h01,&h01,&h01\r\n";
    }
    const std::vector<std::pair<std::string, std::string>> damages{
        {"Data &h01,&h02\r\nData 65\r\n",
         "Нераспознанный синтаксис данных.Загрузка файла модели прекращена."},
        {tooManyValues, "В файле моделей больше 32257 значений."},
    };
    for (const auto& [contents, message] : damages) {
        test::OpenTestFont(ed, 1, kScanVertical1);
        test::CharBytes(ed, 5)[1] = 0x3C;
        const Editor before = ed;
        host.messages.clear();
        test::WriteWholeFile(PathOf("Model/t2.mod"), contents);
        Offer(test::FontFromModel(models[1], 1, 0, kScanVertical2, false), 8, false);
        ImportFont(ed, host);
        ASSERT_EQ(host.messages.size(), 1U) << message;
        EXPECT_EQ(host.messages[0].text, message);
        EXPECT_EQ(ed.font.FontImage, before.font.FontImage);
        EXPECT_EQ(ed.params.FontByteScan, kScanVertical1);
        EXPECT_EQ(ed.win.visible, before.win.visible);
        EXPECT_EQ(host.busyDepth, 0);
    }
}

}  // namespace
}  // namespace pixmora
