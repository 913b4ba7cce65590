// The bodies of the fuzz targets: each feeds arbitrary bytes to one reader or parser of outside
// input and traps when the result breaks a promise of its header. The libFuzzer programs call
// them, and so does the regression test that replays every input that once failed.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace pixmora::fuzz {

// ReadFontData over the bytes as an Intel HEX file and as a source-text file: positive and
// negative reads agree byte for byte (complemented) and stay within the destination.
void FeedHexReader(std::span<const std::uint8_t> bytes);
void FeedSourceReader(std::span<const std::uint8_t> bytes);

// The source-code reading over the bytes as a C, C++ or assembler file: every array holds its
// elements' bytes, a fault names a line of the text, a header agrees with its array's length, and
// the glyphs placed for every format and start stay within the font image.
void FeedSourceCode(std::span<const std::uint8_t> bytes);

// ReadFontData over the bytes as a binary file, as for the HEX and source-text readers.
void FeedBinaryReader(std::span<const std::uint8_t> bytes);

// The BDF reader over the bytes, into the format the length chooses or the file's own: nothing but
// a FontFileError may come out, and every cell is the size of the format read into.
void FeedBdfReader(std::span<const std::uint8_t> bytes);

// ReadModelText over the bytes as a model file.
void FeedModelText(std::span<const std::uint8_t> bytes);

// Recognition over the bytes as the data of an import file, against the shipped model files.
void FeedRecognition(std::span<const std::uint8_t> bytes);

// The bytes as a firmware image (as Intel HEX by name, and as whatever their content says): the
// segments of an image read are non-empty and in address order, and the finder's candidates in
// it extract whole characters.
void FeedFirmwareImage(std::span<const std::uint8_t> bytes);

// The start-address field and the two range fields: the bytes are cut into field texts at '|'.
void FeedNumberFields(std::span<const std::uint8_t> bytes);

// The scan change and the enlargement of an open font whose image is the bytes, through the
// editor's own steps; the first four bytes choose the formats and scans.
void FeedTransform(std::span<const std::uint8_t> bytes);

// The console-font reader over the bytes as a PSF file (plain or gzip): a font read has every
// glyph its header counts and a Unicode table that names only those glyphs.
void FeedPsfReader(std::span<const std::uint8_t> bytes);

// The bytes opened as a font file (FreeType or PSF) and every character of the code page drawn
// from it, hinted and smooth, then the whole font drawn into a cell format: nothing but a
// FontFileError may come out, every picture holds exactly its width times height dots and every
// cell is the format's size.
void FeedFontFace(std::span<const std::uint8_t> bytes);

// The targets by name, for the regression test's folders of inputs.
using FuzzBody = void (*)(std::span<const std::uint8_t>);
FuzzBody FuzzBodyByName(std::string_view name);

}  // namespace pixmora::fuzz
