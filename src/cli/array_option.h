// --array NAME: which array of a source file the font is read from.
#pragma once

#include <optional>
#include <string>

#include "import/recognise_font.h"

namespace pixmora::cli {

class CliHost;

inline constexpr const char* kNoSuchArray = "No array of this name in the file: ";
inline constexpr const char* kArraysHeld = "Its arrays: ";
inline constexpr const char* kNotSourceCode =
    "--array applies only to a source file read as C, C++ or assembler code";

// 0 when the font was read from the array --array names, or none was named; otherwise what the
// file holds is told and the option refused.
int CheckArrayOption(const std::optional<std::string>& name, const FontRecognition& recognition,
                     CliHost& host);

}  // namespace pixmora::cli
