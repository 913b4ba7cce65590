#include "transform/enlarge_dialog.h"

#include <algorithm>

#include "editor/dialog_shared.h"
#include "editor/editor.h"
#include "editor/host.h"

namespace pixmora {

namespace {

constexpr int kFormatCount = static_cast<int>(kCellFormats.size());
// Picking this entry also marks that a format was chosen in this run; no other entry does.
constexpr std::string_view kFlaggingEntry = "48 х 56";

const CellFormat& FormatAt(int index) {
    return kCellFormats.at(static_cast<std::size_t>(index));
}

// At least as wide and as high, and packable in the font's scan (horizontal scans need widths of
// whole bytes).
bool IsEnlargement(const CellFormat& from, int scan, const CellFormat& to) {
    return to.width >= from.width && to.height >= from.height &&
           (to.width != from.width || to.height != from.height) &&
           (IsVerticalScan(scan) || to.width % 8 == 0);
}

bool IsOffered(const EnlargeDialogState& state, const std::string& text) {
    return std::find(state.offered.begin(), state.offered.end(), text) != state.offered.end();
}

}  // namespace

std::string EnlargeListText(int formatIndex) {
    const CellFormat& format = FormatAt(formatIndex);
    return std::to_string(format.width) + " х " + std::to_string(format.height);
}

std::optional<int> FormatIndexByListText(std::string_view text) {
    for (int index = 0; index < kFormatCount; ++index) {
        if (EnlargeListText(index) == text) {
            return index;
        }
    }
    return std::nullopt;
}

std::vector<std::string> OfferedEnlargements(const FontParams& params) {
    // Without an open font of a known format there is nothing to enlarge.
    const std::optional<int> own = FormatIndex(params.CellWidth, params.CellHeight);
    if (!own) {
        return {};
    }
    std::vector<int> targets;
    for (int index = 0; index < kFormatCount; ++index) {
        if (IsEnlargement(FormatAt(*own), params.FontByteScan, FormatAt(index))) {
            targets.push_back(index);
        }
    }
    std::stable_sort(targets.begin(), targets.end(), [](int a, int b) {
        return FormatAt(a).bytesPerChar < FormatAt(b).bytesPerChar;
    });
    std::vector<std::string> list;
    for (const int index : targets) {
        list.push_back(EnlargeListText(index));
    }
    return list;
}

EnlargeDialogState OpenEnlargeDialog(const Editor& ed) {
    return {OfferedEnlargements(ed.params), {}};
}

void ChooseEnlargeFormat(EnlargeDialogState& state, Editor& ed, const std::string& text) {
    if (!IsOffered(state, text)) {
        return;
    }
    state.chosen = text;
    ed.params.CellFormatName = text;
    if (text == kFlaggingEntry) {
        ed.font.CellFormatChosen = kLit;
    }
}

std::optional<CellFormat> AcceptEnlargeDialog(const EnlargeDialogState& state, Editor& ed,
                                              Host& host) {
    const std::optional<int> index = FormatIndexByListText(state.chosen);
    if (!index || !IsOffered(state, state.chosen)) {
        host.Message(kFormatMissing, kDefaultTitle, MsgIcon::None, MsgButtons::Ok);
        return std::nullopt;
    }
    ed.params.CellFormatName = state.chosen;
    return FormatAt(*index);
}

}  // namespace pixmora
