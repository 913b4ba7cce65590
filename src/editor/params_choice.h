// What the user chose in the font parameters dialog, and how the choice becomes the font's.
#pragma once

namespace pixmora {

struct Editor;
class Host;

struct ParamsChoice {
    int formatIndex = 0;  // index into kCellFormats
    int scan = 0;
    bool negative = false;
};

// The chosen format, scan and polarity become the open font's; the font-level commands and the
// output area are shown and character 0 becomes current.
void ApplyParamsChoice(Editor& ed, Host& host, const ParamsChoice& choice);

}  // namespace pixmora
