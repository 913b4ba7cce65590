#include "io/font_reader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "io/system_error.h"
#include "support/fake_host.h"
#include "support/scratch_dir.h"

namespace pixmora {
namespace {

using test::FakeHost;
using Bytes = std::vector<std::uint8_t>;

const std::string kFontSyntaxMessage = "Нераспознанный синтаксис данных.Загрузка файла прекращена.";

struct Read {
    ReadResult result;
    Bytes bytes;  // the bytes stored
};

Read ReadText(const std::string& path, const std::string& text, FakeHost& host,
              bool negative = false) {
    std::istringstream file(text);
    Bytes destination(kFontDataCapacity + 1, 0xEE);
    Read read{ReadFontData(path, file, destination, negative, host), {}};
    EXPECT_EQ(destination[kFontDataCapacity], 0xEE) << "the spare byte is never written";
    read.bytes.assign(destination.begin(), destination.begin() + read.result.LastIndexRead + 1);
    return read;
}

Read ReadHex(const std::string& text, FakeHost& host) {
    return ReadText("font.hex", text, host);
}
Read ReadSource(const std::string& text, FakeHost& host) {
    return ReadText("font.fnt", text, host);
}

TEST(IsHexPathTest, OnlyThreeSpellingsSelectHex) {
    for (const char* path : {"a.hex", "a.Hex", "a.HEX", "hex", "/dir/fontHEX"}) {
        EXPECT_TRUE(IsHexPath(path)) << path;
    }
    for (const char* path : {"a.hEx", "a.HEx", "a.heX", "a.fnt", "a.hex ", "ex", ""}) {
        EXPECT_FALSE(IsHexPath(path)) << path;
    }
}

TEST(BinaryReader, TakesEveryByteAsItIsAndStopsAtTheCapacity) {
    FakeHost host;
    const std::string bytes("\x00\xFF\r\n\x1A:0,h", 8);
    for (const char* path : {"a.bin", "A.BIN", "font.Bin"}) {
        EXPECT_TRUE(IsBinaryPath(path)) << path;
        const Read read = ReadText(path, bytes, host);
        EXPECT_EQ(read.bytes, Bytes(bytes.begin(), bytes.end())) << path;
        EXPECT_FALSE(read.result.Overflow);
    }
    EXPECT_EQ(ReadText("a.bin", bytes, host, true).bytes[1], 0x00) << "complemented when negative";
    const Read full = ReadText("a.bin", std::string(kFontDataCapacity + 1, '\x55'), host);
    EXPECT_TRUE(full.result.Overflow);
    EXPECT_EQ(full.bytes.size(), static_cast<std::size_t>(kFontDataCapacity));
    for (const char* path : {"a.bin.fnt", "abin", "a.bi"}) {
        EXPECT_FALSE(IsBinaryPath(path)) << path;
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST(HexReader, ReadsTheWorkedExampleRecord) {
    FakeHost host;
    const Read read = ReadHex(":0C00000000000000000000005F00000095\r\n:00000001FF\r\n", host);
    EXPECT_EQ(read.bytes, (Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0x5F, 0, 0, 0}));
    EXPECT_FALSE(read.result.ImportAborted);
    EXPECT_FALSE(read.result.failure);
    EXPECT_TRUE(host.messages.empty());
}

TEST(HexReader, EndRecordAloneStoresNothing) {
    FakeHost host;
    const Read read = ReadHex(":00000001FF\r\n", host);
    EXPECT_EQ(read.result.LastIndexRead, -1);
    EXPECT_FALSE(read.result.failure);
    EXPECT_TRUE(host.messages.empty());
}

TEST(HexReader, EndOfFileBeforeTheEndRecordFails) {
    FakeHost host;
    for (const char* text : {":0100000041BE\r\n:00000001ff\r\n", ":0100000041BE\r\n", ""}) {
        const Read read = ReadHex(text, host);
        EXPECT_TRUE(read.result.failure) << text;
        EXPECT_FALSE(read.result.ImportAborted);
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST(HexReader, SkipsOtherRecordTypesAndIgnoresAddresses) {
    FakeHost host;
    const Read read = ReadHex(
        "garbage line\r\n"
        ":0200000400FFFB\r\n"
        ":02001000AABB89\r\n"
        ":04000005000000CD2A\r\n"
        "\r\n"
        ":02000000CCDD55\r\n"
        ":00000001FF\r\n",
        host);
    EXPECT_EQ(read.bytes, (Bytes{0xAA, 0xBB, 0xCC, 0xDD})) << "file order, not address order";
    EXPECT_FALSE(read.result.ChecksumError);
    EXPECT_TRUE(host.messages.empty());
}

TEST(HexReader, WrongChecksumsKeepTheDataAndAreToldOnceAtTheEnd) {
    FakeHost host;
    const Read read = ReadHex(
        ":0100000041BE\r\n"
        ":0100000042FF\r\n"
        ":0100000043FF\r\n"
        ":00000001FF\r\n",
        host);
    EXPECT_EQ(read.bytes, (Bytes{0x41, 0x42, 0x43}));
    EXPECT_TRUE(read.result.ChecksumError);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "В загружаемом HEX-файле\nошибка контрольной суммы !");
    EXPECT_EQ(host.messages[0].title, "Информация");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::Ok);
}

TEST(HexReader, NonHexCharactersInASummedFieldFail) {
    FakeHost host;
    for (const char* record :
         {":0G00000041BE", ":010000004XBE", ":01000000410Z", ":01 0000041BE"}) {
        const Read read = ReadHex(std::string(record) + "\r\n:00000001FF\r\n", host);
        EXPECT_TRUE(read.result.failure) << record;
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST(HexReader, RecordShorterThanItsLengthIsASyntaxError) {
    FakeHost host;
    const Read read =
        ReadHex(":0100000041BE\r\n:0400000042BE\r\n:0100000043BC\r\n:00000001FF\r\n", host);
    EXPECT_TRUE(read.result.ImportAborted);
    EXPECT_FALSE(read.result.failure);
    EXPECT_EQ(read.bytes, (Bytes{0x41, 0x42, 0xBE})) << "the bytes before the bad pair stay";
    ASSERT_EQ(host.texts(), std::vector<std::string>{kFontSyntaxMessage});
    EXPECT_EQ(host.messages[0].title, kDefaultTitle);
    EXPECT_EQ(host.messages[0].icon, MsgIcon::None);
}

TEST(HexReader, AcceptsBareLineFeedsAndComplementsForANegativeFont) {
    FakeHost host;
    const Read read = ReadText("x.Hex", ":020000000FF0FF\n:00000001FF\n", host, true);
    EXPECT_EQ(read.bytes, (Bytes{0xF0, 0x0F}));
    EXPECT_TRUE(host.messages.empty());
}

std::string HexRecordsOfZeros(int bytes) {
    std::string text;
    for (; bytes >= 16; bytes -= 16) {
        text += ":10000000000000000000000000000000000000F0\r\n";
    }
    if (bytes == 1) {
        text += ":0100000000FF\r\n";
    }
    return text;
}

TEST(HexReader, FillsExactlyTheCapacityAndOverflowsOneByteLater) {
    FakeHost host;
    Read read = ReadHex(HexRecordsOfZeros(kFontBytes) + ":00000001FF\r\n", host);
    EXPECT_EQ(read.result.LastIndexRead, kFontBytes - 1);
    EXPECT_FALSE(read.result.Overflow);
    // A wrong checksum before the overflow is not told: the read stopped early.
    read = ReadHex(":0100000041FF\r\n" + HexRecordsOfZeros(kFontBytes) + ":00000001FF\r\n", host);
    EXPECT_EQ(read.result.LastIndexRead, kFontBytes - 1);
    EXPECT_TRUE(read.result.Overflow);
    EXPECT_FALSE(read.result.failure);
    EXPECT_TRUE(host.messages.empty());
}

TEST(SourceReader, ReadsTheAcceptedLineForms) {
    const std::pair<const char*, Bytes> cases[] = {
        {"Data &h00,&h7E,&h81", {0x00, 0x7E, 0x81}},
        {".db $0F,#F0", {0x0F, 0xF0}},
        {"0x10,0x20,", {0x10, 0x20}},
        {"0FFh,10h", {0xFF, 0x10}},
        {"Data &h01,&h02 ; A", {0x01}},
        {"&h01,&h02 // two", {0x01}},
        {"$1Fh,09Ah,99H,&HaB", {0x1F, 0x9A, 0x99, 0xAB}},
        {"Data     &h01 ,  &h02  ", {0x01, 0x02}},
    };
    for (const auto& [line, expected] : cases) {
        FakeHost host;
        const Read read = ReadSource(std::string(line) + "\r\n", host);
        EXPECT_EQ(read.bytes, expected) << line;
        EXPECT_TRUE(host.messages.empty()) << line;
        EXPECT_FALSE(read.result.ImportAborted) << line;
    }
}

TEST(SourceReader, RefusesUnknownShapesWithTheSyntaxMessage) {
    for (const char* line : {"data &h01", " Data &h01", "DATA &h01", ".DB &h01", "65", "0X41", "$5",
                             "0x5", "&h5", "Ah", "&h01,,&h02", "   ", "Data", "Data ,&h01",
                             ":0C00000000000000000000005F00000095", "&h01, "}) {
        FakeHost host;
        const Read read = ReadSource(std::string("&h77\r\n") + line + "\r\n&h88\r\n", host);
        EXPECT_TRUE(read.result.ImportAborted) << line;
        EXPECT_EQ(host.texts(), std::vector<std::string>{kFontSyntaxMessage}) << line;
        EXPECT_EQ(read.bytes.front(), 0x77) << "what was read before stays";
        EXPECT_NE(read.bytes.back(), 0x88) << "nothing after the error is read";
    }
}

TEST(SourceReader, SkipsValuesWhoseDigitsAreNotHex) {
    FakeHost host;
    const Read read = ReadSource("0x01,0xZZ,$G1,&h-1,0x02\r\n", host);
    EXPECT_EQ(read.bytes, (Bytes{0x01, 0x02}));
    EXPECT_TRUE(host.messages.empty());
}

TEST(SourceReader, SkipsEmptyLinesCommentsAndBlockComments) {
    FakeHost host;
    const Read read = ReadSource(
        "\r\n"
        " \r\n"
        "\t\r\n"
        "' basic comment\r\n"
        "; asm comment\r\n"
        "// c comment\r\n"
        "/* one-line block */\r\n"
        "/* block\r\n"
        "65, not data */ still inside\r\n"
        "end of block */\r\n"
        "&h01\r\n",
        host);
    EXPECT_EQ(read.bytes, Bytes{0x01});
    EXPECT_TRUE(host.messages.empty());
}

TEST(SourceReader, EndOfFileInsideABlockCommentFails) {
    FakeHost host;
    const Read read = ReadSource("&h01\r\n/* never closed\r\n&h02\r\n", host);
    EXPECT_TRUE(read.result.failure);
    EXPECT_FALSE(read.result.ImportAborted);
    EXPECT_TRUE(host.messages.empty());
}

TEST(SourceReader, TabsTrimLikeBlanksAndLineFeedsEndLines) {
    FakeHost host;
    const Read read = ReadSource("\t0x01,\t0x02\t\n.db\t$03\n\t; indented comment\n", host);
    EXPECT_EQ(read.bytes, (Bytes{0x01, 0x02, 0x03}));
    EXPECT_TRUE(host.messages.empty());
}

TEST(SourceReader, ComplementsForANegativeFont) {
    FakeHost host;
    const Read read = ReadText("font.hEx", "&h00,&hF0\r\n", host, true);
    EXPECT_EQ(read.bytes, (Bytes{0xFF, 0x0F})) << "hEx is not a HEX name";
}

TEST(SourceReader, FillsExactlyTheCapacityAndOverflowsOneValueLater) {
    std::string text;
    for (int line = 0; line < kFontBytes / 8; ++line) {
        text += "Data &h01,&h02,&h03,&h04,&h05,&h06,&h07,&h08\r\n";
    }
    FakeHost host;
    Read read = ReadSource(text, host);
    EXPECT_EQ(read.result.LastIndexRead, kFontBytes - 1);
    EXPECT_FALSE(read.result.Overflow);
    read = ReadSource(text + "&h09\r\n65\r\n", host);
    EXPECT_EQ(read.result.LastIndexRead, kFontBytes - 1);
    EXPECT_TRUE(read.result.Overflow);
    EXPECT_TRUE(host.messages.empty()) << "the syntax error after the overflow is never reached";
}

TEST(SourceReader, SmallerDestinationBoundsTheRead) {
    FakeHost host;
    std::istringstream file("&h01,&h02,&h03\r\n");
    Bytes destination(2);
    const ReadResult result = ReadFontData("small.fnt", file, destination, false, host);
    EXPECT_TRUE(result.Overflow);
    EXPECT_EQ(result.LastIndexRead, 1);
    EXPECT_EQ(destination, (Bytes{0x01, 0x02}));
}

// A stream that delivers some text and then fails like a broken disk.
class BrokenBuffer : public std::streambuf {
  public:
    explicit BrokenBuffer(std::string text) : text_(std::move(text)) {
        setg(text_.data(), text_.data(), text_.data() + text_.size());
    }

  protected:
    int_type underflow() override { throw std::ios_base::failure("device error"); }

  private:
    std::string text_;
};

TEST(Readers, ReadErrorsAreFailures) {
    FakeHost host;
    for (const char* path : {"font.hex", "font.fnt"}) {
        BrokenBuffer buffer("&h01\r\n:00000001");
        std::istream file(&buffer);
        Bytes destination(16);
        const ReadResult result = ReadFontData(path, file, destination, false, host);
        EXPECT_TRUE(result.failure) << path;
    }
    BrokenBuffer buffer("/* comment\r\n");
    std::istream file(&buffer);
    EXPECT_TRUE(ReadModelText(file, host).failure);
}

class ReaderFileTest : public test::ScratchDirTest {};

TEST_F(ReaderFileTest, FilesThatCannotBeOpenedFailWithTheSystemReason) {
    FakeHost host;
    Bytes destination(16);
    ReadResult result = ReadFontFile(PathOf("absent.fnt"), destination, false, host);
    ASSERT_TRUE(result.failure);
    EXPECT_NE(result.failure->find(SystemErrorText(ENOENT)), std::string::npos);
    result = ReadFontFile(dir_.string(), destination, false, host);
    ASSERT_TRUE(result.failure);
    EXPECT_NE(result.failure->find(SystemErrorText(EISDIR)), std::string::npos);
    EXPECT_TRUE(ReadModelFile(PathOf("t9.mod"), host).failure);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ReaderFileTest, OpensInBinarySoBothLineEndsWork) {
    FakeHost host;
    test::WriteWholeFile(PathOf("f.HEX"), ":0100000041BE\n:0100000042BD\r\n:00000001FF");
    Bytes destination(16);
    const ReadResult result = ReadFontFile(PathOf("f.HEX"), destination, false, host);
    EXPECT_EQ(result.LastIndexRead, 1);
    EXPECT_EQ(destination[1], 0x42);
    EXPECT_TRUE(host.messages.empty());
}

TEST(ModelReader, ReadsIntoAZeroedBufferWithoutPolarity) {
    FakeHost host;
    std::istringstream file("Data &hA5,&h00\r\nA5h,00h\r\n");
    const ModelFileData data = ReadModelText(file, host);
    EXPECT_EQ(data.valuesRead, 4);
    EXPECT_EQ(data.ModelBuffer[0], 0xA5);
    EXPECT_EQ(data.ModelBuffer[2], 0xA5);
    EXPECT_EQ(std::count(data.ModelBuffer.begin(), data.ModelBuffer.end(), 0),
              kModelBufferSize - 2);
    EXPECT_FALSE(data.ImportAborted);
    EXPECT_FALSE(data.failure);
}

TEST(ModelReader, SyntaxErrorNamesTheModelFile) {
    FakeHost host;
    std::istringstream file("&h01\r\n12\r\n");
    const ModelFileData data = ReadModelText(file, host);
    EXPECT_TRUE(data.ImportAborted);
    EXPECT_EQ(host.texts(),
              std::vector<std::string>{
                  "Нераспознанный синтаксис данных.Загрузка файла модели прекращена."});
    EXPECT_EQ(host.messages[0].title, kDefaultTitle);
}

TEST(ModelReader, HoldsAtMost32257Values) {
    FakeHost host;
    std::string text;
    for (int k = 0; k < kModelBufferSize; ++k) {
        text += "$7F\r\n";
    }
    std::istringstream full(text);
    const ModelFileData data = ReadModelText(full, host);
    EXPECT_EQ(data.valuesRead, kModelBufferSize);
    EXPECT_FALSE(data.failure);
    std::istringstream tooLong(text + "$01\r\n");
    EXPECT_TRUE(ReadModelText(tooLong, host).failure);
    EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace pixmora
