// What the user is told about a recognised font file and what they decide: load it with the
// recognised parameters, lay a Cyrillic block over the open font, enter the parameters by hand, or
// cancel the import.
#pragma once

#include <cstdint>
#include <string>

#include "import/recognition.h"

namespace pixmora {

class Host;

inline constexpr const char* kRecognitionTitle = "Распознавание";
inline constexpr const char* kInformationTitle = "Информация";
inline constexpr const char* kNotRecognisedText =
    "Параметры  шрифта из данного файла \nраспознать не удалось. Попробуйте\n"
    "задать их в ручном режиме.";
inline constexpr const char* kOwnParamsHeading = "Параметры из файла:";
inline constexpr const char* kLoadPrompt = "Загрузить с этими параметрами?\n\n";
inline constexpr const char* kOverlayPrompt =
    "Неполный кириллический знакогенератор.\nДопустимо наложение на текущий образ.\n"
    "Наложить?\n";
inline constexpr const char* kReplacePrompt =
    "Неполный кириллический знакогенератор.\nНаложение на текущий образ недопустимо\n"
    "ввиду несовпадения параметров данного\nфайла и знакогенератора, загруженного \n"
    "в образ ранее. Загрузка приведет к \nудалению исходного образа. Загрузить?\n";

enum class ImportDecision { Load, Overlay, Cancel };

// The open font as it was when the import started.
struct OpenFontBefore {
    int CellWidth = 0;
    int CellHeight = 0;
    std::int16_t PositiveFont = -1;
    int FontByteScan = 0;
    std::int16_t ImageEmpty = -1;
};

struct Confirmation {
    bool Recognised = false;
    ImportDecision decision = ImportDecision::Load;
};

// The lines "- формат:", "- развертка:" and "- вид:" of a report, each ended by a carriage return.
std::string ParamsReportLines(const Candidate& candidate);

// The report of parameters a file gives rather than recognised ones: the heading, an empty line,
// the parameters, then what follows (`details`, lines already ended).
std::string ReadParamsReport(const std::string& heading, const Candidate& candidate,
                             const std::string& details);

// Shows the report of parameters read from a file and asks whether to load with them: Yes loads,
// No leads to the parameters dialog, Cancel ends the import.
Confirmation ConfirmReadParams(Host& host, const std::string& report);

// The report of a recognition: format, scan, polarity and the coverage of the four listed groups,
// each line ended by a carriage return.
std::string RecognitionReport(const Recognition& found);

// A Cyrillic block may be laid over the open font when both have the same format, scan and
// polarity, or over an empty image whatever the parameters.
bool OverlayAllowed(const Candidate& candidate, const OpenFontBefore& before);

// A Cyrillic block holds codes 192..255 only: with more than 64 characters' bytes read the file is
// an ordinary set (found.CharSetClass becomes 1).
void DemoteLongCyrillicBlock(Recognition& found, int lastIndexRead);

// Shows the report and asks, after DemoteLongCyrillicBlock. A note of what was read (a source
// file's array) follows the report, and comes before the message when nothing was recognised.
Confirmation ConfirmImport(Host& host, Recognition& found, int lastIndexRead, bool importAborted,
                           const OpenFontBefore& before, const std::string& readingNote = {});

}  // namespace pixmora
