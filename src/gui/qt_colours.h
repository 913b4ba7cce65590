// Colours of the core (0x00BBGGRR) as Qt colours.
#pragma once

#include <QColor>

#include "model/colours.h"

namespace pixmora {

inline QColor ToQColor(Colour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

}  // namespace pixmora
