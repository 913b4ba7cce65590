#include "cli/convert_command.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <memory>

#include "cli/cli_host.h"
#include "cli/exit_codes.h"
#include "editor/editor.h"
#include "editor/font_settings.h"
#include "io/byte_notation.h"
#include "io/export.h"
#include "io/file_commit.h"
#include "transform/enlarge_dialog.h"
#include "transform/font_conversion.h"
#include "transform/scan_change.h"

namespace pixmora::cli {

namespace {

bool EndsInHex(const std::string& name) {
    if (name.size() < 3) {
        return false;
    }
    std::string last = name.substr(name.size() - 3);
    std::transform(last.begin(), last.end(), last.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return last == "hex";
}

// The index of a word of the list, 0 for one it lacks (CLI11 has checked the word already).
template <std::size_t N>
int WordIndex(const char* const (&words)[N], const std::string& word) {
    const auto* found = std::find(std::begin(words), std::end(words), word);
    return found == std::end(words) ? 0 : static_cast<int>(found - std::begin(words));
}

// The export settings the options give; the output keeps the loaded font's polarity unless an
// option says otherwise.
ExportSettings SettingsOfOptions(const Editor& ed, const ConvertOptions& options,
                                 const std::string& format,
                                 const std::optional<std::pair<std::string, std::string>>& range) {
    ExportSettings settings;
    settings.kind = OutputFormatFromText(format).value_or(OutputFormat::DataCode);
    settings.notation = NumberNotationFromText(options.notation).value_or(NumberNotation::AmpH);
    if (options.address) {
        settings.startAddress = *options.address;
    }
    if (range) {
        settings.incompleteSet = true;
        settings.firstCode = range->first;
        settings.lastCode = range->second;
    }
    settings.negative = options.outNegative || (!options.outPositive && ed.win.negative);
    settings.arrayName = options.name;
    settings.art = options.art;
    settings.placement = static_cast<FlashPlacement>(WordIndex(kFlashWords, options.flash));
    settings.baselineRow = options.baseline.value_or("");
    settings.bdfEncoding =
        static_cast<BdfEncoding>(WordIndex(kBdfEncodingWords, options.bdfEncoding));
    settings.gfxStructs = options.gfxStructs;
    return settings;
}

// "12 x 16, 16 x 16, ..." as --enlarge takes them, or "none" for the largest format.
std::string OfferedList(const Editor& ed) {
    std::string list;
    for (const std::string& offered : OfferedEnlargements(ed.params)) {
        const std::optional<int> format = FormatIndexByListText(offered);
        const std::string name =
            format ? std::string(kCellFormats[static_cast<std::size_t>(*format)].name) : offered;
        list += (list.empty() ? "" : ", ") + name;
    }
    return list.empty() ? "none" : list;
}

}  // namespace

int TransformFont(Editor& ed, const ConvertOptions& options, CliHost& host) {
    if (options.rescan && *options.rescan != ed.params.FontByteScan) {
        if (!SetFontByteScan(ed, *options.rescan)) {
            host.Tell(kScanNotOffered + ed.params.CellFormatName + ", " +
                      std::to_string(*options.rescan));
            return kExitRefused;
        }
    }
    if (options.enlarge) {
        const std::optional<int> format = FormatIndexByName(*options.enlarge);
        if (!format || !ConvertFont(ed, *format)) {
            host.Tell(kEnlargementRefused + *options.enlarge + "\n" + kEnlargementsOffered +
                      OfferedList(ed));
            return kExitRefused;
        }
    }
    return kExitOk;
}

std::string OutputFormatOfKind(const std::optional<std::string>& kind, const std::string& output) {
    const std::string word = kind.value_or(EndsInHex(output) ? "hex" : "data");
    return kOutputFormats[WordIndex(kKindWords, word)];
}

std::optional<std::pair<std::string, std::string>> SplitRange(const std::string& range) {
    const std::size_t dash = range.find('-', 1);
    if (range.empty() || dash == std::string::npos) {
        return std::nullopt;
    }
    return std::pair{range.substr(0, dash), range.substr(dash + 1)};
}

int CheckOutputOptions(const ConvertOptions& options, CliHost& host) {
    const std::string format = OutputFormatOfKind(options.kind, options.output);
    if (options.address && OutputFormatFromText(format) != OutputFormat::IntelHex) {
        host.Tell(kAddressOnlyForHex);
        return kExitFailed;
    }
    if (options.range && !SplitRange(*options.range)) {
        host.Message(std::string(kRangeRefused), std::string(kErrorTitle), MsgIcon::Exclamation,
                     MsgButtons::Ok);
        return kExitRefused;
    }
    return kExitOk;
}

int WriteOutput(const Editor& ed, const ConvertOptions& options, CliHost& host) {
    const std::string format = OutputFormatOfKind(options.kind, options.output);
    std::optional<std::pair<std::string, std::string>> range;
    if (options.range) {
        range = SplitRange(*options.range);
    }
    const ExportSettings settings = SettingsOfOptions(ed, options, format, range);
    const std::optional<ExportPlan> plan = PlanExport(ed, settings, host);
    if (!plan) {
        return kExitRefused;
    }
    if (const std::optional<std::string> failure =
            CommitFile(options.output, ExportText(ed, settings, *plan))) {
        host.Tell(SaveFailedText(options.output, *failure));
        return kExitFailed;
    }
    return kExitOk;
}

int RunConvert(const ConvertOptions& options, CliHost& host) {
    if (const int checked = CheckOutputOptions(options, host); checked != kExitOk) {
        return checked;
    }
    const auto ed = std::make_unique<Editor>();
    if (const int loaded = LoadInputFont(*ed, options.load, host); loaded != kExitOk) {
        return loaded;
    }
    if (const int transformed = TransformFont(*ed, options, host); transformed != kExitOk) {
        return transformed;
    }
    return WriteOutput(*ed, options, host);
}

}  // namespace pixmora::cli
