// The structure of a BDF file, checked before FreeType reads it: FreeType lets a truncated glyph,
// a missing ENDFONT or a wrong CHARS pass, and would hand on glyphs no cell of the program holds.
//
//   STARTFONT 2.1                 one glyph:  STARTCHAR A
//   FONTBOUNDINGBOX 6 8 0 -1                  ENCODING 65
//   STARTPROPERTIES 2 ...                     BBX 6 8 0 -1    (at most 48 x 56 dots)
//   CHARS 224                                 BITMAP
//   <CHARS glyphs>                            <8 rows of 2 hex digits each>
//   ENDFONT                                   ENDCHAR
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pixmora {

inline constexpr const char* kBdfNotBdf = "Файл не является шрифтом BDF.";
inline constexpr const char* kBdfDamaged = "Файл BDF поврежден, строка ";
inline constexpr const char* kBdfGlyphCut = "знак не закончен";
inline constexpr const char* kBdfNoEndFont = "нет ENDFONT";
inline constexpr const char* kBdfGlyphTooLarge = "знак больше 48 x 56 точек";
inline constexpr const char* kBdfWrongChars = "число знаков не равно CHARS";
inline constexpr const char* kBdfBadNumber = "недопустимое число";

// What is wrong with the text, worded for the user ("Файл BDF поврежден, строка 12: знак не
// закончен."), or nothing.
std::optional<std::string> BdfTextFault(std::string_view text);

}  // namespace pixmora
