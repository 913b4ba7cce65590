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

std::string_view ScanOptionCaption(int scan) {
    static constexpr std::array<std::string_view, kScanCount> kCaptions{
        "вертикально 1", "вертикально 2", "горизонтально 1", "горизонтально 2"};
    return kCaptions.at(static_cast<std::size_t>(scan));
}

std::string_view ScanCaptionText(int scan, CaptionOrigin origin) {
    static constexpr std::array<std::string_view, kScanCount> kTexts{
        "вертикальный 1  ", "вертикальный 2 ", "горизонтальный 1", "горизонтальный 2"};
    if (scan == kScanVertical2 && origin == CaptionOrigin::ImportOrEnlarge) {
        return "вертикальный 2  ";
    }
    return kTexts.at(static_cast<std::size_t>(scan));
}

std::string FontCaption(int width, int height, std::string_view scanText) {
    return "Шрифт " + std::to_string(width) + " x " + std::to_string(height) + " " +
           std::string(scanText);
}

}  // namespace pixmora
