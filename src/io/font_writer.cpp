#include "io/font_writer.h"

#include <algorithm>
#include <string>

namespace pixmora {

namespace {

constexpr std::size_t kHexRecordBytes = 16;
constexpr std::uint32_t kSegmentSize = 0x10000;
constexpr std::uint8_t kDataRecord = 0x00;
constexpr std::uint8_t kExtendedLinearAddress = 0x04;
constexpr std::string_view kHexEndRecord = ":00000001FF";

void AppendHexByte(std::string& text, std::uint8_t value) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    text += kDigits[value >> 4];
    text += kDigits[value & 0x0F];
}

void AppendHexRecord(std::string& text, std::uint8_t type, std::uint16_t address,
                     std::span<const std::uint8_t> data) {
    const auto length = static_cast<std::uint8_t>(data.size());
    const auto high = static_cast<std::uint8_t>(address >> 8);
    const auto low = static_cast<std::uint8_t>(address & 0xFF);
    text += ':';
    unsigned sum = 0;
    for (const std::uint8_t field : {length, high, low, type}) {
        AppendHexByte(text, field);
        sum += field;
    }
    for (const std::uint8_t value : data) {
        AppendHexByte(text, value);
        sum += value;
    }
    AppendHexByte(text, static_cast<std::uint8_t>((256 - sum % 256) % 256));
    text += kLineEnd;
}

}  // namespace

// The text is built whole and handed to the stream once: a large font is some 400 KB of text.
void WriteSourceText(std::ostream& out, std::span<const std::uint8_t> bytes, OutputFormat format,
                     NumberNotation notation, int valuesPerLine) {
    constexpr std::size_t kLongestValue = 5;  // "&hFF," or "0FFh,"
    const std::string_view prefix = LinePrefix(format);
    const auto perLine = static_cast<std::size_t>(std::max(valuesPerLine, 1));
    std::string text;
    text.reserve(bytes.size() * kLongestValue +
                 (bytes.size() / perLine + 1) * (prefix.size() + kLineEnd.size()));
    for (std::size_t first = 0; first < bytes.size(); first += perLine) {
        const std::size_t count = std::min(perLine, bytes.size() - first);
        text += prefix;
        for (std::size_t k = 0; k < count; ++k) {
            if (k > 0) {
                text += ',';
            }
            AppendByteValue(text, bytes[first + k], notation);
        }
        text += kLineEnd;
    }
    out << text;
}

void WriteIntelHex(std::ostream& out, std::span<const std::uint8_t> bytes,
                   std::uint32_t startAddress) {
    constexpr std::size_t kRecordOverhead = 13;  // ":", length, address, type, checksum, CR LF
    std::string text;
    text.reserve((bytes.size() / kHexRecordBytes + 8) * (kRecordOverhead + 2 * kHexRecordBytes));
    std::uint32_t address = startAddress;
    std::uint32_t segment = 0;  // the upper 16 bits a programmer assumes until told otherwise
    std::size_t next = 0;
    while (next < bytes.size()) {
        if (address / kSegmentSize != segment) {
            segment = address / kSegmentSize;
            const std::uint8_t upper[] = {static_cast<std::uint8_t>(segment >> 8),
                                          static_cast<std::uint8_t>(segment & 0xFF)};
            AppendHexRecord(text, kExtendedLinearAddress, 0, upper);
        }
        const std::size_t roomInSegment = kSegmentSize - address % kSegmentSize;
        const std::size_t count = std::min({kHexRecordBytes, bytes.size() - next, roomInSegment});
        AppendHexRecord(text, kDataRecord, static_cast<std::uint16_t>(address % kSegmentSize),
                        bytes.subspan(next, count));
        next += count;
        address += static_cast<std::uint32_t>(count);
    }
    text += kHexEndRecord;
    text += kLineEnd;
    out << text;
}

}  // namespace pixmora
