#include "io/file_commit.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include "io/system_error.h"

namespace pixmora {

namespace {

namespace fs = std::filesystem;

constexpr int kNameAttempts = 100;

std::string ErrnoText(int error) {
    return SystemErrorText(error != 0 ? error : EIO);
}

// A temporary name in the target's directory, so that the rename never crosses file systems.
fs::path TemporaryName(const fs::path& target, std::mt19937& random) {
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string name = ".";
    name += target.filename().string();
    name += '.';
    name += std::to_string(random() % 1000000);
    name += ".tmp";
    return dir / name;
}

// Creates a file that did not exist before ("x": never reuses someone else's file).
std::FILE* CreateTemporary(const fs::path& target, fs::path& temporary, int& error) {
    std::mt19937 random{std::random_device{}()};
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        temporary = TemporaryName(target, random);
        errno = 0;
        if (std::FILE* file = std::fopen(temporary.string().c_str(), "wbx")) {
            return file;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    error = errno;
    return nullptr;
}

}  // namespace

std::optional<std::string> CommitFile(const std::string& path, std::string_view contents) {
    const fs::path target(path);
    // A pipe or a device keeps its place: a plain file renamed over it would end its use.
    std::error_code unknown;
    const fs::file_status existing = fs::status(target, unknown);
    if (fs::exists(existing) && !fs::is_regular_file(existing) && !fs::is_directory(existing)) {
        return kNotRegularFile;
    }
    fs::path temporary;
    int error = 0;
    std::FILE* file = CreateTemporary(target, temporary, error);
    if (file == nullptr) {
        return ErrnoText(error);
    }
    errno = 0;
    const bool written = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
    error = errno;
    // Closing flushes the buffer, where a full disk shows up.
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        if (written) {
            error = errno;
        }
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return ErrnoText(error);
    }
    std::error_code renameError;
    fs::rename(temporary, target, renameError);
    if (renameError) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return SystemErrorText(renameError.value());
    }
    return std::nullopt;
}

}  // namespace pixmora
