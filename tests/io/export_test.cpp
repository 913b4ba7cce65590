#include "io/export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sstream>

#include "editor/font_settings.h"
#include "io/byte_notation.h"
#include "io/file_commit.h"
#include "io/font_reader.h"
#include "io/font_writer.h"
#include "io/system_error.h"
#include "support/fake_host.h"
#include "support/scratch_dir.h"
#include "support/test_font.h"
#include "support/write_faults.h"

namespace pixmora {
namespace {

using test::FakeHost;

// "6 x 8" in "вертикально 1", codes 32..33 chosen: a blank and a "!" (00 00 5F 00 00 00).
void OpenWorkedExample(Editor& ed) {
    test::OpenTestFont(ed, 0, kScanVertical1);
    ed.font.FontImage[8] = 0x5F;
    SetIncompleteSet(ed, true);
    ed.win.firstCode = "32";
    ed.win.lastCode = "33";
}

class ExportTest : public test::ScratchDirTest {
  protected:
    // Runs the command with the save dialog answering `name` in the scratch directory.
    void Export(Editor& ed, const std::string& name = "out.fnt") {
        host.saveResults.push_back(PathOf(name));
        ExportFont(ed, host);
    }
    FakeHost host;
};

struct WorkedExampleRow {
    const char* format;
    const char* notation;
    bool negative;
    const char* text;
    const char* proposedName;
};

TEST_F(ExportTest, WritesTheWorkedExampleRowByRow) {
    const WorkedExampleRow rows[] = {
        {"Data code", "0xNN", false,
         "Data 0x00,0x00,0x00,0x00,0x00,0x00\r\nData 0x00,0x00,0x5F,0x00,0x00,0x00\r\n",
         "Font06x08v1pLAT"},
        {".Db code", "NNh", false, ".db 00h,00h,00h,00h,00h,00h\r\n.db 00h,00h,5Fh,00h,00h,00h\r\n",
         "Font06x08v1pLAT"},
        {"Code", "NNh", true, "0FFh,0FFh,0FFh,0FFh,0FFh,0FFh\r\n0FFh,0FFh,0A0h,0FFh,0FFh,0FFh\r\n",
         "Font06x08v1nLAT"},
        {"Intel HEX", "&hNN", false, ":0C00000000000000000000005F00000095\r\n:00000001FF\r\n",
         "Font06x08v1pLAT-0000H"},
    };
    for (const WorkedExampleRow& row : rows) {
        SCOPED_TRACE(row.format);
        Editor ed;
        OpenWorkedExample(ed);
        ChooseOutputFormat(ed, row.format);
        ed.win.notation = row.notation;
        SetNegativeFont(ed, row.negative);
        const auto image = ed.font.FontImage;
        host.saveRequests.clear();
        Export(ed);
        EXPECT_EQ(test::ReadWholeFile(PathOf("out.fnt")), row.text);
        ASSERT_EQ(host.saveRequests.size(), 1u);
        EXPECT_EQ(host.saveRequests[0].proposedName, row.proposedName);
        EXPECT_EQ(ed.font.FontImage, image) << "inversion must not touch the image";
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST(FormatByteValue, WritesEveryNotationWithUpperCaseDigits) {
    const std::pair<NumberNotation, const char*> cases[] = {
        {NumberNotation::AmpH, "&h0A &hA5"},   {NumberNotation::Dollar, "$0A $A5"},
        {NumberNotation::Hash, "#0A #A5"},     {NumberNotation::ZeroX, "0x0A 0xA5"},
        {NumberNotation::SuffixH, "0Ah 0A5h"},
    };
    for (const auto& [notation, expected] : cases) {
        EXPECT_EQ(FormatByteValue(10, notation) + " " + FormatByteValue(165, notation), expected);
    }
}

TEST(FormatByteValue, SuffixNotationPadsAbove153) {
    EXPECT_EQ(FormatByteValue(153, NumberNotation::SuffixH), "99h");
    EXPECT_EQ(FormatByteValue(154, NumberNotation::SuffixH), "09Ah");
    EXPECT_EQ(FormatByteValue(159, NumberNotation::SuffixH), "09Fh");
    EXPECT_EQ(FormatByteValue(15, NumberNotation::SuffixH), "0Fh");
    EXPECT_EQ(FormatByteValue(0, NumberNotation::SuffixH), "00h");
    EXPECT_EQ(FormatByteValue(255, NumberNotation::SuffixH), "0FFh");
}

TEST(ExportRangeCheck, RefusesBadRangesAndAcceptsGoodOnes) {
    Editor ed;
    test::OpenTestFont(ed, 1, kScanVertical1);
    EXPECT_FALSE(ExportCharRange(ExportSettingsOf(ed.win))->partial)
        << "without the check box the whole set is written";
    SetIncompleteSet(ed, true);
    const std::pair<const char*, const char*> refused[] = {
        {"32", "32"}, {"31", "40"},   {"40", "256"},  {"abc", "40"},   {"40", ""},
        {"50", "40"}, {"0x20", "40"}, {"256", "300"}, {"32", "255.5"},
    };
    for (const auto& [first, last] : refused) {
        ed.win.firstCode = first;
        ed.win.lastCode = last;
        EXPECT_FALSE(ExportCharRange(ExportSettingsOf(ed.win))) << first << ".." << last;
    }
    ed.win.firstCode = "31.6";
    ed.win.lastCode = "&hFF";
    const std::optional<ExportRange> range = ExportCharRange(ExportSettingsOf(ed.win));
    ASSERT_TRUE(range);
    EXPECT_EQ(range->first, 0);
    EXPECT_EQ(range->last, 223);
    EXPECT_TRUE(range->partial);
}

TEST_F(ExportTest, RefusedRangeShowsItsMessageAndWritesNothing) {
    Editor ed;
    OpenWorkedExample(ed);
    ed.win.lastCode = "32";
    ed.win.nosave = 1;
    ExportFont(ed, host);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Некорректно задана область вывода!");
    EXPECT_EQ(host.messages[0].title, "Ошибка!");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::Ok);
    EXPECT_TRUE(host.saveRequests.empty());
    EXPECT_EQ(ed.win.nosave, 1);
    EXPECT_TRUE(ed.win.incompleteSet);
}

TEST(StartAddress, AcceptsEveryNotationOf4096) {
    for (const char* text : {"4096", "&h1000", "&H1000", "$1000", "#1000", "0x1000", "1000h",
                             "1000H", "4095.5", " 4096"}) {
        EXPECT_EQ(StartAddressValue(text), 4096) << text;
    }
    EXPECT_EQ(StartAddressText(4096), "1000H");
    EXPECT_EQ(StartAddressText(0), "0000H");
    EXPECT_EQ(StartAddressText(32767), "7FFFH");
}

TEST(StartAddress, NormalisesToTheHexLiteral) {
    EXPECT_EQ(ParseStartAddress("4096"), "4096");
    EXPECT_EQ(ParseStartAddress("$1F"), "&H1F");
    EXPECT_EQ(ParseStartAddress("0x1F"), "&H1F");
    EXPECT_EQ(ParseStartAddress("1Fh"), "&H1F");
    EXPECT_EQ(ParseStartAddress("&hZZ"), std::nullopt);
    // Another notation's prefix or suffix before something that is no hex number is refused too.
    for (const char* text : {"$ZZ", "#", "0x1G", "h",
                             "$7F\x9A"
                             "0",
                             "$-1"}) {
        EXPECT_EQ(ParseStartAddress(text), std::nullopt) << text;
    }
}

TEST(StartAddress, RefusesOutOfRangeAndUnknownTexts) {
    EXPECT_EQ(StartAddressValue("0"), 0);
    EXPECT_EQ(StartAddressValue("-0.4"), 0);
    EXPECT_EQ(StartAddressValue("32767"), 32767);
    EXPECT_EQ(StartAddressValue("7FFFh"), 32767);
    for (const char* text :
         {"0X1000", "32768", "8000h", "-5", "", "abc", "&hZZ", "$", "h", "0x", "$ 10", "1e3"}) {
        EXPECT_EQ(StartAddressValue(text), std::nullopt) << text;
    }
}

TEST_F(ExportTest, RefusedStartAddressKeepsTheFieldAndWritesNothing) {
    Editor ed;
    test::OpenTestFont(ed, 1, kScanVertical1);
    ChooseOutputFormat(ed, "Intel HEX");
    ed.win.startAddress = "0X1000";
    ExportFont(ed, host);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "Начальный адрес вводится в десятичном или шестнадцатиричном виде в диапазоне "
              "значений 0...32767. Повторите ввод.");
    EXPECT_EQ(host.messages[0].title, "Ошибка!");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(host.saveRequests.empty());
    EXPECT_EQ(ed.win.startAddress, "0X1000");
}

TEST(ExportFileNameTest, EncodesFormatScanPolarityRangeAndAddress) {
    Editor ed;
    test::OpenTestFont(ed, 0, kScanVertical1);
    EXPECT_EQ(ExportFileName(ed, ed.win.negative, ExportRange{}), "Font06x08v1p");

    test::OpenTestFont(ed, 3, kScanHorizontal1);
    SetNegativeFont(ed, true);
    EXPECT_EQ(ExportFileName(ed, ed.win.negative, {160, 223, true}), "Font16x16h1nRUS");

    test::OpenTestFont(ed, 1, kScanVertical2);
    SetNegativeFont(ed, false);
    EXPECT_EQ(ExportFileName(ed, ed.win.negative, {0, 95, true}, StartAddressText(4096)),
              "Font08x08v2pLAT-1000H");
    EXPECT_EQ(ExportFileName(ed, ed.win.negative, {0, 159, true}), "Font08x08v2pLAT") << "32..191";
    EXPECT_EQ(ExportFileName(ed, ed.win.negative, {68, 168, true}), "Font08x08v2p") << "100..200";
    EXPECT_EQ(ExportFileName(ed, ed.win.negative, {161, 223, true}), "Font08x08v2p") << "193..255";

    test::OpenTestFont(ed, 8, kScanHorizontal2);
    EXPECT_EQ(ExportFileName(ed, ed.win.negative, ExportRange{}, "7FFFH"), "Font48x56h2p-7FFFH");

    test::OpenTestFont(ed, *FormatIndexByName("5 x 8"), kScanVertical1);
    EXPECT_EQ(ExportFileName(ed, ed.win.negative, ExportRange{}), "Font05x08v1p");
    test::OpenTestFont(ed, *FormatIndexByName("8 x 16"), kScanHorizontal1);
    EXPECT_EQ(ExportFileName(ed, ed.win.negative, {0, 95, true}), "Font08x16h1pLAT");
}

TEST_F(ExportTest, SaveDialogOffersTitleFilterProgramDirAndName) {
    Editor ed;
    test::OpenTestFont(ed, 3, kScanHorizontal1);
    host.programDir = Dir();
    SetIncompleteSet(ed, true);
    ed.win.firstCode = "192";
    ed.win.lastCode = "255";
    SetNegativeFont(ed, true);
    host.saveResults.push_back(std::nullopt);
    ExportFont(ed, host);
    ChooseOutputFormat(ed, "Intel HEX");
    ed.win.startAddress = "$1000";
    host.saveResults.push_back(std::nullopt);
    ExportFont(ed, host);

    ASSERT_EQ(host.saveRequests.size(), 2u);
    EXPECT_EQ(host.saveRequests[0].title, "Сохранить знакогенератор как...");
    EXPECT_EQ(host.saveRequests[0].filter, "Знакогенератор |*.fnt");
    EXPECT_EQ(host.saveRequests[0].initialDir, Dir()) << "a program directory the user may write";
    EXPECT_EQ(host.saveRequests[0].proposedName, "Font16x16h1nRUS");
    EXPECT_EQ(host.saveRequests[1].filter, "Знакогенератор (hex-код) |*.hex");
    EXPECT_EQ(host.saveRequests[1].proposedName, "Font16x16h1nRUS-1000H");
    // Cancelling is silent and keeps the one-shot settings.
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(ed.win.negative);
    EXPECT_TRUE(ed.win.incompleteSet);
    EXPECT_TRUE(test::DirectoryNames(dir_).empty());
}

TEST_F(ExportTest, SuccessMarksSavedAndResetsTheOneShotSettings) {
    Editor ed;
    OpenWorkedExample(ed);
    SetNegativeFont(ed, true);
    ed.win.nosave = 1;
    ed.font.CurrentChar = 5;
    SetDefinedLook(ed, 5);
    ed.table.cells[5].background = kRed;
    ed.table.cells[9].background = kBlue;
    Export(ed);

    EXPECT_EQ(ed.win.nosave, 0);
    for (int index = 0; index < kCharCount; ++index) {
        const CharCell& cell = ed.table.cells[static_cast<std::size_t>(index)];
        EXPECT_EQ(cell.fontSize, ed.font.CharTableFontSize) << index;
        EXPECT_FALSE(cell.bold) << index;
        EXPECT_EQ(cell.background, index == 5 ? kRed : kWhite) << index;
    }
    EXPECT_FALSE(ed.win.incompleteSet);
    EXPECT_FALSE(IsVisible(ed.win, Ctl::FirstCode)) << "the range fields hide as on a click";
    EXPECT_EQ(ed.win.firstCode, "32");
    EXPECT_EQ(ed.win.lastCode, "255");
    EXPECT_FALSE(ed.win.negative);
    EXPECT_EQ(ed.params.PositiveFont, kLit);
}

TEST_F(ExportTest, WholeSixByEightFontIs84FullRecords) {
    Editor ed;
    test::OpenTestFont(ed, 0, kScanVertical1);
    ChooseOutputFormat(ed, "Intel HEX");
    Export(ed);
    std::istringstream lines(test::ReadWholeFile(PathOf("out.fnt")));
    std::string line;
    int records = 0;
    while (std::getline(lines, line) && line != ":00000001FF\r") {
        EXPECT_EQ(line.substr(0, 3), ":10") << line;
        EXPECT_EQ(line.size(), 1u + 8 + 32 + 2 + 1) << "data, checksum and CR";
        ++records;
    }
    EXPECT_EQ(records, 84);
    EXPECT_FALSE(std::getline(lines, line)) << "nothing after the end record";
}

TEST_F(ExportTest, CyrillicRangeStartsWithCode192AtTheStartAddress) {
    Editor ed;
    test::OpenTestFont(ed, 1, kScanVertical1);
    ed.font.FontImage[160 * 8] = 0xA5;
    ed.font.FontImage[223 * 8 + 7] = 0x3C;
    ChooseOutputFormat(ed, "Intel HEX");
    ed.win.startAddress = "0x1000";
    SetIncompleteSet(ed, true);
    ed.win.firstCode = "192";
    ed.win.lastCode = "255";
    Export(ed);
    const std::string text = test::ReadWholeFile(PathOf("out.fnt"));
    EXPECT_EQ(text.substr(0, 11), ":10100000A5");
    EXPECT_EQ(host.saveRequests.at(0).proposedName, "Font08x08v1pRUS-1000H");

    std::istringstream file(text);
    std::vector<std::uint8_t> read(kFontDataCapacity);
    const ReadResult result = ReadFontData("out.hex", file, read, false, host);
    ASSERT_EQ(result.LastIndexRead + 1, 64 * 8);
    EXPECT_TRUE(std::equal(read.begin(), read.begin() + 512, ed.font.FontImage.begin() + 160 * 8));
}

TEST_F(ExportTest, CodeLinesCarryNoPrefixAndTwelveByteCharactersNeedLinesOfEight) {
    Editor ed;
    test::OpenTestFont(ed, 2, kScanVertical1);  // 12 x 16: 24 bytes, three lines a character
    ChooseOutputFormat(ed, "Code");
    ed.win.notation = "$NN";
    Export(ed);
    std::istringstream lines(test::ReadWholeFile(PathOf("out.fnt")));
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        ASSERT_EQ(line, "$00,$00,$00,$00,$00,$00,$00,$00\r");
        ++count;
    }
    EXPECT_EQ(count, 224 * 3);
}

TEST_F(ExportTest, FiveByEightCharactersFillOneLineEach) {
    Editor ed;
    test::OpenTestFont(ed, *FormatIndexByName("5 x 8"), kScanVertical1);
    test::CharBytes(ed, 1)[4] = 0x5F;
    ChooseOutputFormat(ed, "Code");
    ed.win.notation = "$NN";
    Export(ed);
    std::istringstream lines(test::ReadWholeFile(PathOf("out.fnt")));
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        ASSERT_EQ(line, count == 1 ? "$00,$00,$00,$00,$5F\r" : "$00,$00,$00,$00,$00\r") << count;
        ++count;
    }
    EXPECT_EQ(count, 224);
}

// Addresses of the data records, made absolute with the extended linear address records.
std::vector<std::uint32_t> AbsoluteRecordAddresses(const std::string& text) {
    std::vector<std::uint32_t> addresses;
    std::istringstream lines(text);
    std::string line;
    std::uint32_t upper = 0;
    while (std::getline(lines, line)) {
        const std::string type = line.substr(7, 2);
        if (type == "04") {
            upper = static_cast<std::uint32_t>(std::stoul(line.substr(9, 4), nullptr, 16));
        } else if (type == "00") {
            const auto low = static_cast<std::uint32_t>(std::stoul(line.substr(3, 4), nullptr, 16));
            const auto length = std::stoul(line.substr(1, 2), nullptr, 16);
            EXPECT_LE(low + length, 0x10000u) << "a record must not cross a 64 KiB boundary";
            addresses.push_back((upper << 16) + low);
            addresses.push_back(static_cast<std::uint32_t>(length));
        }
    }
    return addresses;
}

TEST_F(ExportTest, LargeFontPastFFFFGetsExtendedAddressRecordsAndReadsBack) {
    Editor ed;
    test::OpenTestFont(ed, 8, kScanVertical1);
    std::mt19937 random(48);
    const std::vector<std::uint8_t> bytes = test::RandomBytes(random, kFontBytes);
    std::copy(bytes.begin(), bytes.end(), ed.font.FontImage.begin());
    ChooseOutputFormat(ed, "Intel HEX");
    ed.win.startAddress = "32767";
    Export(ed);
    const std::string text = test::ReadWholeFile(PathOf("out.fnt"));

    EXPECT_NE(text.find("\r\n:020000040001F9\r\n"), std::string::npos);
    const std::vector<std::uint32_t> records = AbsoluteRecordAddresses(text);
    std::uint32_t expected = 32767;
    for (std::size_t k = 0; k < records.size(); k += 2) {
        ASSERT_EQ(records[k], expected) << "record " << k / 2;
        expected += records[k + 1];
    }
    EXPECT_EQ(expected, 32767u + kFontBytes);

    std::istringstream file(text);
    std::vector<std::uint8_t> read(kFontDataCapacity);
    const ReadResult result = ReadFontData("out.HEX", file, read, false, host);
    EXPECT_EQ(result.LastIndexRead + 1, kFontBytes);
    EXPECT_FALSE(result.Overflow);
    EXPECT_EQ(read, bytes);
    EXPECT_TRUE(host.messages.empty()) << "every checksum, the 04 records' too, is right";
}

TEST_F(ExportTest, FailedWriteNamesTheReasonAndKeepsTheSettings) {
    Editor ed;
    OpenWorkedExample(ed);
    ed.win.nosave = 1;
    std::filesystem::create_directory(dir_ / "taken");
    test::WriteWholeFile(PathOf("taken/keep"), "old");
    host.saveResults.push_back(PathOf("taken"));
    host.saveResults.push_back(PathOf("missing/out.fnt"));
    ExportFont(ed, host);
    ExportFont(ed, host);

    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].text,
              "Не удалось сохранить файл " + PathOf("taken") + ":\n" + SystemErrorText(EISDIR));
    EXPECT_EQ(host.messages[0].title, kDefaultTitle);
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::Ok);
    EXPECT_NE(host.messages[1].text.find(SystemErrorText(ENOENT)), std::string::npos);
    EXPECT_EQ(test::ReadWholeFile(PathOf("taken/keep")), "old");
    EXPECT_EQ(test::DirectoryNames(dir_), std::vector<std::string>{"taken"})
        << "no temporary file is left behind";
    EXPECT_EQ(ed.win.nosave, 1);
    EXPECT_TRUE(ed.win.incompleteSet);
}

TEST_F(ExportTest, ReplacesAnExistingFileWhole) {
    test::WriteWholeFile(PathOf("font.fnt"), std::string(100000, 'x'));
    EXPECT_EQ(CommitFile(PathOf("font.fnt"), "Data &h00\r\n"), std::nullopt);
    EXPECT_EQ(test::ReadWholeFile(PathOf("font.fnt")), "Data &h00\r\n");
    EXPECT_EQ(test::DirectoryNames(dir_), std::vector<std::string>{"font.fnt"});
}

#ifdef __unix__
// A file-size limit makes the write itself fail, even for root, like a full disk would.
TEST_F(ExportTest, WriteThatFailsHalfwayLeavesTheOldFile) {
    test::WriteWholeFile(PathOf("font.fnt"), "old contents");
    std::optional<std::string> failure;
    {
        const test::FileSizeLimit limit(4096);
        failure = CommitFile(PathOf("font.fnt"), std::string(65536, 'y'));
    }
    ASSERT_TRUE(failure);
    EXPECT_EQ(*failure, SystemErrorText(EFBIG));
    EXPECT_EQ(test::ReadWholeFile(PathOf("font.fnt")), "old contents");
    EXPECT_EQ(test::DirectoryNames(dir_), std::vector<std::string>{"font.fnt"});
}

// The whole command on a full disk: the font, its unsaved mark and the old file all survive, and
// a second try after space is freed writes the font.
TEST_F(ExportTest, FullDiskKeepsTheFontAndTheOldFileUntilTheRetry) {
    Editor ed;
    test::OpenTestFont(ed, 8, kScanVertical1);
    std::mt19937 random{5};
    const std::vector<std::uint8_t> font = test::RandomBytes(random, kFontBytes);
    std::copy(font.begin(), font.end(), ed.font.FontImage.begin());
    ed.win.nosave = 1;
    const Editor before = ed;
    test::WriteWholeFile(PathOf("font.fnt"), "old contents");
    {
        const test::FileSizeLimit limit(4096);
        Export(ed, "font.fnt");
    }
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].text,
              std::string(kSaveFailed) + PathOf("font.fnt") + ":\n" + SystemErrorText(EFBIG));
    EXPECT_EQ(test::ReadWholeFile(PathOf("font.fnt")), "old contents");
    EXPECT_EQ(test::DirectoryNames(dir_), std::vector<std::string>{"font.fnt"});
    EXPECT_EQ(ed.font.FontImage, before.font.FontImage);
    EXPECT_EQ(ed.win.nosave, 1);

    Export(ed, "font.fnt");
    EXPECT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(ed.win.nosave, 0);
    std::istringstream written(test::ReadWholeFile(PathOf("font.fnt")));
    std::vector<std::uint8_t> read(kFontBytes);
    EXPECT_EQ(ReadFontData("font.fnt", written, read, false, host).LastIndexRead + 1, kFontBytes);
    EXPECT_EQ(read, font);
}

TEST_F(ExportTest, ReadOnlyDirectoryKeepsTheFontAndTheOldFile) {
    Editor ed;
    OpenWorkedExample(ed);
    ed.win.nosave = 1;
    const Editor before = ed;
    test::WriteWholeFile(PathOf("font.fnt"), "old contents");
    std::string target;
    {
        const test::ReadOnlyDirectory readOnly(dir_);
        if (!readOnly.path) {
            GTEST_SKIP() << "no directory here refuses new files to this user";
        }
        target = (*readOnly.path / "font.fnt").string();
        host.saveResults.push_back(target);
        ExportFont(ed, host);
        if (readOnly.Own()) {
            EXPECT_EQ(test::ReadWholeFile(PathOf("font.fnt")), "old contents");
            EXPECT_EQ(test::DirectoryNames(dir_), std::vector<std::string>{"font.fnt"});
        }
    }
    ASSERT_EQ(host.messages.size(), 1U);
    // Permissions say EACCES, an immutable directory EPERM, a sysfs mounted read-only EROFS.
    const std::string lead = std::string(kSaveFailed) + target + ":\n";
    EXPECT_TRUE(host.messages[0].text == lead + SystemErrorText(EACCES) ||
                host.messages[0].text == lead + SystemErrorText(EPERM) ||
                host.messages[0].text == lead + SystemErrorText(EROFS))
        << host.messages[0].text;
    EXPECT_EQ(ed.font.FontImage, before.font.FontImage);
    EXPECT_EQ(ed.win.nosave, 1);
    EXPECT_TRUE(ed.win.incompleteSet) << "the range is kept for the next try";
}
#endif

}  // namespace
}  // namespace pixmora
