// The core's UTF-8 texts as Qt strings.
#pragma once

#include <QString>
#include <string_view>

namespace pixmora {

inline QString ToQt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace pixmora
