#include "model/code_page.h"

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

TEST(CodePage, EveryCodeComesBackFromItsCharacterAndItsUtf8) {
    for (int code = 0; code < 256; ++code) {
        const std::optional<char32_t> character = UnicodeOfCode(code);
        if (!character) {
            EXPECT_EQ(Utf8OfCode(code), "") << code;
            continue;
        }
        EXPECT_EQ(CodeOfUnicode(*character), code) << code;
        EXPECT_EQ(CodesOfUtf8(Utf8OfCode(code)), std::vector<std::optional<int>>{code}) << code;
    }
}

TEST(CodePage, TextWithCharactersTheCodePageLacksOrBrokenBytesKeepsTheirPlaces) {
    using Codes = std::vector<std::optional<int>>;
    EXPECT_EQ(CodesOfUtf8("Ёж №1"), (Codes{0xA8, 0xE6, 0x20, 0xB9, 0x31}));
    EXPECT_EQ(CodesOfUtf8("a\u4E2Db"), (Codes{0x61, std::nullopt, 0x62}));
    EXPECT_EQ(CodesOfUtf8("a\xD0"), (Codes{0x61, std::nullopt}));
    EXPECT_EQ(CodesOfUtf8("\xFFz"), (Codes{std::nullopt, 0x7A}));
    EXPECT_EQ(CodeOfUnicode(U'\u4E2D'), std::nullopt);
}

}  // namespace
}  // namespace pixmora
