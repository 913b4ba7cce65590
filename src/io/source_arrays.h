// The data arrays of a C, C++ or assembler source file, as bytes.
//
// C and C++: every initialised array declaration
//     [static] [const] type [PROGMEM] name[...][...] [attributes] = { values };
// with braces nested to any depth (a 2-D table of characters); words between the brackets and
// the "=" (PROGMEM, __attribute__((...)), section names) are passed over. Each value is one
// number in a C notation (source_numbers.h), optionally with a sign or a cast such as
// (uint8_t); an array holding anything else (names, expressions, strings, designators) is no data
// and is not listed.
//
// Assembler: lines with a data directive (db .db DB .DB defb DEFB .byte .byt fcb dc.b dt DT,
// and retlw RETLW, one value a line, as PIC tables return them) in any capitalisation, after an
// optional label ("font:" anywhere, or a bare name in the first column). Comments start with ";"
// or "//" and run to the line end; /* */ comments are skipped. A label starts a new array; a
// line of anything else (an instruction, an .org) ends one. Values take the assembler notations
// of source_numbers.h; quoted strings are skipped. Data before any label make an array named
// "строка N" after the line N they start on.
//
// Element size: uint8_t, char, byte, u8 and their kin hold one byte; uint16_t, short, word, u16
// two; uint32_t, long, u32, DWORD four; any other type (int, a macro) the fewest bytes its largest
// value needs. Wider values are split most significant byte first: that is the order their digits
// are written in, so a 16-dot row written 0x8001 becomes the bytes 0x80 0x01, its left dots first,
// which the horizontal scans expect. A negative value is stored in two's complement of the
// element size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pixmora {

struct SourceArray {
    std::string name;
    int line = 0;          // where the array's data begin, 1-based
    int elementBytes = 1;  // 1, 2 or 4
    std::size_t elements = 0;
    std::vector<std::uint8_t> bytes;  // elements * elementBytes
};

enum class SourceFault {
    CommentNotClosed,  // "/*" with no "*/" after it
    BraceNotClosed,    // an array's "{" with no matching "}"
    ValueOutOfRange,   // a value that does not fit the element size
};

struct SourceError {
    SourceFault fault;
    int line = 0;
    std::string array;  // the array concerned, when there is one
    std::string value;  // the value refused, for ValueOutOfRange
};

struct SourceArrays {
    std::vector<SourceArray> arrays;  // in file order
    std::optional<SourceError> error;
};

// The arrays of `text`: the C reading when it finds any array, else the assembler reading. A
// fault that stops the reading is returned with the arrays complete before it.
SourceArrays FindSourceArrays(std::string_view text);

// The C and assembler readings alone.
SourceArrays FindCArrays(std::string_view text);
SourceArrays FindAsmArrays(std::string_view text);

// The index of the array with the most bytes (the first of equals); 0 for none.
std::size_t LargestArray(const std::vector<SourceArray>& arrays);

// Appends a value to the array's bytes, most significant byte first; false when it does not fit
// `elementBytes` bytes (negative values down to the element's signed minimum fit).
bool AppendValue(std::vector<std::uint8_t>& bytes, std::uint64_t magnitude, bool negative,
                 int elementBytes);

}  // namespace pixmora
