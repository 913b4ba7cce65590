// The click count of the line, polyline and circle tools.
#pragma once

#include <algorithm>

#include "tools/tool_state.h"

namespace pixmora {

// Counts a click on the grid: 1 places the first point or the centre, and the count stays at 2
// however many clicks follow.
inline int& CountToolClick(ToolState& tools) {
    tools.ToolClicks = std::min(tools.ToolClicks + 1, 2);
    return tools.ToolClicks;
}

}  // namespace pixmora
