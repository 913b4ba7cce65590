#include "fontfile/font_bytes.h"

#include <zlib.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "io/system_error.h"

namespace pixmora {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

struct InflateEnd {
    void operator()(z_stream* stream) const { inflateEnd(stream); }
};

}  // namespace

std::vector<std::uint8_t> ReadFontFileBytes(const std::string& path) {
    std::error_code error;
    if (std::filesystem::exists(path, error) && !std::filesystem::is_regular_file(path, error)) {
        throw FontFileError(kFontFileUnreadable + path + "\n" + kNotRegularFile);
    }
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        throw FontFileError(kFontFileUnreadable + path + "\n" + SystemErrorText(errno));
    }
    std::vector<std::uint8_t> bytes;
    std::uint8_t buffer[65536];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        if (bytes.size() + count > kMaxFontFileBytes) {
            throw FontFileError(kFontFileTooLarge);
        }
        bytes.insert(bytes.end(), buffer, buffer + count);
    }
    if (std::ferror(file.get())) {
        throw FontFileError(kFontFileUnreadable + path + "\n" + SystemErrorText(errno));
    }
    return bytes;
}

bool IsGzip(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= 2 && bytes[0] == 0x1F && bytes[1] == 0x8B;
}

std::vector<std::uint8_t> Gunzip(std::span<const std::uint8_t> bytes) {
    z_stream stream{};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK) {
        throw FontFileError(kFontFileDamaged);
    }
    const std::unique_ptr<z_stream, InflateEnd> guard(&stream);
    stream.next_in = const_cast<Bytef*>(bytes.data());  // zlib never writes its input
    stream.avail_in = static_cast<uInt>(bytes.size());
    std::vector<std::uint8_t> out;
    std::uint8_t buffer[65536];
    int status = Z_OK;
    while (status != Z_STREAM_END) {
        stream.next_out = buffer;
        stream.avail_out = sizeof buffer;
        status = inflate(&stream, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END) {
            throw FontFileError(kFontFileDamaged);
        }
        const std::size_t produced = sizeof buffer - stream.avail_out;
        if (out.size() + produced > kMaxFontFileBytes) {
            throw FontFileError(kFontFileTooLarge);
        }
        out.insert(out.end(), buffer, buffer + produced);
        if (status == Z_OK && produced == 0 && stream.avail_in == 0) {
            throw FontFileError(kFontFileDamaged);  // the stream ends before its end mark
        }
    }
    return out;
}

}  // namespace pixmora
