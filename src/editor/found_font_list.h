// What the list of fonts found in a firmware image shows: the column titles and, for each
// candidate, its texts under them and a picture of its digits and capital letters.
#pragma once

#include <string>
#include <vector>

#include "model/pixel_image.h"

namespace pixmora {

struct FoundFontRow {
    std::vector<std::string> texts;  // one under each title
    PixelImage picture;              // grey, one pixel a dot
};

struct FoundFontList {
    std::vector<std::string> titles;
    std::vector<FoundFontRow> rows;  // best first
};

}  // namespace pixmora
