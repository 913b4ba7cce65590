#include "import/confirm_import.h"

#include <cstddef>

#include "editor/host.h"
#include "model/formats.h"

namespace pixmora {

namespace {

constexpr int kCyrillicBlockChars = 64;

const char* CoverageText(Coverage coverage) {
    switch (coverage) {
        case Coverage::Yes:
            return "да";
        case Coverage::Unsure:
            return "???";
        default:
            return "нет";
    }
}

MsgAnswer Ask(Host& host, const std::string& text, MsgButtons buttons) {
    return host.Message(text, kRecognitionTitle, MsgIcon::None, buttons);
}

// The answer to the load question: No leads to the parameters dialog.
Confirmation LoadAnswer(MsgAnswer answer) {
    switch (answer) {
        case MsgAnswer::No:
            return {false, ImportDecision::Load};
        case MsgAnswer::Cancel:
            return {true, ImportDecision::Cancel};
        default:
            return {true, ImportDecision::Load};
    }
}

}  // namespace

std::string ParamsReportLines(const Candidate& candidate) {
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(candidate.formatIndex)];
    const auto line = [](const std::string& text) { return text + "\r"; };
    std::string size = "- формат:      ";
    size += std::to_string(format.width);
    size += "  x  ";
    size += std::to_string(format.height);
    std::string report = line(size);
    report += line(std::string("- развертка:  ") + std::string(ScanNamesOf(candidate.scan).report));
    report +=
        line(std::string("- вид:             ") + (candidate.negative ? "негатив" : "позитив"));
    return report;
}

std::string ReadParamsReport(const std::string& heading, const Candidate& candidate,
                             const std::string& details) {
    return heading + "\r\r" + ParamsReportLines(candidate) + details;
}

Confirmation ConfirmReadParams(Host& host, const std::string& report) {
    return LoadAnswer(host.Message(report + "\r" + kLoadPrompt, kDefaultTitle, MsgIcon::None,
                                   MsgButtons::YesNoCancel));
}

std::string RecognitionReport(const Recognition& found) {
    const auto line = [](const std::string& text) { return text + "\r"; };
    std::string report = line("Детектирован шрифт:") + line("") +
                         ParamsReportLines(found.candidate) + line("- набор символов:  ");
    report += line(std::string("      знаки         - ") + CoverageText(found.coverage[kSigns]));
    report += line(std::string("      цифры       - ") + CoverageText(found.coverage[kDigits]));
    report += line(std::string("      латиница   - ") + CoverageText(found.coverage[kLatin]));
    report += line(std::string("      кириллица - ") + CoverageText(found.coverage[kCyrillic]));
    return report;
}

bool OverlayAllowed(const Candidate& candidate, const OpenFontBefore& before) {
    if (before.ImageEmpty != 0) {
        return true;
    }
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(candidate.formatIndex)];
    const bool beforeNegative = before.PositiveFont == 0;
    return candidate.scan == before.FontByteScan && candidate.negative == beforeNegative &&
           format.width == before.CellWidth && format.height == before.CellHeight;
}

void DemoteLongCyrillicBlock(Recognition& found, int lastIndexRead) {
    const int bytesPerChar =
        kCellFormats[static_cast<std::size_t>(found.candidate.formatIndex)].bytesPerChar;
    if (found.CharSetClass == 3 && lastIndexRead > kCyrillicBlockChars * bytesPerChar) {
        found.CharSetClass = 1;
    }
}

Confirmation ConfirmImport(Host& host, Recognition& found, int lastIndexRead, bool importAborted,
                           const OpenFontBefore& before, const std::string& readingNote) {
    if (importAborted) {
        return {false, ImportDecision::Cancel};
    }
    DemoteLongCyrillicBlock(found, lastIndexRead);
    if (!found.Recognised) {
        const std::string text =
            readingNote.empty() ? kNotRecognisedText : readingNote + "\r" + kNotRecognisedText;
        host.Message(text, kInformationTitle, MsgIcon::Information, MsgButtons::Ok);
        return {false, ImportDecision::Load};
    }
    const std::string report =
        RecognitionReport(found) + (readingNote.empty() ? "" : "\r" + readingNote);
    if (found.CharSetClass < 3) {
        return LoadAnswer(Ask(host, report + kLoadPrompt, MsgButtons::YesNoCancel));
    }
    if (OverlayAllowed(found.candidate, before)) {
        switch (Ask(host, report + kOverlayPrompt, MsgButtons::YesNoCancel)) {
            case MsgAnswer::No:
                return {true, ImportDecision::Load};
            case MsgAnswer::Cancel:
                return {true, ImportDecision::Cancel};
            default:
                return {true, ImportDecision::Overlay};
        }
    }
    if (Ask(host, report + kReplacePrompt, MsgButtons::YesNo) == MsgAnswer::No) {
        return {true, ImportDecision::Cancel};
    }
    return {true, ImportDecision::Load};
}

}  // namespace pixmora
