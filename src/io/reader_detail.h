// Pieces the branches of ReadFontData share. Internal to src/io.
#pragma once

#include <algorithm>
#include <cstdint>
#include <istream>
#include <span>
#include <string>
#include <string_view>

#include "io/font_reader.h"
#include "io/line_reader.h"
#include "io/number_text.h"

namespace pixmora::reader {

// Failures the readers return; the platform's own descriptions are used where there is one.
inline constexpr std::string_view kReadFailed = "Ошибка чтения файла.";
inline constexpr std::string_view kHexEndMissing =
    "Файл закончился раньше записи конца HEX-файла \":00000001FF\".";
inline constexpr std::string_view kBadHexCharacters =
    "Недопустимые символы в записи данных HEX-файла, строка ";
inline constexpr std::string_view kCommentNotClosed =
    "Файл закончился внутри комментария, начатого \"/*\".";
inline constexpr std::string_view kModelTooLong = "В файле моделей больше 32257 значений.";

// Where ReadFontData puts the bytes, and how many fit.
struct ByteSink {
    std::span<std::uint8_t> bytes;
    bool negative = false;
    std::size_t next = 0;
};

inline bool SinkFull(const ByteSink& sink) {
    return sink.next >= std::min(sink.bytes.size(), static_cast<std::size_t>(kFontDataCapacity));
}
// Stores the value (complemented for a negative font) at the next index.
inline void StoreByte(ByteSink& sink, std::uint8_t value) {
    sink.bytes[sink.next++] = sink.negative ? static_cast<std::uint8_t>(255 - value) : value;
}

// "Нераспознанный синтаксис данных." directly followed by what stops.
void ShowSyntaxError(Host& host, std::string_view stopped);

// The value of two hexadecimal digits, or -1.
inline int HexPairValue(std::string_view pair) {
    if (pair.size() != 2) {
        return -1;
    }
    const int high = HexDigitValue(pair[0]);
    const int low = HexDigitValue(pair[1]);
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}

// The branches; they fill the sink and report their end.
ReadResult ReadHexData(std::istream& in, ByteSink& sink, Host& host);
ReadResult ReadSourceData(std::istream& in, ByteSink& sink, Host& host);
ReadResult ReadBinaryData(std::istream& in, ByteSink& sink);
// The source-text branch without the syntax message.
ReadResult ReadSourceDataUntold(std::istream& in, ByteSink& sink);

}  // namespace pixmora::reader
