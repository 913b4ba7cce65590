// " Изменить развертку": repacks every character of the open font into another byte scan, so that
// the glyphs look the same and only the bytes change.
#pragma once

#include <cstdint>
#include <span>

#include "model/font_model.h"

namespace pixmora {

struct Editor;
class Host;

inline constexpr const char* kScanChangedTitle = "Информация";
inline constexpr const char* kScanChangedText = "Для текущего шрифта установлен ";
inline constexpr const char* kScanChangedNameLead = "вид  развертки: ";

// Rewrites the 224 characters of a W x H font from one scan into another; the bytes after the
// last character are not touched.
void RepackFont(std::span<std::uint8_t, kImageSize> image, int width, int height, int fromScan,
                int toScan);

// Repacks the open font into another scan and shows it so, keeping the current character with a
// fresh undo history. The font's own scan, or one its width does not offer, changes nothing and
// gives false.
bool SetFontByteScan(Editor& ed, int newScan);

// Asks for the new scan, repacks the font, keeps the current character and confirms the change.
// Choosing the font's own scan changes nothing and says nothing.
void ChangeByteScan(Editor& ed, Host& host);

}  // namespace pixmora
