#include "io/font_reader.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <fstream>

#include "editor/host.h"
#include "io/number_text.h"
#include "io/reader_detail.h"
#include "io/system_error.h"

namespace pixmora {

namespace reader {

void ShowSyntaxError(Host& host, std::string_view stopped) {
    host.Message(std::string(kSyntaxError) + std::string(stopped), kDefaultTitle, MsgIcon::None,
                 MsgButtons::Ok);
}

}  // namespace reader

namespace {

constexpr const char* kOpenFailed = "Не удалось открыть файл ";

// Opens a file for reading in binary mode. A directory opens on some systems but reads as empty;
// a pipe waits in the opening for a writer, and a device may never end: all are refused here
// before anything is opened. What went wrong, or nothing.
std::optional<std::string> OpenForReading(const std::string& path, std::ifstream& file) {
    std::error_code ignored;
    const std::filesystem::file_status status = std::filesystem::status(path, ignored);
    if (std::filesystem::is_directory(status)) {
        return kOpenFailed + path + ": " + SystemErrorText(EISDIR);
    }
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        return kOpenFailed + path + ": " + kNotRegularFile;
    }
    errno = 0;
    file.open(path, std::ios::binary);
    if (!file.is_open()) {
        return kOpenFailed + path + ": " + SystemErrorText(errno != 0 ? errno : ENOENT);
    }
    return std::nullopt;
}

}  // namespace

bool IsHexPath(std::string_view path) {
    if (path.size() < 3) {
        return false;
    }
    const std::string_view last = path.substr(path.size() - 3);
    return last == "hex" || last == "Hex" || last == "HEX";
}

bool HasExtension(std::string_view path, std::string_view extension) {
    if (path.size() < extension.size()) {
        return false;
    }
    const std::string_view end = path.substr(path.size() - extension.size());
    return std::equal(end.begin(), end.end(), extension.begin(), extension.end(),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

bool IsBinaryPath(std::string_view path) {
    return HasExtension(path, ".bin");
}

ReadResult ReadFontData(std::string_view path, std::istream& file,
                        std::span<std::uint8_t> destination, bool negative, Host& host) {
    reader::ByteSink sink{destination, negative};
    if (IsHexPath(path)) {
        return reader::ReadHexData(file, sink, host);
    }
    return IsBinaryPath(path) ? reader::ReadBinaryData(file, sink)
                              : reader::ReadSourceData(file, sink, host);
}

ReadResult ReadFontFile(const std::string& path, std::span<std::uint8_t> destination, bool negative,
                        Host& host) {
    std::ifstream file;
    if (std::optional<std::string> failure = OpenForReading(path, file)) {
        ReadResult result;
        result.failure = std::move(failure);
        return result;
    }
    return ReadFontData(path, file, destination, negative, host);
}

ReadResult ReadSourceFileUntold(const std::string& path, std::span<std::uint8_t> destination) {
    std::ifstream file;
    if (std::optional<std::string> failure = OpenForReading(path, file)) {
        ReadResult result;
        result.failure = std::move(failure);
        return result;
    }
    reader::ByteSink sink{destination, false};
    return reader::ReadSourceDataUntold(file, sink);
}

ModelFileData ReadModelFile(const std::string& path, Host& host) {
    std::ifstream file;
    if (std::optional<std::string> failure = OpenForReading(path, file)) {
        ModelFileData data;
        data.failure = std::move(failure);
        return data;
    }
    return ReadModelText(file, host);
}

}  // namespace pixmora
