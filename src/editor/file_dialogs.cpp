#include "editor/file_dialogs.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "editor/editor.h"
#include "editor/host.h"

namespace pixmora {

namespace {

bool IsDirectory(const std::string& path) {
    std::error_code unknown;
    return !path.empty() && std::filesystem::is_directory(path, unknown);
}

// Writing a new file into a directory needs both write and search permission there.
bool IsWritableDir(const std::string& path) {
    return IsDirectory(path) && access(path.c_str(), W_OK | X_OK) == 0;
}

std::string HomeDir() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return home;
    }
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_dir != nullptr) {
        return found->pw_dir;
    }
    return {};
}

// The entry-th "pattern" of "description|pattern|description|pattern", up to its first ";".
std::string_view FilterPattern(std::string_view filter, std::size_t entry) {
    const std::size_t field = entry * 2 + 1;
    for (std::size_t i = 0; i < field; ++i) {
        const std::size_t bar = filter.find('|');
        if (bar == std::string_view::npos) {
            return {};
        }
        filter.remove_prefix(bar + 1);
    }
    return filter.substr(0, std::min(filter.find('|'), filter.find(';')));
}

}  // namespace

std::string ChooseStartDir(const StartDirFacts& facts) {
    if (!facts.lastFileDir.empty()) {
        return facts.lastFileDir;
    }
    if (facts.programDirWritable || facts.homeDir.empty()) {
        return facts.programDir;
    }
    return facts.homeDir;
}

std::string FileDialogStartDir(const Editor& ed, Host& host) {
    const std::string& last = ed.fileDialogs.lastFileDir;
    const std::string programDir = host.ProgramDir();
    return ChooseStartDir({IsDirectory(last) ? last : std::string(), programDir,
                           IsWritableDir(programDir), HomeDir()});
}

void RememberFileDir(Editor& ed, const std::string& path) {
    ed.fileDialogs.lastFileDir = std::filesystem::path(path).parent_path().string();
}

std::string FilterExtension(std::string_view filter, std::size_t entry) {
    const std::string_view pattern = FilterPattern(filter, entry);
    if (pattern.size() < 3 || pattern.substr(0, 2) != "*.") {
        return {};
    }
    const std::string_view extension = pattern.substr(2);
    const bool plain = std::all_of(extension.begin(), extension.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '-';
    });
    return plain ? std::string(extension) : std::string();
}

std::string WithDefaultExtension(const std::string& path, std::string_view extension) {
    const std::string_view name = std::string_view(path).substr(path.rfind('/') + 1);
    if (extension.empty() || name.empty() || name.find('.') != std::string_view::npos ||
        IsDirectory(path)) {
        return path;
    }
    return path + "." + std::string(extension);
}

}  // namespace pixmora
