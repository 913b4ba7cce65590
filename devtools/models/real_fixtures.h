// Real fonts (character-generator tables other people wrote for their displays, kept outside the
// repository) as the import reads them, with what each must be recognised as: the row chooser
// refuses rows that lose one, and the validation run reports them. The readings are the ones the
// fixture tests make: every file as it is, the two padded tables without their padding (a 5-column
// and an 8 x 16 font), and the 6 x 8 fonts enlarged to 12 x 16.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "import/recognition.h"

namespace models {

struct FixtureReading {
    std::string label;
    std::vector<std::uint8_t> bytes;  // the import buffer: the data, zero beyond
    int formatIndex = 0;
    int scan = 0;
    bool negative = false;
    bool latinAndDigitsToo = false;  // an unpadded table must cover signs, digits and Latin
    bool noCyrillic = false;         // the source has none: its group must not be found
    bool shortTable = false;         // data ends before code 192: Cyrillic reads as blank
};

struct FixtureError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Every .fnt and .hex of the directory with its "// expect:" line (a .hex takes its .fnt twin's),
// and the readings derived from them. Fails on a file the import cannot read or without an
// expectation.
std::vector<FixtureReading> ReadFixtures(const std::string& directory);

// Whether a recognition is the one the fixture tests require of the reading.
bool ReadsRight(const FixtureReading& reading, const pixmora::Recognition& found);

// "6 x 8 вертикально 1 positive" of a recognition, "nothing" when none.
std::string ReadingText(const pixmora::Recognition& found);

}  // namespace models
