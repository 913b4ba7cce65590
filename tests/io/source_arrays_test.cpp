#include "io/source_arrays.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "io/source_code_lexer.h"
#include "io/source_numbers.h"

namespace pixmora {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Notation {
    const char* text;
    std::uint64_t value;
};

class CNotation : public ::testing::TestWithParam<Notation> {};

TEST_P(CNotation, ReadsItsValue) {
    EXPECT_EQ(CNumberValue(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(EveryForm, CNotation,
                         ::testing::Values(Notation{"0x3C", 0x3C}, Notation{"0X3c", 0x3C},
                                           Notation{"0b00111100", 0x3C}, Notation{"0B111100", 0x3C},
                                           Notation{"074", 074}, Notation{"60", 60},
                                           Notation{"0", 0}, Notation{"60u", 60},
                                           Notation{"0x3CUL", 0x3C}, Notation{"0b0011'1100", 0x3C},
                                           Notation{"B00111100", 0x3C}, Notation{"B1", 1},
                                           Notation{"0xFFFF", 0xFFFF},
                                           Notation{"0x1FFFFFFFFFFFFFFFFF", kValueTooLarge}));

TEST(CNotation, RefusesWhatIsNoIntegerOfC) {
    for (const char* text : {"08", "0x", "0b2", "1.5", "B2", "B000000001", "A0", "3C", "0x3G"}) {
        EXPECT_FALSE(CNumberValue(text)) << text;
    }
}

class AsmNotation : public ::testing::TestWithParam<Notation> {};

TEST_P(AsmNotation, ReadsItsValue) {
    EXPECT_EQ(AsmNumberValue(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    EveryForm, AsmNotation,
    ::testing::Values(Notation{"0x3C", 0x3C}, Notation{"0X3C", 0x3C}, Notation{"$3C", 0x3C},
                      Notation{"&h3C", 0x3C}, Notation{"&H3c", 0x3C}, Notation{"#3C", 0x3C},
                      Notation{"#$3C", 0x3C}, Notation{"#0x3C", 0x3C}, Notation{"3Ch", 0x3C},
                      Notation{"03CH", 0x3C}, Notation{"0Bh", 0x0B}, Notation{"00111100b", 0x3C},
                      Notation{"%00111100", 0x3C}, Notation{"0b00111100", 0x3C},
                      Notation{"b'00111100'", 0x3C}, Notation{"B'00111100'", 0x3C},
                      Notation{"h'3C'", 0x3C}, Notation{"d'60'", 60}, Notation{".60", 60},
                      Notation{"60", 60}, Notation{"060", 60}));

TEST(AsmNotation, RefusesNamesAndBadDigits) {
    for (const char* text : {"", "font", "LOW(font)", "$", "3C", "0x", "12b3", "b'2'", "'A'"}) {
        EXPECT_FALSE(AsmNumberValue(text)) << text;
    }
}

std::vector<std::string> TokenTexts(const LexedSource& lexed) {
    std::vector<std::string> texts;
    for (const SourceToken& token : lexed.tokens) {
        texts.emplace_back(token.text);
    }
    return texts;
}

TEST(Lexer, DropsCommentsAndPreprocessorLinesAndKeepsLiteralsWhole) {
    const LexedSource lexed = LexCSource(
        "#define ROW(a) \\\n  { a }\n"
        "/* { 0x01, */ int x /* } */ = 7; // { 8\n"
        "char s[] = \"};/*\"; char c = '{';\n"
        "  #pragma once\n");
    EXPECT_EQ(TokenTexts(lexed),
              (std::vector<std::string>{"int", "x", "=", "7", ";", "char", "s", "[", "]", "=",
                                        "\"};/*\"", ";", "char", "c", "=", "'{'", ";"}));
    EXPECT_EQ(lexed.tokens[0].line, 3);
    EXPECT_EQ(lexed.tokens[5].line, 4);
    EXPECT_FALSE(lexed.openCommentLine);
}

TEST(Lexer, TellsTheLineOfACommentNeverClosed) {
    const LexedSource lexed = LexCSource("int a;\n\n/* open\n int b;\n");
    EXPECT_EQ(lexed.openCommentLine, 3);
    EXPECT_EQ(TokenTexts(lexed), (std::vector<std::string>{"int", "a", ";"}));
}

TEST(CArrays, ReadsATwoDimensionalTableWithCommentsAndAFlatProgmemArray) {
    const SourceArrays found = FindCArrays(
        "// font8x8: {not} 0x55\n#include <stdint.h>\n"
        "const uint8_t font8x8[2][3] = {\n"
        "    { 0x00, 0x18, 0x3C},   // U+0020 ( )\n"
        "    { 0b1, 017, 255 },     /* U+0021 (!) } */\n"
        "};\n"
        "static const unsigned char PROGMEM small[] __attribute__((aligned(2))) = {1, 2,};\n"
        "void f(void) { x[3] = 4; }\n");
    ASSERT_FALSE(found.error);
    ASSERT_EQ(found.arrays.size(), 2U);
    EXPECT_EQ(found.arrays[0].name, "font8x8");
    EXPECT_EQ(found.arrays[0].line, 3);
    EXPECT_EQ(found.arrays[0].elements, 6U);
    EXPECT_EQ(found.arrays[0].bytes, (Bytes{0x00, 0x18, 0x3C, 0x01, 0x0F, 0xFF}));
    EXPECT_EQ(found.arrays[1].name, "small");
    EXPECT_EQ(found.arrays[1].bytes, (Bytes{1, 2}));
}

TEST(CArrays, SplitsWideElementsMostSignificantByteFirst) {
    const SourceArrays found = FindCArrays(
        "const uint16_t rows[] = {0x8001, 0x00FF, 7};\n"
        "const uint32_t quad[] = {0x01020304};\n"
        "fontdatatype guessed[] = {0x0102, 3};\n"
        "const int8_t sign[] = {-1, -128, (int8_t)5};\n");
    ASSERT_FALSE(found.error);
    ASSERT_EQ(found.arrays.size(), 4U);
    EXPECT_EQ(found.arrays[0].elementBytes, 2);
    EXPECT_EQ(found.arrays[0].elements, 3U);
    EXPECT_EQ(found.arrays[0].bytes, (Bytes{0x80, 0x01, 0x00, 0xFF, 0x00, 0x07}));
    EXPECT_EQ(found.arrays[1].bytes, (Bytes{1, 2, 3, 4}));
    EXPECT_EQ(found.arrays[2].elementBytes, 2);
    EXPECT_EQ(found.arrays[2].bytes, (Bytes{1, 2, 0, 3}));
    EXPECT_EQ(found.arrays[3].bytes, (Bytes{0xFF, 0x80, 0x05}));
}

TEST(CArrays, ListsNoArrayOfNamesStringsStructsOrDesignators) {
    const SourceArrays found = FindCArrays(
        "const GFXglyph glyphs[] = { {0, 8, 8}, {8, 8, 8} };\n"
        "const char* names[] = { \"a\", \"b\" };\n"
        "const uint8_t* tables[] = { font_a, font_b };\n"
        "const uint8_t sparse[4] = { [2] = 5 };\n"
        "const uint8_t sum[] = { 1 + 2 };\n"
        "const float f[] = { 1.5 };\n"
        "uint8_t buffer[64];\n");
    EXPECT_FALSE(found.error);
    EXPECT_TRUE(found.arrays.empty());
}

TEST(CArrays, RefusesABraceNeverClosedAndAValueTooWideForItsElement) {
    const SourceArrays open = FindCArrays("int a;\nconst uint8_t font[] = {\n 1, 2,\n");
    ASSERT_TRUE(open.error);
    EXPECT_EQ(open.error->fault, SourceFault::BraceNotClosed);
    EXPECT_EQ(open.error->line, 2);
    EXPECT_EQ(open.error->array, "font");

    const SourceArrays wide = FindCArrays("const uint8_t font[] = {\n 1,\n 0x100 };\n");
    ASSERT_TRUE(wide.error);
    EXPECT_EQ(wide.error->fault, SourceFault::ValueOutOfRange);
    EXPECT_EQ(wide.error->line, 3);
    EXPECT_EQ(wide.error->value, "0x100");

    const SourceArrays low = FindCArrays("const int8_t font[] = { -129 };");
    ASSERT_TRUE(low.error);
    EXPECT_EQ(low.error->value, "-129");

    const SourceArrays huge = FindCArrays("const int t[] = { 99999999999999999999999 };");
    ASSERT_TRUE(huge.error);
    EXPECT_EQ(huge.error->fault, SourceFault::ValueOutOfRange);
}

TEST(CArrays, AnOpenCommentInsideATableIsTheFaultTold) {
    const SourceArrays found = FindCArrays("const uint8_t font[] = {\n 1, /* 2,\n 3 };\n");
    ASSERT_TRUE(found.error);
    EXPECT_EQ(found.error->fault, SourceFault::CommentNotClosed);
    EXPECT_EQ(found.error->line, 2);
}

TEST(AsmArrays, ReadsAvrTablesWithLabelsAndComments) {
    const SourceArrays found = FindSourceArrays(
        "; 6 x 8 font, \"db\" per character\n"
        ".cseg\n"
        ".org 0x100\n"
        "font6x8:   ; space, then !\n"
        "    .db 0x00, $00, 0b00000000, 00h, &h00, #00 ; ' '\n"
        "    .DB 0x00, 0x00, 0x5F, 0, 0, 0        // '!'\n"
        "widths: .db 6, 6\n"
        "    ldi r16, 5\n"
        "    .db 9\n"
        "table DB 'AB', 1, \"x;y\", 2\n");
    ASSERT_FALSE(found.error);
    ASSERT_EQ(found.arrays.size(), 4U);
    EXPECT_EQ(found.arrays[0].name, "font6x8");
    EXPECT_EQ(found.arrays[0].line, 5);
    EXPECT_EQ(found.arrays[0].bytes, (Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0x5F, 0, 0, 0}));
    EXPECT_EQ(found.arrays[1].name, "widths");
    EXPECT_EQ(found.arrays[1].bytes, (Bytes{6, 6}));
    EXPECT_EQ(found.arrays[2].name, "строка 9");
    EXPECT_EQ(found.arrays[2].bytes, (Bytes{9}));
    EXPECT_EQ(found.arrays[3].name, "table");
    EXPECT_EQ(found.arrays[3].bytes, (Bytes{1, 2}));
}

TEST(AsmArrays, ReadsAPicRetlwTableBehindItsJump) {
    const SourceArrays found = FindSourceArrays(
        "FontTable\n"
        "    addwf PCL, F\n"
        "    RETLW b'00111110'   ; A\n"
        "    retlw 0x41\n"
        "    retlw .65\n"
        "    DT 0x01, h'02', D'3'\n"
        "    return\n");
    ASSERT_FALSE(found.error);
    ASSERT_EQ(found.arrays.size(), 1U);
    EXPECT_EQ(found.arrays[0].name, "FontTable");
    EXPECT_EQ(found.arrays[0].bytes, (Bytes{0x3E, 0x41, 65, 1, 2, 3}));
}

TEST(AsmArrays, RefusesAByteAboveTwoHundredFiftyFiveAndAnOpenComment) {
    const SourceArrays wide = FindSourceArrays("font: .db 1, 2\n .db 0x1FF\n");
    ASSERT_TRUE(wide.error);
    EXPECT_EQ(wide.error->fault, SourceFault::ValueOutOfRange);
    EXPECT_EQ(wide.error->line, 2);
    EXPECT_EQ(wide.error->array, "font");

    const SourceArrays open = FindSourceArrays("font: .db 1\n/* note\n .db 2\n");
    ASSERT_TRUE(open.error);
    EXPECT_EQ(open.error->fault, SourceFault::CommentNotClosed);
    EXPECT_EQ(open.error->line, 2);
}

TEST(SourceArrays, TextWithoutATableHasNoArray) {
    for (const char* text : {"", "hello world\n", "int main(void) { return 0; }\n",
                             "mov a, b\n add a, 1\n", "\x01\x02\xFF{}[]=;"}) {
        const SourceArrays found = FindSourceArrays(text);
        EXPECT_TRUE(found.arrays.empty()) << text;
        EXPECT_FALSE(found.error) << text;
    }
}

TEST(SourceArrays, TheLargestArrayIsTheFirstOfTheMostBytes) {
    std::vector<SourceArray> arrays(3);
    arrays[0].bytes.assign(4, 0);
    arrays[1].bytes.assign(9, 0);
    arrays[2].bytes.assign(9, 0);
    EXPECT_EQ(LargestArray(arrays), 1U);
}

}  // namespace
}  // namespace pixmora
