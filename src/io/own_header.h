// The macros a C header exported by this program opens with, one per line, under the prefix the
// user named the font by:
//
//   #define FONT16X24_WIDTH 16            #define FONT16X24_COUNT 224
//   #define FONT16X24_HEIGHT 24           #define FONT16X24_SCAN "h1"      (v1, v2, h1, h2)
//   #define FONT16X24_BYTES_PER_CHAR 48   #define FONT16X24_NEGATIVE 0
//   #define FONT16X24_FIRST_CODE 32
//
// followed by the array of COUNT characters from FIRST_CODE on, in that scan and polarity.
#pragma once

#include <optional>
#include <string_view>

namespace pixmora {

struct OwnHeader {
    int formatIndex = 0;
    int scan = 0;
    bool negative = false;
    int firstCode = 32;
    int count = 0;
};

// The parameters the text's macros give, when one prefix has all seven and they agree: a format
// of the program with its bytes per character, a scan the format offers, polarity 0 or 1, and
// codes FIRST_CODE..FIRST_CODE + COUNT - 1 within 0..255.
std::optional<OwnHeader> ReadOwnHeader(std::string_view text);

}  // namespace pixmora
