#include "import/confirm_import.h"

#include <gtest/gtest.h>

#include "support/fake_host.h"

namespace pixmora {
namespace {

Recognition Found(int formatIndex, int scan, bool negative, int charSetClass,
                  std::array<Coverage, kGroupCount> coverage) {
    Recognition found;
    found.candidate = {formatIndex, scan, negative};
    found.coverage = coverage;
    found.CharSetClass = charSetClass;
    found.Recognised = charSetClass > 0;
    found.bestScore = 1;
    return found;
}

constexpr auto kYes = Coverage::Yes;
constexpr auto kNo = Coverage::No;
constexpr auto kUnsure = Coverage::Unsure;

const OpenFontBefore kOpen8x8{8, 8, -1, kScanVertical1, 0};

TEST(RecognitionReport, TextToTheBlank) {
    const Recognition found = Found(4, kScanHorizontal2, true, 1, {kYes, kUnsure, kNo, kYes, kNo});
    EXPECT_EQ(RecognitionReport(found),
              "Детектирован шрифт:\r"
              "\r"
              "- формат:      16  x  24\r"
              "- развертка:  горизонтальная 2\r"
              "- вид:             негатив\r"
              "- набор символов:  \r"
              "      знаки         - да\r"
              "      цифры       - ???\r"
              "      латиница   - нет\r"
              "      кириллица - да\r");
    const Recognition small = Found(0, kScanVertical2, false, 1, {kYes, kYes, kYes, kYes, kNo});
    const std::string report = RecognitionReport(small);
    EXPECT_NE(report.find("- формат:      6  x  8\r"), std::string::npos);
    EXPECT_NE(report.find("- развертка:  вертикальная 2\r"), std::string::npos);
    EXPECT_NE(report.find("- вид:             позитив\r"), std::string::npos);
}

TEST(ConfirmImport, OrdinaryPromptAndItsThreeAnswers) {
    const std::pair<MsgAnswer, Confirmation> cases[] = {
        {MsgAnswer::Yes, {true, ImportDecision::Load}},
        {MsgAnswer::No, {false, ImportDecision::Load}},
        {MsgAnswer::Cancel, {true, ImportDecision::Cancel}},
    };
    for (const auto& [answer, expected] : cases) {
        test::FakeHost host;
        host.answers = {answer};
        Recognition found = Found(1, kScanVertical1, false, 1, {kYes, kYes, kYes, kNo, kNo});
        const Confirmation got = ConfirmImport(host, found, 1791, false, kOpen8x8);
        EXPECT_EQ(got.Recognised, expected.Recognised);
        EXPECT_EQ(got.decision, expected.decision);
        ASSERT_EQ(host.messages.size(), 1U);
        EXPECT_EQ(host.messages[0].text,
                  RecognitionReport(found) + "Загрузить с этими параметрами?\n\n");
        EXPECT_EQ(host.messages[0].title, "Распознавание");
        EXPECT_EQ(host.messages[0].icon, MsgIcon::None);
        EXPECT_EQ(host.messages[0].buttons, MsgButtons::YesNoCancel);
    }
}

TEST(ConfirmImport, NotRecognisedGoesToTheManualPath) {
    test::FakeHost host;
    Recognition found;
    const Confirmation got = ConfirmImport(host, found, 100, false, kOpen8x8);
    EXPECT_FALSE(got.Recognised);
    EXPECT_EQ(got.decision, ImportDecision::Load);
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].text,
              "Параметры  шрифта из данного файла \n"
              "распознать не удалось. Попробуйте\n"
              "задать их в ручном режиме.");
    EXPECT_EQ(host.messages[0].title, "Информация");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::Ok);
}

TEST(ConfirmImport, AbortedReadCancelsSilently) {
    test::FakeHost host;
    Recognition found = Found(1, kScanVertical1, false, 1, {kYes, kYes, kYes, kNo, kNo});
    const Confirmation got = ConfirmImport(host, found, 100, true, kOpen8x8);
    EXPECT_FALSE(got.Recognised);
    EXPECT_EQ(got.decision, ImportDecision::Cancel);
    EXPECT_TRUE(host.messages.empty());
}

TEST(ConfirmImport, CyrillicBlockOverTheSameFormatOffersTheOverlay) {
    const std::pair<MsgAnswer, ImportDecision> cases[] = {
        {MsgAnswer::Yes, ImportDecision::Overlay},
        {MsgAnswer::No, ImportDecision::Load},
        {MsgAnswer::Cancel, ImportDecision::Cancel},
    };
    for (const auto& [answer, expected] : cases) {
        test::FakeHost host;
        host.answers = {answer};
        Recognition found = Found(1, kScanVertical1, false, 3, {kNo, kNo, kNo, kNo, kYes});
        // 64 characters of 8 bytes.
        const Confirmation got = ConfirmImport(host, found, 511, false, kOpen8x8);
        EXPECT_EQ(got.decision, expected);
        ASSERT_EQ(host.messages.size(), 1U);
        EXPECT_EQ(host.messages[0].text, RecognitionReport(found) +
                                             "Неполный кириллический знакогенератор.\n"
                                             "Допустимо наложение на текущий образ.\n"
                                             "Наложить?\n");
        EXPECT_EQ(host.messages[0].buttons, MsgButtons::YesNoCancel);
        EXPECT_EQ(host.messages[0].title, "Распознавание");
    }
}

TEST(ConfirmImport, CyrillicBlockOverAnotherFontAsksToReplaceIt) {
    const OpenFontBefore differing[] = {
        {8, 8, -1, kScanVertical2, 0},  // scan
        {8, 8, 0, kScanVertical1, 0},   // polarity
        {16, 16, -1, kScanVertical1, 0},
    };
    for (const auto& before : differing) {
        for (auto [answer, expected] : {std::pair{MsgAnswer::Yes, ImportDecision::Load},
                                        std::pair{MsgAnswer::No, ImportDecision::Cancel}}) {
            test::FakeHost host;
            host.answers = {answer};
            Recognition found = Found(1, kScanVertical1, false, 3, {kNo, kNo, kNo, kNo, kYes});
            EXPECT_EQ(ConfirmImport(host, found, 511, false, before).decision, expected);
            ASSERT_EQ(host.messages.size(), 1U);
            EXPECT_EQ(host.messages[0].text, RecognitionReport(found) +
                                                 "Неполный кириллический знакогенератор.\n"
                                                 "Наложение на текущий образ недопустимо\n"
                                                 "ввиду несовпадения параметров данного\n"
                                                 "файла и знакогенератора, загруженного \n"
                                                 "в образ ранее. Загрузка приведет к \n"
                                                 "удалению исходного образа. Загрузить?\n");
            EXPECT_EQ(host.messages[0].buttons, MsgButtons::YesNo);
        }
    }
}

TEST(ConfirmImport, EmptyImageAcceptsAnOverlayOfAnyParameters) {
    EXPECT_TRUE(OverlayAllowed({3, kScanHorizontal1, true}, {8, 8, -1, kScanVertical1, -1}));
    EXPECT_FALSE(OverlayAllowed({3, kScanHorizontal1, true}, {8, 8, -1, kScanVertical1, 0}));
    EXPECT_TRUE(OverlayAllowed({3, kScanHorizontal1, true}, {16, 16, 0, kScanHorizontal1, 0}));
}

TEST(ConfirmImport, SixtyFiveCharactersAreAnOrdinarySet) {
    test::FakeHost host;
    host.answers = {MsgAnswer::Yes};
    Recognition found = Found(1, kScanVertical1, false, 3, {kNo, kNo, kNo, kNo, kYes});
    const Confirmation got = ConfirmImport(host, found, 65 * 8 - 1, false, kOpen8x8);
    EXPECT_EQ(found.CharSetClass, 1);
    EXPECT_EQ(got.decision, ImportDecision::Load);
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_NE(host.messages[0].text.find("Загрузить с этими параметрами?"), std::string::npos);
}

}  // namespace
}  // namespace pixmora
