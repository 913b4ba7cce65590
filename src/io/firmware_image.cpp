#include "io/firmware_image.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "io/system_error.h"

namespace pixmora {

namespace {

constexpr const char* kOpenFailed = "Не удалось открыть файл ";

bool HasHexName(std::string_view path) {
    const auto dot = path.rfind('.');
    if (dot == std::string_view::npos) {
        return false;
    }
    std::string extension(path.substr(dot + 1));
    for (char& c : extension) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return extension == "hex" || extension == "ihx";
}

std::string_view AsText(std::span<const std::uint8_t> file) {
    return {reinterpret_cast<const char*>(file.data()), file.size()};
}

}  // namespace

ImageRead ReadFirmwareImage(std::span<const std::uint8_t> file, std::string_view path) {
    if (file.empty()) {
        return {std::nullopt, kImageEmpty};
    }
    if (file.size() > kMaxImageBytes) {
        return {std::nullopt, kImageTooLarge};
    }
    if (file.size() >= 4 && std::memcmp(file.data(),
                                        "\x7F"
                                        "ELF",
                                        4) == 0) {
        return ReadElfImage(file);
    }
    if (HasHexName(path)) {
        return ReadIntelHexImage(AsText(file));
    }
    if (file[0] == ':') {
        ImageRead hex = ReadIntelHexImage(AsText(file));
        if (hex.image) {
            return hex;
        }
    }
    FirmwareImage image{ImageKind::Binary, {{0, 0, {file.begin(), file.end()}}}};
    return {std::move(image), {}};
}

ImageRead ReadFirmwareImageFile(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        return {std::nullopt, kOpenFailed + path + ": " + kNotRegularFile};
    }
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) {
        return {std::nullopt,
                kOpenFailed + path + ": " + SystemErrorText(errno != 0 ? errno : ENOENT)};
    }
    const auto size = std::filesystem::file_size(path, error);
    if (!error && size > kMaxImageBytes) {
        return {std::nullopt, kImageTooLarge};
    }
    // One byte more than expected tells a file that grew since its size was taken.
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(error ? kMaxImageBytes : size) + 1);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (file.bad()) {
        return {std::nullopt, kOpenFailed + path + ": " + SystemErrorText(EIO)};
    }
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return ReadFirmwareImage(bytes, path);
}

}  // namespace pixmora
