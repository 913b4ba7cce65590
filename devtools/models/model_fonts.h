// Which real fonts draw the four reference rows of each cell format.
#pragma once

#include <vector>

#include "model_builder.h"

namespace models {

// The nine cell formats in model-file order (t0.mod .. t8.mod) with their reference rows.
std::vector<ModelFormat> ModelFormats();

}  // namespace models
