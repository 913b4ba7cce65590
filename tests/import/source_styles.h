// Font bytes written as firmware projects write their tables: C arrays (2-D with a comment per
// character, flat PROGMEM behind a header, 16-bit rows) and assembler (.db with labels, PIC
// RETLW). The tests read these files back.
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

namespace pixmora::test {

inline std::string Hex2(std::uint8_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value);
    return text;
}

// "{ 0x00, 0x18, ...}" lines, one a character, each behind a comment naming its code:
//     const uint8_t font8x8_basic[128][8] = {
//         { 0x00, 0x00, ...},   // U+0000
inline std::string TwoDimensionalC(const std::string& type, const std::string& name,
                                   std::span<const std::uint8_t> bytes, int bytesPerChar,
                                   int firstCode) {
    const std::size_t chars = bytes.size() / static_cast<std::size_t>(bytesPerChar);
    std::string text = "// " + name + ": monochrome bitmap font {not data: 0x55, 0xAA}\n";
    text += "#include <stdint.h>\n\n";
    text += "const " + type + " " + name + "[" + std::to_string(chars) + "][" +
            std::to_string(bytesPerChar) + "] = {\n";
    for (std::size_t c = 0; c < chars; ++c) {
        text += "    {";
        for (int i = 0; i < bytesPerChar; ++i) {
            text += (i == 0 ? " " : ", ") + Hex2(bytes[c * static_cast<std::size_t>(bytesPerChar) +
                                                       static_cast<std::size_t>(i)]);
        }
        char comment[32];
        std::snprintf(comment, sizeof comment, "   // U+%04X", firstCode + static_cast<int>(c));
        text += std::string("}") + (c + 1 < chars ? "," : "") + comment + "\n";
    }
    return text + "};\n";
}

// A flat array behind a few header bytes, `perLine` values a line with a trailing comment:
//     fontdatatype arial_bold[3044] PROGMEM={
//     0x10,0x10,0x20,0x5F,
//     0x00,...,  // <char>
inline std::string FlatProgmemC(const std::string& name, std::span<const std::uint8_t> header,
                                std::span<const std::uint8_t> bytes, int perLine) {
    std::string text =
        "// " + name +
        ".c\n// Font size    : 16x16 pixels\n\n#if defined(__AVR__)\n"
        "    #include <avr/pgmspace.h>\n    #define fontdatatype const uint8_t\n#else\n"
        "    #define PROGMEM\n    #define fontdatatype const unsigned char\n#endif\n\n";
    text += "fontdatatype " + name + "[" + std::to_string(header.size() + bytes.size()) +
            "] PROGMEM={\n";
    for (std::size_t i = 0; i < header.size(); ++i) {
        text += Hex2(header[i]) + ",";
    }
    text += header.empty() ? "" : "\n";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        text += Hex2(bytes[i]) + ",";
        if ((i + 1) % static_cast<std::size_t>(perLine) == 0) {
            text += "  // <char>\n";
        }
    }
    return text + "\n};\n";
}

// Pairs of bytes as one uint16_t each, the first byte the high one: a 16-dot row per value.
inline std::string Uint16RowsC(const std::string& name, std::span<const std::uint8_t> bytes) {
    std::string text = "#include <stdint.h>\nconst uint16_t " + name + "[] = {\n";
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char value[16];
        std::snprintf(value, sizeof value, "0x%04X,", bytes[i] * 256 + bytes[i + 1]);
        text += value;
        text += (i / 2 + 1) % 16 == 0 ? "\n" : " ";
    }
    return text + "};\n";
}

// An AVR assembler table: a label, then one .db line a character with a ; comment.
inline std::string AvrDb(const std::string& label, std::span<const std::uint8_t> bytes,
                         int bytesPerChar) {
    std::string text = "; font table for the LCD\n.include \"m8def.inc\"\n.cseg\n.org 0x0200\n\n";
    text += label + ":\n";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const bool first = i % static_cast<std::size_t>(bytesPerChar) == 0;
        const bool last = (i + 1) % static_cast<std::size_t>(bytesPerChar) == 0;
        text += (first ? "    .db " : ", ") + Hex2(bytes[i]);
        if (last) {
            text +=
                "    ; char " + std::to_string(i / static_cast<std::size_t>(bytesPerChar)) + "\n";
        }
    }
    return text + "\n    ret\n";
}

// A PIC computed-goto table: the label, the jump, one RETLW a byte (binary every other line).
inline std::string PicRetlw(const std::string& label, std::span<const std::uint8_t> bytes) {
    std::string text = "    list p=16f84a\n    org 0x100\n" + label + "\n    addwf PCL, F\n";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % 2 == 0) {
            text += "    RETLW " + Hex2(bytes[i]) + "\n";
        } else {
            std::string binary = "b'";
            for (int bit = 7; bit >= 0; --bit) {
                binary += ((bytes[i] >> bit) & 1) != 0 ? '1' : '0';
            }
            text += "    retlw " + binary + "'   ; byte " + std::to_string(i) + "\n";
        }
    }
    return text + "    return\n";
}

}  // namespace pixmora::test
