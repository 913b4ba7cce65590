#include "io/export_size.h"

#include <algorithm>
#include <variant>

#include "editor/editor.h"
#include "io/export.h"

namespace pixmora {

std::optional<ExportSize> MeasureExport(const Editor& ed, const ExportSettings& settings) {
    const std::variant<ExportPlan, std::string_view> checked = CheckExport(ed, settings);
    const auto* plan = std::get_if<ExportPlan>(&checked);
    if (plan == nullptr) {
        return std::nullopt;
    }
    const std::string text = ExportText(ed, settings, *plan);
    ExportSize size{text.size(), std::nullopt};
    if (plan->startAddress) {
        // Every record is one line beginning with ':'.
        size.hexRecords = static_cast<std::size_t>(std::count(text.begin(), text.end(), ':'));
    }
    return size;
}

std::string ExportSizeText(const Editor& ed, const ExportSettings& settings) {
    const std::variant<ExportPlan, std::string_view> checked = CheckExport(ed, settings);
    if (const auto* refusal = std::get_if<std::string_view>(&checked)) {
        return std::string(*refusal == kStartAddressRefused ? kSizeAddressRefused : *refusal);
    }
    const std::optional<ExportSize> size = MeasureExport(ed, settings);
    std::string text =
        std::string(kSizeCaption) + std::to_string(size->bytes) + std::string(kSizeBytes);
    if (size->hexRecords) {
        text += std::string(kSizeRecords) + std::to_string(*size->hexRecords);
    }
    return text;
}

const std::string& MemoExportSizeText(ExportSizeMemo& memo, const Editor& ed,
                                      const ExportSettings& settings) {
    const bool same =
        memo.filled && memo.settings == settings && memo.params.CellWidth == ed.params.CellWidth &&
        memo.params.CellHeight == ed.params.CellHeight &&
        memo.params.FontByteScan == ed.params.FontByteScan && memo.image == ed.font.FontImage;
    if (!same) {
        memo.text = ExportSizeText(ed, settings);
        memo.settings = settings;
        memo.params = ed.params;
        memo.image = ed.font.FontImage;
        memo.filled = true;
    }
    return memo.text;
}

}  // namespace pixmora
