#include "model/formats.h"

namespace pixmora {

std::optional<int> FormatIndex(int width, int height) {
    for (int i = 0; i < static_cast<int>(kCellFormats.size()); ++i) {
        if (kCellFormats[i].width == width && kCellFormats[i].height == height) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<int> FormatIndexByName(std::string_view name) {
    for (int i = 0; i < static_cast<int>(kCellFormats.size()); ++i) {
        if (kCellFormats[i].name == name) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<int> ScanByShortName(std::string_view name) {
    constexpr std::array<std::string_view, kScanCount> kShortNames{"v1", "v2", "h1", "h2"};
    for (int scan = 0; scan < kScanCount; ++scan) {
        if (kShortNames[static_cast<std::size_t>(scan)] == name) {
            return scan;
        }
    }
    return std::nullopt;
}

const ScanNames& ScanNamesOf(int scan) {
    return kScanNames.at(static_cast<std::size_t>(scan));
}

std::string_view ScanOptionCaption(int scan) {
    return ScanNamesOf(scan).option;
}

std::string_view ScanCaptionText(int scan, CaptionOrigin origin) {
    if (scan == kScanVertical2 && origin == CaptionOrigin::ImportOrEnlarge) {
        return "вертикальный 2  ";
    }
    return ScanNamesOf(scan).caption;
}

std::string FontCaption(int width, int height, std::string_view scanText) {
    return "Шрифт " + std::to_string(width) + " x " + std::to_string(height) + " " +
           std::string(scanText);
}

}  // namespace pixmora
