// Puts a finished text in place: the file is replaced whole or not at all.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pixmora {

// Writes `contents` to a new temporary file beside `path` and renames it over `path`. On failure
// the temporary file is removed, a previous file at `path` is left as it was, and the result is
// the system's description of what went wrong ("Файл слишком велик", "Это каталог"). A pipe,
// socket or device at `path` is not replaced.
std::optional<std::string> CommitFile(const std::string& path, std::string_view contents);

}  // namespace pixmora
