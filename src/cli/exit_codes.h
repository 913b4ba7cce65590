// What the command-line companion's exit status says; build scripts depend on these values.
#pragma once

namespace pixmora::cli {

inline constexpr int kExitOk = 0;
// The input was not recognised, or an option's value was refused (range, address, format, scan,
// enlargement, scale).
inline constexpr int kExitRefused = 1;
// A usage error, an input that cannot be read or holds a syntax error, or an output that cannot
// be written.
inline constexpr int kExitFailed = 2;

}  // namespace pixmora::cli
