#include "fontfile/code_page.h"

#include <gtest/gtest.h>

namespace pixmora {
namespace {

TEST(CodePage, MapsWindows1251ToUnicode) {
    EXPECT_EQ(UnicodeOfCode(0xA8), U'\u0401');  // Ё
    EXPECT_EQ(UnicodeOfCode(0xB8), U'\u0451');  // ё
    EXPECT_EQ(UnicodeOfCode(0xB9), U'\u2116');  // №
    EXPECT_EQ(UnicodeOfCode(0x80), U'\u0402');  // Ђ
    EXPECT_EQ(UnicodeOfCode(0x88), U'\u20AC');  // €
    EXPECT_EQ(UnicodeOfCode(0x95), U'\u2022');  // the bullet letterless cells show
    for (int code = 0xC0; code <= 0xFF; ++code) {
        EXPECT_EQ(UnicodeOfCode(code), static_cast<char32_t>(0x0410 + code - 0xC0)) << code;
    }
    for (int code = 0x20; code <= 0x7E; ++code) {
        EXPECT_EQ(UnicodeOfCode(code), static_cast<char32_t>(code)) << code;
    }
}

TEST(CodePage, Code0x98AndCodesOutsideTheByteNameNoCharacter) {
    EXPECT_EQ(UnicodeOfCode(0x98), std::nullopt);
    EXPECT_EQ(UnicodeOfCode(-1), std::nullopt);
    EXPECT_EQ(UnicodeOfCode(256), std::nullopt);
}

}  // namespace
}  // namespace pixmora
