// The source-text branch of ReadFontData and the model-file reader. Accepted lines:
//   Data &h00,&h7E,&h81      stores 00 7E 81   ("Data" and ".db" exactly, first on the line)
//   .db $0F,#F0              stores 0F F0
//   0x10,0x20,               stores 10 20      (a trailing comma starts no value)
//   0FFh,10h                 stores FF 10
//   Data &h01,&h02 ; A       stores 01         (a comment drops the value it interrupts)
// A value of the right shape whose digits are not hexadecimal (0xZZ) is skipped silently; a
// value of no known shape (65, 0X41, $5, an empty value) stops the read as a syntax error.
#include <array>
#include <optional>
#include <string>

#include "editor/host.h"
#include "io/number_text.h"
#include "io/reader_detail.h"

namespace pixmora::reader {

namespace {

enum class SourceEnd { Finished, SyntaxError, NoRoom, Failed };

enum class ValueKind { Byte, Skipped, SyntaxError };

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool EndsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// How a character of a value list reads: a value's own, the comma that ends it, or the start of
// a comment that drops the rest of the line. A table, since every character of the file is one.
enum class ListChar : std::uint8_t { Value, Comma, Comment };

constexpr std::array<ListChar, 256> kListChars = [] {
    std::array<ListChar, 256> kinds{};
    kinds[static_cast<unsigned char>(',')] = ListChar::Comma;
    for (const char c : {'\'', ';', '/'}) {
        kinds[static_cast<unsigned char>(c)] = ListChar::Comment;
    }
    return kinds;
}();

ListChar KindOf(char c) {
    return kListChars[static_cast<unsigned char>(c)];
}

// The two hexadecimal digits a value's notation puts them in, or nothing for no known shape.
std::optional<std::string_view> ValueDigits(std::string_view t) {
    const std::size_t n = t.size();
    if (n == 3 && (t[0] == '$' || t[0] == '#')) {
        return t.substr(1, 2);
    }
    if (n == 4 && StartsWithHexPrefix(t)) {
        return t.substr(2, 2);
    }
    if (n == 4 && StartsWith(t, "0x")) {
        return t.substr(2, 2);
    }
    if (n > 0 && (t.back() == 'h' || t.back() == 'H')) {
        // A leading digit such as the 0 of 0FFh is dropped.
        if (n == 3) {
            return t.substr(0, 2);
        }
        if (n == 4) {
            return t.substr(1, 2);
        }
    }
    return std::nullopt;
}

ValueKind ConvertValue(std::string_view text, std::uint8_t& value) {
    const std::optional<std::string_view> digits = ValueDigits(TrimBlanks(text));
    if (!digits) {
        return ValueKind::SyntaxError;
    }
    const int pair = HexPairValue(*digits);
    if (pair < 0) {
        return ValueKind::Skipped;
    }
    value = static_cast<std::uint8_t>(pair);
    return ValueKind::Byte;
}

// The values of one line after its directive is taken off; `store` returns false when there is
// no room for the value.
template <typename Store>
std::optional<SourceEnd> ReadValues(std::string_view text, Store& store) {
    std::size_t start = 0;
    while (true) {
        std::size_t end = start;
        while (end < text.size() && KindOf(text[end]) == ListChar::Value) {
            ++end;
        }
        if (end < text.size() && KindOf(text[end]) == ListChar::Comment) {
            return std::nullopt;
        }
        std::uint8_t value = 0;
        switch (ConvertValue(text.substr(start, end - start), value)) {
            case ValueKind::SyntaxError:
                return SourceEnd::SyntaxError;
            case ValueKind::Byte:
                if (!store(value)) {
                    return SourceEnd::NoRoom;
                }
                break;
            case ValueKind::Skipped:
                break;
        }
        start = end + 1;
        if (start >= text.size()) {
            return std::nullopt;
        }
    }
}

// Skips the lines of a block comment up to the first that ends in "*/"; false when the file
// ends first.
bool SkipBlockComment(LineReader& lines, std::string_view& line) {
    while (lines.Next(line) == LineRead::Line) {
        if (EndsWith(line, "*/")) {
            return true;
        }
    }
    return false;
}

// Reads every line of `in`, handing each value to `store`. `failure` is set for a Failed end.
template <typename Store>
SourceEnd ReadSourceValues(std::istream& in, Store store, std::string& failure) {
    LineReader lines(in);
    std::string_view line;
    while (true) {
        const LineRead read = lines.Next(line);
        if (read == LineRead::End) {
            return SourceEnd::Finished;
        }
        if (read == LineRead::Error) {
            failure = kReadFailed;
            return SourceEnd::Failed;
        }
        if (line.empty() || (line.size() == 1 && IsBlank(line[0]))) {
            continue;
        }
        if (StartsWith(line, "/*")) {
            if (!EndsWith(line, "*/") && !SkipBlockComment(lines, line)) {
                failure = lines.Failed() ? kReadFailed : kCommentNotClosed;
                return SourceEnd::Failed;
            }
            continue;
        }
        if (KindOf(line[0]) == ListChar::Comment) {
            continue;
        }
        std::string_view text = line;
        if (StartsWith(text, "Data")) {
            text = TrimBlanks(text.substr(4));
        } else if (StartsWith(text, ".db")) {
            text = TrimBlanks(text.substr(3));
        }
        if (const std::optional<SourceEnd> end = ReadValues(text, store)) {
            return *end;
        }
    }
}

}  // namespace

ReadResult ReadSourceData(std::istream& in, ByteSink& sink, Host& host) {
    ReadResult result = ReadSourceDataUntold(in, sink);
    if (result.ImportAborted) {
        ShowSyntaxError(host, kFontLoadStopped);
    }
    return result;
}

ReadResult ReadSourceDataUntold(std::istream& in, ByteSink& sink) {
    ReadResult result;
    std::string failure;
    const auto store = [&sink](std::uint8_t value) {
        if (SinkFull(sink)) {
            return false;
        }
        StoreByte(sink, value);
        return true;
    };
    switch (ReadSourceValues(in, store, failure)) {
        case SourceEnd::Finished:
            break;
        case SourceEnd::SyntaxError:
            result.ImportAborted = true;
            break;
        case SourceEnd::NoRoom:
            result.Overflow = true;
            break;
        case SourceEnd::Failed:
            result.failure = failure;
            result.CommentOpen = failure == kCommentNotClosed;
            break;
    }
    result.LastIndexRead = static_cast<int>(sink.next) - 1;
    return result;
}

}  // namespace pixmora::reader

namespace pixmora {

ModelFileData ReadModelText(std::istream& file, Host& host) {
    ModelFileData data;
    std::string failure;
    const auto store = [&data](std::uint8_t value) {
        if (data.valuesRead == kModelBufferSize) {
            return false;
        }
        data.ModelBuffer[static_cast<std::size_t>(data.valuesRead++)] = value;
        return true;
    };
    switch (reader::ReadSourceValues(file, store, failure)) {
        case reader::SourceEnd::Finished:
            break;
        case reader::SourceEnd::SyntaxError:
            reader::ShowSyntaxError(host, kModelLoadStopped);
            data.ImportAborted = true;
            break;
        case reader::SourceEnd::NoRoom:
            data.failure = std::string(reader::kModelTooLong);
            break;
        case reader::SourceEnd::Failed:
            data.failure = failure;
            break;
    }
    return data;
}

}  // namespace pixmora
