// The Intel HEX branch of ReadFontData. A data record reads
//   :LLAAAATT<2*LL digits>CC
// and everything but type 00 is skipped, so records of other types (extended addresses, start
// addresses) and stray text cost nothing. Addresses are not used: data follow in file order.
#include <string>

#include "editor/host.h"
#include "io/reader_detail.h"

namespace pixmora::reader {

namespace {

constexpr std::string_view kEndRecord = ":00000001FF";
constexpr std::size_t kTypePosition = 7;  // 0-based start of TT
constexpr std::size_t kDataPosition = 9;  // 0-based start of the data digits

bool IsDataRecord(std::string_view line) {
    return line.size() >= kDataPosition && line.substr(kTypePosition, 2) == "00";
}

// The byte sum of the pairs between the colon and the checksum; nothing when a pair is not
// hexadecimal.
std::optional<unsigned> RecordSum(std::string_view line) {
    const std::string_view summed = line.substr(1, line.size() - 2);
    unsigned sum = 0;
    for (std::size_t p = 0; p + 1 < summed.size(); p += 2) {
        const int value = HexPairValue(summed.substr(p, 2));
        if (value < 0) {
            return std::nullopt;
        }
        sum += static_cast<unsigned>(value);
    }
    return sum % 256;
}

}  // namespace

ReadResult ReadHexData(std::istream& in, ByteSink& sink, Host& host) {
    ReadResult result;
    bool checksumError = false;
    LineReader lines(in);
    std::string_view line;
    int lineNumber = 0;
    while (true) {
        const LineRead read = lines.Next(line);
        if (read != LineRead::Line) {
            result.failure = std::string(read == LineRead::End ? kHexEndMissing : kReadFailed);
            break;
        }
        ++lineNumber;
        if (line == kEndRecord) {
            break;
        }
        if (!IsDataRecord(line)) {
            continue;
        }
        const std::optional<unsigned> sum = RecordSum(line);
        const int checksum = HexPairValue(line.substr(line.size() - 2));
        if (!sum || checksum < 0) {
            result.failure = std::string(kBadHexCharacters) + std::to_string(lineNumber) + ".";
            break;
        }
        if (static_cast<unsigned>(checksum) != (256 - *sum) % 256) {
            checksumError = true;
        }
        const auto length = static_cast<std::size_t>(HexPairValue(line.substr(1, 2)));
        const std::string_view data = line.substr(kDataPosition, 2 * length);
        for (std::size_t k = 0; k < length; ++k) {
            const std::string_view pair = data.substr(std::min(2 * k, data.size()), 2);
            const int value = HexPairValue(pair);
            if (value < 0) {
                ShowSyntaxError(host, kFontLoadStopped);
                result.ImportAborted = true;
                result.LastIndexRead = static_cast<int>(sink.next) - 1;
                return result;
            }
            if (SinkFull(sink)) {
                result.Overflow = true;
                result.LastIndexRead = static_cast<int>(sink.next) - 1;
                return result;
            }
            StoreByte(sink, static_cast<std::uint8_t>(value));
        }
    }
    result.LastIndexRead = static_cast<int>(sink.next) - 1;
    if (checksumError && !result.failure) {
        result.ChecksumError = true;
        host.Message(std::string(kChecksumMessage), std::string(kChecksumMessageTitle),
                     MsgIcon::Information, MsgButtons::Ok);
    }
    return result;
}

}  // namespace pixmora::reader
