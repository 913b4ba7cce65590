// Recognition of a font table from a source file: each cell format is tried at every code its
// glyphs may start at (table_layout.h), and the best trial over all formats and starts wins.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "import/recognition.h"
#include "import/source_import.h"

namespace pixmora {

// Recognises the table's glyphs and places them for the winning format at its winning start (the
// table remembers the first code and what was dropped). Ties go to the earlier format, then the
// earlier start, then the earlier trial, so a table read from code 32 alone is judged exactly as a
// plain file of the same bytes.
Recognition RecogniseTable(SourceTable& table,
                           const std::array<std::span<const std::uint8_t>, kFormatCount>& models,
                           std::vector<std::uint8_t>& placed);

}  // namespace pixmora
