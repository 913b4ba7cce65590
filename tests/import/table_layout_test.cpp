#include "import/table_layout.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/formats.h"

namespace pixmora {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes WithHeader(Bytes header, std::size_t glyphBytes) {
    header.resize(header.size() + glyphBytes, 0x55);
    return header;
}

TEST(TableHeader, EachShapeIsFoundOnlyWhenItAgreesWithTheLength) {
    const auto four = FindTableHeader(WithHeader({16, 16, 32, 95}, 95 * 32));
    ASSERT_TRUE(four);
    EXPECT_EQ(four->bytes, 4);
    EXPECT_EQ(four->formatIndex, 3);
    EXPECT_EQ(four->firstCode, 32);
    EXPECT_EQ(four->count, 95);

    const auto six = FindTableHeader(WithHeader({0, 0, 6, 8, 48, 10}, 10 * 6));
    ASSERT_TRUE(six);
    EXPECT_EQ(six->bytes, 6);
    EXPECT_EQ(six->formatIndex, 0);
    EXPECT_EQ(six->firstCode, 48);

    const auto typed = FindTableHeader(WithHeader({0, 8, 8, 32}, 96 * 8));
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed->bytes, 4);
    EXPECT_EQ(typed->count, 96);

    EXPECT_FALSE(FindTableHeader(WithHeader({16, 16, 32, 95}, 94 * 32)));  // count disagrees
    EXPECT_FALSE(FindTableHeader(WithHeader({7, 8, 32, 96}, 96 * 7)));     // no such cell
    const auto five = FindTableHeader(WithHeader({5, 8, 32, 96}, 96 * 5));
    ASSERT_TRUE(five);
    EXPECT_EQ(five->formatIndex, *FormatIndexByName("5 x 8"));
    EXPECT_FALSE(FindTableHeader(WithHeader({8, 8, 250, 10}, 10 * 8)));  // past code 255
    EXPECT_FALSE(FindTableHeader(Bytes(224 * 8, 0)));                    // a blank space first
}

TEST(StartCodes, FollowTheTablesLengthAndHeader) {
    EXPECT_EQ(StartCodes(224 * 8, 1, std::nullopt), (std::vector<int>{32}));
    EXPECT_EQ(StartCodes(256 * 8, 1, std::nullopt), (std::vector<int>{32, 0}));
    EXPECT_EQ(StartCodes(128 * 8, 1, std::nullopt), (std::vector<int>{32, 0}));
    EXPECT_EQ(StartCodes(13 * 8, 1, std::nullopt),
              (std::vector<int>{32, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48}));
    EXPECT_EQ(StartCodes(13 * 8 + 1, 1, std::nullopt), (std::vector<int>{32}));
    const TableHeader header{4, 1, 48, 10};
    EXPECT_EQ(StartCodes(10 * 8, 1, header), (std::vector<int>{48}));
    EXPECT_EQ(StartCodes(10 * 8, 0, header).front(), 32);
}

TEST(PlaceGlyphs, DropsCodesOutsideTheFontAndPadsBeforeALateStart) {
    const Bytes glyphs = {1, 2, 3, 4, 5, 6};  // three characters of two bytes
    const PlacedGlyphs early = PlaceGlyphs(glyphs, 2, 31, 0);
    EXPECT_EQ(early.bytes, (Bytes{3, 4, 5, 6}));
    EXPECT_EQ(early.droppedBefore, 1);

    const PlacedGlyphs late = PlaceGlyphs(glyphs, 2, 34, 0xFF);
    EXPECT_EQ(late.bytes, (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4, 5, 6}));

    const PlacedGlyphs last = PlaceGlyphs(glyphs, 2, 254, 0);
    EXPECT_EQ(last.bytes.size(), 224U * 2);
    EXPECT_EQ(Bytes(last.bytes.end() - 4, last.bytes.end()), (Bytes{1, 2, 3, 4}));
    EXPECT_EQ(last.droppedAfter, 1);
}

}  // namespace
}  // namespace pixmora
