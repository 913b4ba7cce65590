#include "transform/enlarge_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support/fake_host.h"
#include "support/test_font.h"

namespace pixmora {
namespace {

using Texts = std::vector<std::string>;

constexpr int k8x8 = 1;
constexpr int k5x8 = 9;
constexpr int k8x16 = 10;

Texts Offered(int format, int scan) {
    Editor ed;
    test::OpenTestFont(ed, format, scan);
    return OpenEnlargeDialog(ed).offered;
}

TEST(EnlargeDialog, ListTextsUseTheCyrillicX) {
    const Texts expected{"6 \u0445 8",   "8 \u0445 8",   "12 \u0445 16", "16 \u0445 16",
                         "16 \u0445 24", "24 \u0445 32", "32 \u0445 40", "40 \u0445 48",
                         "48 \u0445 56", "5 \u0445 8",   "8 \u0445 16"};
    for (int format = 0; format < static_cast<int>(kCellFormats.size()); ++format) {
        EXPECT_EQ(EnlargeListText(format), expected[static_cast<std::size_t>(format)]);
        EXPECT_EQ(FormatIndexByListText(expected[static_cast<std::size_t>(format)]), format);
    }
    EXPECT_FALSE(FormatIndexByListText("8 x 8"));  // Latin x is not a list text
}

TEST(EnlargeDialog, OffersOnlyLargerFormats) {
    EXPECT_EQ(Offered(0, kScanVertical1), (Texts{"8 х 8", "8 х 16", "12 х 16", "16 х 16", "16 х 24",
                                                 "24 х 32", "32 х 40", "40 х 48", "48 х 56"}));
    EXPECT_EQ(Offered(k8x8, kScanVertical2), (Texts{"8 х 16", "12 х 16", "16 х 16", "16 х 24",
                                                    "24 х 32", "32 х 40", "40 х 48", "48 х 56"}));
    for (const int scan : {kScanHorizontal1, kScanHorizontal2}) {
        EXPECT_EQ(Offered(k8x8, scan), (Texts{"8 х 16", "16 х 16", "16 х 24", "24 х 32", "32 х 40",
                                              "40 х 48", "48 х 56"}));
    }
    EXPECT_EQ(Offered(3, kScanHorizontal1),
              (Texts{"16 х 24", "24 х 32", "32 х 40", "40 х 48", "48 х 56"}));
    EXPECT_EQ(Offered(7, kScanVertical1), (Texts{"48 х 56"}));
    EXPECT_TRUE(Offered(8, kScanVertical1).empty());
    EXPECT_TRUE(Offered(8, kScanHorizontal2).empty());

    Editor noFont;
    EXPECT_TRUE(OpenEnlargeDialog(noFont).offered.empty());
}

TEST(EnlargeDialog, FiveByEightAndEightBySixteenAsSources) {
    for (const int scan : {kScanVertical1, kScanVertical2}) {
        EXPECT_EQ(Offered(k5x8, scan),
                  (Texts{"6 х 8", "8 х 8", "8 х 16", "12 х 16", "16 х 16", "16 х 24", "24 х 32",
                         "32 х 40", "40 х 48", "48 х 56"}));
        EXPECT_EQ(Offered(k8x16, scan), (Texts{"12 х 16", "16 х 16", "16 х 24", "24 х 32",
                                               "32 х 40", "40 х 48", "48 х 56"}));
    }
    EXPECT_EQ(Offered(k8x16, kScanHorizontal1),
              (Texts{"16 х 16", "16 х 24", "24 х 32", "32 х 40", "40 х 48", "48 х 56"}));
    // Neither is a target of a cell wider or higher than itself.
    for (const int format : {2, 3, 4}) {
        const Texts list = Offered(format, kScanVertical1);
        EXPECT_EQ(std::count(list.begin(), list.end(), "8 х 16"), 0) << format;
        EXPECT_EQ(std::count(list.begin(), list.end(), "5 х 8"), 0) << format;
    }
}

TEST(EnlargeDialog, OkWithoutAChoiceAsksForOneAndStaysOpen) {
    Editor ed;
    test::OpenTestFont(ed, 8, kScanVertical1);
    test::FakeHost host;
    const EnlargeDialogState state = OpenEnlargeDialog(ed);
    EXPECT_FALSE(AcceptEnlargeDialog(state, ed, host));
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].text, "Укажите формат знакоместа!");
    EXPECT_EQ(host.messages[0].title, kDefaultTitle);
    EXPECT_EQ(host.messages[0].icon, MsgIcon::None);
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::Ok);
}

TEST(EnlargeDialog, ChoiceCommitsOnOk) {
    Editor ed;
    test::OpenTestFont(ed, k8x8, kScanVertical1);
    test::FakeHost host;
    EnlargeDialogState state = OpenEnlargeDialog(ed);

    ChooseEnlargeFormat(state, ed, "6 х 8");  // not offered: ignored
    EXPECT_TRUE(state.chosen.empty());
    ChooseEnlargeFormat(state, ed, "24 х 32");
    EXPECT_EQ(ed.params.CellFormatName, "24 х 32");
    EXPECT_EQ(ed.font.CellFormatChosen, kDark);
    const std::optional<CellFormat> chosen = AcceptEnlargeDialog(state, ed, host);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->name, "24 x 32");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(ed.params.CellFormatName, "24 х 32");
}

TEST(EnlargeDialog, OnlyTheLargestFormatMarksAFormatAsChosen) {
    Editor ed;
    test::OpenTestFont(ed, 0, kScanVertical1);
    EnlargeDialogState state = OpenEnlargeDialog(ed);
    for (const std::string& text : Texts(state.offered.begin(), state.offered.end() - 1)) {
        ChooseEnlargeFormat(state, ed, text);
        EXPECT_EQ(ed.font.CellFormatChosen, kDark) << text;
    }
    EXPECT_EQ(state.offered.back(), "48 х 56");
    ChooseEnlargeFormat(state, ed, "48 х 56");
    EXPECT_EQ(ed.font.CellFormatChosen, kLit);
}

}  // namespace
}  // namespace pixmora
