#include "io/export.h"

#include <cstdio>
#include <span>
#include <sstream>
#include <variant>

#include "editor/editor.h"
#include "editor/file_dialogs.h"
#include "editor/font_settings.h"
#include "editor/host.h"
#include "editor/window_status.h"
#include "io/bdf_writer.h"
#include "io/byte_notation.h"
#include "io/c_header_writer.h"
#include "io/file_commit.h"
#include "io/firmware_font.h"
#include "io/font_writer.h"
#include "io/gfx_writer.h"
#include "io/number_text.h"
#include "model/glyph_packing.h"

namespace pixmora {

namespace {

constexpr int kLastCode = 255;

std::string TwoDigits(int value) {
    std::string digits = value < 10 ? "0" : "";
    digits += std::to_string(value);
    return digits;
}

void RefuseWith(Host& host, std::string_view text) {
    host.Message(std::string(text), std::string(kErrorTitle), MsgIcon::Exclamation, MsgButtons::Ok);
}

// The bytes and cell of the plan's range for the firmware writers.
FirmwareFont FirmwareFontOf(const Editor& ed, const ExportPlan& plan, bool negative,
                            std::span<const std::uint8_t> bytes) {
    return {ed.params.CellWidth,
            ed.params.CellHeight,
            ed.params.FontByteScan,
            ed.params.BytesPerChar,
            plan.range.first + kFirstCode,
            bytes,
            negative};
}

// "16 x 24": the list text of the open font's cell.
std::string_view FormatNameOf(const FontParams& params) {
    const std::optional<int> format = FormatIndex(params.CellWidth, params.CellHeight);
    return format ? kCellFormats[static_cast<std::size_t>(*format)].name
                  : std::string_view(params.CellFormatName);
}

// The typed baseline row, or the one the capitals give; false for a row outside the cell.
bool PlanBaseline(const Editor& ed, const ExportSettings& settings, ExportPlan& plan) {
    if (settings.baselineRow.empty()) {
        plan.baselineRow =
            FoundBaselineRow(ed.font.FontImage, ed.params.CellWidth, ed.params.CellHeight,
                             ed.params.FontByteScan, ed.params.BytesPerChar);
        return true;
    }
    const std::optional<std::int64_t> row = ParseWholeNumber(settings.baselineRow);
    if (!row || *row < 0 || *row >= ed.params.CellHeight) {
        return false;
    }
    plan.baselineRow = static_cast<int>(*row);
    return true;
}

// A successful export counts as a save, and the one-shot settings go back to the whole set, not
// inverted.
void ResetAfterExport(Editor& ed) {
    ed.win.nosave = 0;
    for (CharCell& cell : ed.table.cells) {
        cell.fontSize = ed.font.CharTableFontSize;
        cell.bold = false;
        cell.background = kWhite;
    }
    ed.table.cells[static_cast<std::size_t>(ed.font.CurrentChar)].background = kRed;
    SetIncompleteSet(ed, false);
    ed.win.firstCode = "32";
    ed.win.lastCode = "255";
    SetNegativeFont(ed, false);
}

}  // namespace

std::optional<ExportRange> ExportCharRange(const ExportSettings& settings) {
    if (!settings.incompleteSet) {
        return ExportRange{};
    }
    const std::optional<std::int64_t> first = ParseWholeNumber(settings.firstCode);
    const std::optional<std::int64_t> last = ParseWholeNumber(settings.lastCode);
    if (!first || !last || *first < kFirstCode || *first >= *last || *last > kLastCode) {
        return std::nullopt;
    }
    return ExportRange{static_cast<int>(*first) - kFirstCode, static_cast<int>(*last) - kFirstCode,
                       true};
}

std::optional<std::string> ParseStartAddress(std::string_view text) {
    if (ParseNumberText(text)) {
        return std::string(text);
    }
    if (StartsWithHexPrefix(text) || text.empty()) {
        return std::nullopt;
    }
    std::string_view digits;
    if (text[0] == '$' || text[0] == '#') {
        digits = text.substr(1);
    } else if (text.substr(0, 2) == "0x") {
        digits = text.substr(2);
    } else if (text.back() == 'h' || text.back() == 'H') {
        digits = text.substr(0, text.size() - 1);
    } else {
        return std::nullopt;
    }
    // "$ZZ" is no number in any notation.
    std::string normalised = "&H" + std::string(digits);
    if (!ParseNumberText(normalised)) {
        return std::nullopt;
    }
    return normalised;
}

std::optional<int> StartAddressValue(std::string_view text) {
    const std::optional<std::string> normalised = ParseStartAddress(text);
    if (!normalised) {
        return std::nullopt;
    }
    const std::optional<std::int64_t> value = ParseWholeNumber(*normalised);
    if (!value || *value < 0 || *value > kMaxStartAddress) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

std::string StartAddressText(int address) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04X", static_cast<unsigned>(address));
    return std::string(digits) + "H";
}

std::string ExportFileName(const Editor& ed, bool negative, const ExportRange& range,
                           std::string_view addressText) {
    std::string name = "Font";
    name += TwoDigits(ed.params.CellWidth);
    name += "x";
    name += TwoDigits(ed.params.CellHeight);
    name += ScanShortName(ed.params.FontByteScan);
    name += negative ? "n" : "p";
    if (range.partial && range.last + kFirstCode < kFirstCyrillicCode) {
        name += "LAT";
    }
    if (range.partial && range.first + kFirstCode == kFirstCyrillicCode) {
        name += "RUS";
    }
    if (!addressText.empty()) {
        name += '-';
        name += addressText;
    }
    return name;
}

std::vector<std::uint8_t> ExportBytes(const Editor& ed, const ExportRange& range, bool negative) {
    const std::size_t perChar = static_cast<std::size_t>(ed.params.BytesPerChar);
    const std::span<const std::uint8_t> image(ed.font.FontImage);
    const std::span<const std::uint8_t> chosen =
        image.subspan(static_cast<std::size_t>(range.first) * perChar,
                      static_cast<std::size_t>(range.last - range.first + 1) * perChar);
    std::vector<std::uint8_t> bytes(chosen.begin(), chosen.end());
    if (negative) {
        for (std::uint8_t& value : bytes) {
            value = static_cast<std::uint8_t>(255 - value);
        }
    }
    return bytes;
}

std::variant<ExportPlan, std::string_view> CheckExport(const Editor& ed,
                                                       const ExportSettings& settings) {
    const std::optional<ExportRange> range = ExportCharRange(settings);
    if (!range) {
        return kRangeRefused;
    }
    ExportPlan plan{*range, std::nullopt, settings.arrayName, 0};
    if (settings.kind == OutputFormat::IntelHex) {
        plan.startAddress = StartAddressValue(settings.startAddress);
        if (!plan.startAddress) {
            return kStartAddressRefused;
        }
    }
    if (plan.arrayName.empty()) {
        plan.arrayName = DefaultArrayName(ed.params.CellWidth, ed.params.CellHeight);
    }
    const bool named = settings.kind == OutputFormat::CHeader || settings.kind == OutputFormat::Gfx;
    if (named && !IsCIdentifier(plan.arrayName)) {
        return kArrayNameRefused;
    }
    if (settings.kind == OutputFormat::Bdf || settings.kind == OutputFormat::Gfx) {
        if (!PlanBaseline(ed, settings, plan)) {
            return kBaselineRefused;
        }
    }
    if (settings.kind == OutputFormat::Gfx) {
        const std::vector<std::uint8_t> bytes = ExportBytes(ed, plan.range, settings.negative);
        if (!GfxOffsetsFit(
                LayOutGfx(FirmwareFontOf(ed, plan, settings.negative, bytes), plan.baselineRow))) {
            return kGfxTooLarge;
        }
    }
    return plan;
}

std::optional<ExportPlan> PlanExport(const Editor& ed, const ExportSettings& settings, Host& host) {
    std::variant<ExportPlan, std::string_view> checked = CheckExport(ed, settings);
    if (const auto* refusal = std::get_if<std::string_view>(&checked)) {
        RefuseWith(host, *refusal);
        return std::nullopt;
    }
    return std::get<ExportPlan>(std::move(checked));
}

std::string_view ExportFilter(OutputFormat kind) {
    switch (kind) {
        case OutputFormat::IntelHex:
            return kHexFilter;
        case OutputFormat::CHeader:
            return kCHeaderFilter;
        case OutputFormat::Bdf:
            return kBdfFilter;
        case OutputFormat::Gfx:
            return kGfxFilter;
        case OutputFormat::Binary:
            return kBinaryFilter;
        case OutputFormat::DataCode:
        case OutputFormat::DbCode:
        case OutputFormat::Code:
            break;
    }
    return kSourceFilter;
}

std::string ExportText(const Editor& ed, const ExportSettings& settings, const ExportPlan& plan) {
    const std::vector<std::uint8_t> bytes = ExportBytes(ed, plan.range, settings.negative);
    const FirmwareFont font = FirmwareFontOf(ed, plan, settings.negative, bytes);
    std::ostringstream text;
    switch (settings.kind) {
        case OutputFormat::IntelHex:
            WriteIntelHex(text, bytes, static_cast<std::uint32_t>(plan.startAddress.value_or(0)));
            break;
        case OutputFormat::CHeader:
            return CHeaderText(font, {plan.arrayName, settings.art, settings.placement});
        case OutputFormat::Bdf:
            return BdfText(font, {FormatNameOf(ed.params), plan.baselineRow, settings.bdfEncoding});
        case OutputFormat::Gfx:
            return GfxHeaderText(font, {plan.arrayName, plan.baselineRow, settings.gfxStructs});
        case OutputFormat::Binary:
            return {bytes.begin(), bytes.end()};
        case OutputFormat::DataCode:
        case OutputFormat::DbCode:
        case OutputFormat::Code:
            WriteSourceText(text, bytes, settings.kind, settings.notation,
                            ValuesPerLine(ed.params.BytesPerChar));
            break;
    }
    return text.str();
}

std::string SaveFailedText(const std::string& path, const std::string& failure) {
    return std::string(kSaveFailed) + path + ":\n" + failure;
}

void ExportFont(Editor& ed, Host& host) {
    const ExportSettings settings = ExportSettingsOf(ed.win);
    const std::optional<ExportPlan> plan = PlanExport(ed, settings, host);
    if (!plan) {
        return;
    }
    const bool hex = plan->startAddress.has_value();
    const FileDialogRequest request{
        std::string(kSaveDialogTitle), std::string(ExportFilter(settings.kind)),
        FileDialogStartDir(ed, host),
        ExportFileName(ed, settings.negative, plan->range,
                       hex ? StartAddressText(*plan->startAddress) : std::string())};
    const std::optional<std::string> chosen = host.SaveFile(request);
    if (!chosen) {
        return;
    }
    // The dialog has added the extension already; a name without one never reaches the disk.
    const std::string path = WithDefaultExtension(*chosen, FilterExtension(request.filter, 0));
    RememberFileDir(ed, path);
    if (const std::optional<std::string> failure =
            CommitFile(path, ExportText(ed, settings, *plan))) {
        host.Message(SaveFailedText(path, *failure), kDefaultTitle, MsgIcon::None, MsgButtons::Ok);
        return;
    }
    ResetAfterExport(ed);
    ed.win.fileName = FileNameOf(path);
}

}  // namespace pixmora
