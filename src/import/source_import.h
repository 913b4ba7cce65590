// Import files that the source-text syntax refuses, read as the C, C++ or assembler source they
// are (io/source_arrays.h): the user chooses the array when there are several, a header before the
// glyphs is skipped (table_layout.h), and the report tells what was read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "editor/host.h"
#include "import/table_layout.h"
#include "io/font_reader.h"
#include "io/own_header.h"
#include "io/source_arrays.h"

namespace pixmora {

// Text files larger than this are not read as source code: no font table comes near it.
inline constexpr std::uintmax_t kSourceCodeLimit = 16U * 1024U * 1024U;

inline constexpr const char* kArrayDialogTitle = "Выбор массива";
inline constexpr const char* kArrayDialogPrompt =
    "Файл содержит несколько массивов.\nВыберите массив со шрифтом:";
inline constexpr const char* kSourceTooLarge =
    "Файл больше 16 МБ и не читается как исходный текст.";
inline constexpr const char* kCommentNotClosedText = "Не закрыт комментарий \"/*\", строка ";
inline constexpr const char* kBraceNotClosedText = "Не закрыта фигурная скобка массива ";
inline constexpr const char* kValueOutOfRangeText = "Число вне допустимого диапазона: ";

// The array a font is read from, and where its glyphs begin.
struct SourceTable {
    std::vector<ArrayListing> arrays;  // every data array of the file, in file order
    std::size_t chosen = 0;
    std::optional<TableHeader> header;
    // The parameters the macros of a header this program exported give; its array is all glyphs.
    std::optional<OwnHeader> own;
    std::vector<std::uint8_t> glyphs;  // the chosen array after its header
    // How the glyphs were placed for the format they were loaded or recognised with.
    int firstCode = kFirstCode;
    int droppedBefore = 0;
    int droppedAfter = 0;
};

struct ImportRead {
    ReadResult read;  // of a plain file; for a table LastIndexRead counts its glyph bytes
    std::optional<SourceTable> table;
    bool arrayCancelled = false;  // the user cancelled the array choice (nothing was told)
};

// What ReadFontFile reads, for the import. A HEX or binary file, and a source text its syntax
// accepts, are read exactly so into `destination`. One it refuses is read as source code into
// `table`, `destination` untouched; when that finds no array either, the syntax error is told as
// ever. A fault of the source code is told, and ends the read as ImportAborted.
ImportRead ReadImportFile(const std::string& path, std::span<std::uint8_t> destination, Host& host);

// The same over text already in memory (the source-code half alone), for tests and benchmarks.
ImportRead ReadSourceCode(std::string_view text, Host& host);

// "Font8x6 — элементов: 1536, байт: 1536".
std::string ArrayListingText(const ArrayListing& listing);

// The message of a fault of the source code, followed by "Загрузка файла прекращена.".
std::string SourceErrorText(const SourceError& error);

// The glyphs of the table as the font image holds them for a format read from `firstCode`, still
// in the file's polarity (empty characters before the first code are blank in it); the table
// remembers the first code and what was dropped.
std::vector<std::uint8_t> PlaceTable(SourceTable& table, int formatIndex, int firstCode,
                                     bool negative);

// The first code of the parameters given by hand: the header's or the macros', 0 for a table of 256
// or 128 characters of the format, else 32.
int GivenFirstCode(const SourceTable& table, int formatIndex);

// What was read, as lines ended by a carriage return like the recognition report's.
std::string SourceTableNote(const SourceTable& table);

// The report of a table whose macros give its parameters, followed by SourceTableNote.
std::string OwnHeaderReport(const SourceTable& table);

}  // namespace pixmora
