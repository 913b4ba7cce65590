// Intel HEX into address runs: the font finder needs the addresses that the font reader ignores.
#include <algorithm>
#include <map>

#include "io/firmware_image.h"
#include "io/number_text.h"

namespace pixmora {

namespace {

std::string AtLine(const char* message, int line) {
    return std::string(message) + std::to_string(line) + ".";
}

int PairAt(std::string_view text, std::size_t at) {
    if (at + 1 >= text.size()) {
        return -1;
    }
    const int high = HexDigitValue(text[at]);
    const int low = HexDigitValue(text[at + 1]);
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}

struct Record {
    int type = 0;
    std::uint32_t offset = 0;
    std::vector<std::uint8_t> data;
};

// One line ":LLAAAATT<data>CC" without its line end; an error text when it is not one.
std::optional<std::string> ParseRecord(std::string_view line, int lineNumber, Record& record) {
    if (line.size() < 11 || line[0] != ':' || line.size() % 2 == 0) {
        return AtLine(kHexBadRecord, lineNumber);
    }
    std::vector<std::uint8_t> bytes;
    for (std::size_t at = 1; at < line.size(); at += 2) {
        const int value = PairAt(line, at);
        if (value < 0) {
            return AtLine(kHexBadRecord, lineNumber);
        }
        bytes.push_back(static_cast<std::uint8_t>(value));
    }
    if (bytes.size() != static_cast<std::size_t>(bytes[0]) + 5) {
        return AtLine(kHexBadRecord, lineNumber);
    }
    unsigned sum = 0;
    for (const std::uint8_t byte : bytes) {
        sum += byte;
    }
    if (sum % 256 != 0) {
        return AtLine(kHexBadChecksum, lineNumber);
    }
    record.offset = static_cast<std::uint32_t>(bytes[1] << 8 | bytes[2]);
    record.type = bytes[3];
    record.data.assign(bytes.begin() + 4, bytes.end() - 1);
    return std::nullopt;
}

}  // namespace

ImageRead ReadIntelHexImage(std::string_view text) {
    // Every data byte by address, then cut into runs of consecutive addresses.
    std::map<std::uint64_t, std::pair<std::vector<std::uint8_t>, std::uint64_t>> records;
    std::uint64_t base = 0;
    std::size_t total = 0;
    bool ended = false;
    int lineNumber = 0;
    std::size_t start = 0;
    while (start < text.size() && !ended) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        const std::uint64_t lineOffset = start;
        start = end + 1;
        ++lineNumber;
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) {
            line.remove_suffix(1);
        }
        if (line.empty()) {
            continue;
        }
        Record record;
        if (auto error = ParseRecord(line, lineNumber, record)) {
            return {std::nullopt, *error};
        }
        switch (record.type) {
            case 0: {
                if (record.data.empty()) {
                    break;
                }
                const std::uint64_t address = base + record.offset;
                total += record.data.size();
                if (total > kMaxImageBytes) {
                    return {std::nullopt, kImageTooLarge};
                }
                const auto next = records.lower_bound(address);
                const bool overlapsNext =
                    next != records.end() && next->first < address + record.data.size();
                const bool overlapsPrevious =
                    next != records.begin() &&
                    std::prev(next)->first + std::prev(next)->second.first.size() > address;
                if (overlapsNext || overlapsPrevious) {
                    return {std::nullopt, AtLine(kHexOverlap, lineNumber)};
                }
                records.emplace(address, std::make_pair(std::move(record.data), lineOffset));
                break;
            }
            case 1:
                ended = true;
                break;
            case 2:
            case 4:
                if (record.data.size() != 2) {
                    return {std::nullopt, AtLine(kHexBadRecord, lineNumber)};
                }
                base = static_cast<std::uint64_t>(record.data[0] << 8 | record.data[1])
                       << (record.type == 2 ? 4 : 16);
                break;
            case 3:
            case 5:
                break;  // start addresses say nothing about the bytes
            default:
                return {std::nullopt, AtLine(kHexBadRecord, lineNumber)};
        }
    }
    if (!ended) {
        return {std::nullopt, kHexNoEnd};
    }
    FirmwareImage image{ImageKind::IntelHex, {}};
    for (auto& [address, record] : records) {
        auto& [bytes, fileOffset] = record;
        if (image.segments.empty() ||
            image.segments.back().address + image.segments.back().bytes.size() != address) {
            image.segments.push_back({address, fileOffset, {}});
        }
        auto& run = image.segments.back().bytes;
        run.insert(run.end(), bytes.begin(), bytes.end());
    }
    if (image.segments.empty()) {
        return {std::nullopt, kImageEmpty};
    }
    return {std::move(image), {}};
}

}  // namespace pixmora
