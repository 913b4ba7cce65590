// Why a file operation failed, in the editor's language.
#pragma once

#include <string>

namespace pixmora {

// The reason given for a file that is a pipe, a socket or a device: reading it could wait for
// ever or never end, and replacing it would put a plain file in its place.
inline constexpr const char* kNotRegularFile = "Не является обычным файлом";

// The system's description of an errno value in Russian, as glibc words it where its translation
// and a Russian UTF-8 locale are installed; otherwise in the process's own language.
std::string SystemErrorText(int error);

}  // namespace pixmora
