// Which real fonts draw the four reference rows of each cell format.
#pragma once

#include <vector>

#include "model_builder.h"

namespace models {

// Every cell format in model-file order (t0.mod, t1.mod, ...; the order of the program's format
// table) with its reference rows.
std::vector<ModelFormat> ModelFormats();

}  // namespace models
