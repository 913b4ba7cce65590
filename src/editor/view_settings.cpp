#include "editor/view_settings.h"

#include <algorithm>
#include <array>

namespace pixmora {

namespace {

// Zoom steps grow by about a quarter, so each press changes the picture by a similar amount.
constexpr std::array kDotSteps{4, 5, 6, 8, 10, 12, 14, 16, 20, 24, 28, 32, 40, 48};

}  // namespace

int GridDotSize(const GridZoom& zoom, int cellWidth, int cellHeight, int roomWidth,
                int roomHeight) {
    if (!zoom.fit) {
        return std::clamp(zoom.dotSize, kMinDotSize, kMaxDotSize);
    }
    const int fit = std::min((roomWidth - 1) / std::max(1, cellWidth),
                             (roomHeight - 1) / std::max(1, cellHeight));
    return std::clamp(fit, kMinDotSize, kMaxDotSize);
}

void ZoomIn(GridZoom& zoom, int shownSize) {
    const auto* next = std::upper_bound(kDotSteps.begin(), kDotSteps.end(), shownSize);
    zoom = {false, next == kDotSteps.end() ? kMaxDotSize : *next};
}

void ZoomOut(GridZoom& zoom, int shownSize) {
    const auto* next = std::lower_bound(kDotSteps.begin(), kDotSteps.end(), shownSize);
    zoom = {false, next == kDotSteps.begin() ? kMinDotSize : *(next - 1)};
}

void FitToWindow(GridZoom& zoom) {
    zoom = {true, 0};
}

}  // namespace pixmora
