// The BDF 2.1 export: one glyph a character, each the full cell (BBX W H 0 -descent), the dots as
// drawn whatever the polarity of the other exports. Besides the standard properties, the font
// names its cell format, scan and polarity so that import can read it back without recognition:
//
//   PIXMORA_FORMAT "16 x 24"
//   PIXMORA_SCAN "h1"
//   PIXMORA_NEGATIVE 0
//
// Lines end in LF alone, as the BDF tools (bdftopcf, FreeType, bdfconv) read them.
#pragma once

#include <string>
#include <string_view>

#include "io/firmware_font.h"

namespace pixmora {

enum class BdfEncoding {
    Unicode,  // ENCODING the code's Unicode character, ISO10646-1; code 0x98 is left out
    CodePage  // ENCODING the 8-bit code, MICROSOFT-CP1251
};

struct BdfOptions {
    std::string_view formatName;  // "16 x 24"
    int baselineRow = 0;          // the row capitals sit on: ascent = baselineRow + 1
    BdfEncoding encoding = BdfEncoding::Unicode;
};

std::string BdfText(const FirmwareFont& font, const BdfOptions& options);

}  // namespace pixmora
