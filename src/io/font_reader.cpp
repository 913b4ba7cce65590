#include "io/font_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "io/number_text.h"
#include "io/reader_detail.h"
#include "model/host.h"

namespace pixmora {

namespace reader {

LineRead NextLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line)) {
        return in.bad() ? LineRead::Error : LineRead::End;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return LineRead::Line;
}

bool SinkFull(const ByteSink& sink) {
    return sink.next >= std::min(sink.bytes.size(), static_cast<std::size_t>(kFontDataCapacity));
}

void StoreByte(ByteSink& sink, std::uint8_t value) {
    sink.bytes[sink.next++] = sink.negative ? static_cast<std::uint8_t>(255 - value) : value;
}

void ShowSyntaxError(Host& host, std::string_view stopped) {
    host.Message(std::string(kSyntaxError) + std::string(stopped), kDefaultTitle, MsgIcon::None,
                 MsgButtons::Ok);
}

int HexPairValue(std::string_view pair) {
    if (pair.size() != 2) {
        return -1;
    }
    const int high = HexDigitValue(pair[0]);
    const int low = HexDigitValue(pair[1]);
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}

}  // namespace reader

namespace {

std::string OpenFailure(const std::string& path, int error) {
    return "Не удалось открыть файл " + path + ": " + std::strerror(error != 0 ? error : ENOENT);
}

// Opens a file for reading in binary mode; a directory opens on some systems but reads as empty,
// so it is refused here. `error` receives the reason of a failure.
bool OpenForReading(const std::string& path, std::ifstream& file, int& error) {
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
        error = EISDIR;
        return false;
    }
    errno = 0;
    file.open(path, std::ios::binary);
    error = errno;
    return file.is_open();
}

}  // namespace

bool IsHexPath(std::string_view path) {
    if (path.size() < 3) {
        return false;
    }
    const std::string_view last = path.substr(path.size() - 3);
    return last == "hex" || last == "Hex" || last == "HEX";
}

ReadResult ReadFontData(std::string_view path, std::istream& file,
                        std::span<std::uint8_t> destination, bool negative, Host& host) {
    reader::ByteSink sink{destination, negative};
    return IsHexPath(path) ? reader::ReadHexData(file, sink, host)
                           : reader::ReadSourceData(file, sink, host);
}

ReadResult ReadFontFile(const std::string& path, std::span<std::uint8_t> destination, bool negative,
                        Host& host) {
    std::ifstream file;
    int error = 0;
    if (!OpenForReading(path, file, error)) {
        ReadResult result;
        result.failure = OpenFailure(path, error);
        return result;
    }
    return ReadFontData(path, file, destination, negative, host);
}

ReadResult ReadSourceFileUntold(const std::string& path, std::span<std::uint8_t> destination) {
    std::ifstream file;
    int error = 0;
    if (!OpenForReading(path, file, error)) {
        ReadResult result;
        result.failure = OpenFailure(path, error);
        return result;
    }
    reader::ByteSink sink{destination, false};
    return reader::ReadSourceDataUntold(file, sink);
}

ModelFileData ReadModelFile(const std::string& path, Host& host) {
    std::ifstream file;
    int error = 0;
    if (!OpenForReading(path, file, error)) {
        ModelFileData data;
        data.failure = OpenFailure(path, error);
        return data;
    }
    return ReadModelText(file, host);
}

}  // namespace pixmora
