#include "transform/enlarge_dialog.h"

#include <algorithm>

#include "editor/dialog_shared.h"
#include "editor/editor.h"
#include "editor/host.h"

namespace pixmora {

namespace {

constexpr int kLargestFormat = static_cast<int>(kCellFormats.size()) - 1;

bool IsOffered(const EnlargeDialogState& state, const std::string& text) {
    return std::find(state.offered.begin(), state.offered.end(), text) != state.offered.end();
}

}  // namespace

std::string EnlargeListText(int formatIndex) {
    const CellFormat& format = kCellFormats.at(static_cast<std::size_t>(formatIndex));
    return std::to_string(format.width) + " х " + std::to_string(format.height);
}

std::optional<int> FormatIndexByListText(std::string_view text) {
    for (int index = 0; index <= kLargestFormat; ++index) {
        if (EnlargeListText(index) == text) {
            return index;
        }
    }
    return std::nullopt;
}

std::vector<std::string> OfferedEnlargements(const FontParams& params) {
    std::vector<std::string> list;
    for (int index = 0; index <= kLargestFormat; ++index) {
        list.push_back(EnlargeListText(index));
    }
    const bool horizontal8x8 =
        params.CellWidth == 8 && params.CellHeight == 8 && !IsVerticalScan(params.FontByteScan);
    std::size_t removed = 3;
    if (!horizontal8x8) {
        // Without an open font of a known format there is nothing to enlarge.
        const std::optional<int> own = FormatIndex(params.CellWidth, params.CellHeight);
        removed = own ? static_cast<std::size_t>(*own) + 1 : list.size();
    }
    list.erase(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(removed));
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
    if (FormatIndexByListText(text) == kLargestFormat) {
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
    return kCellFormats.at(static_cast<std::size_t>(*index));
}

}  // namespace pixmora
