// Pieces the branches of ReadFontData share. Internal to src/io.
#pragma once

#include <cstdint>
#include <istream>
#include <span>
#include <string>
#include <string_view>

#include "io/font_reader.h"

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

enum class LineRead { Line, End, Error };

// The next line without its end (LF, or CR LF).
LineRead NextLine(std::istream& in, std::string& line);

// Where ReadFontData puts the bytes, and how many fit.
struct ByteSink {
    std::span<std::uint8_t> bytes;
    bool negative = false;
    std::size_t next = 0;
};

bool SinkFull(const ByteSink& sink);
// Stores the value (complemented for a negative font) at the next index.
void StoreByte(ByteSink& sink, std::uint8_t value);

// "Нераспознанный синтаксис данных." directly followed by what stops.
void ShowSyntaxError(Host& host, std::string_view stopped);

// The value of two hexadecimal digits, or -1.
int HexPairValue(std::string_view pair);

// The branches; they fill the sink and report their end.
ReadResult ReadHexData(std::istream& in, ByteSink& sink, Host& host);
ReadResult ReadSourceData(std::istream& in, ByteSink& sink, Host& host);
ReadResult ReadBinaryData(std::istream& in, ByteSink& sink);
// The source-text branch without the syntax message.
ReadResult ReadSourceDataUntold(std::istream& in, ByteSink& sink);

}  // namespace pixmora::reader
