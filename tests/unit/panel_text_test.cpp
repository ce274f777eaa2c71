// The texts of the panel's rows.
#include "inspector/panel_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct HandleCase {
    std::uint32_t value;
    const char* text;
};

class HandleText : public testing::TestWithParam<HandleCase> {};

TEST_P(HandleText, IsEightUpperCaseDigitsAfterThePrefix) {
    EXPECT_EQ(plra::FormatHandleText(GetParam().value), GetParam().text);
    EXPECT_EQ(plra::FormatStyleText(GetParam().value), GetParam().text);
}

const HandleCase kHandles[] = {
    {0, "0x00000000"},
    {0x1A2B, "0x00001A2B"},
    {0xABCDEF01u, "0xABCDEF01"},
    {0xFFFFFFFFu, "0xFFFFFFFF"},
    {0x14CF0000u, "0x14CF0000"},
};
INSTANTIATE_TEST_SUITE_P(Values, HandleText, testing::ValuesIn(kHandles));

struct IdentifierCase {
    std::int32_t value;
    const char* text;
};

class IdentifierText : public testing::TestWithParam<IdentifierCase> {};

TEST_P(IdentifierText, IsSignedDecimal) { EXPECT_EQ(plra::FormatIdentifierText(GetParam().value), GetParam().text); }

const IdentifierCase kIdentifiers[] = {
    {0, "0"},
    {1001, "1001"},
    {-1, "-1"},  // 0xFFFFFFFF, never 4294967295
    {INT_MIN, "-2147483648"},
    {INT_MAX, "2147483647"},
    {0xFFFF, "65535"},
};
INSTANTIATE_TEST_SUITE_P(Values, IdentifierText, testing::ValuesIn(kIdentifiers));

struct RectangleCase {
    std::int32_t left, top, right, bottom;
    const char* text;
};

class RectangleText : public testing::TestWithParam<RectangleCase> {};

TEST_P(RectangleText, ListsTheCornersThenTheSizeWithTheMultiplicationByte) {
    const RectangleCase& c = GetParam();
    EXPECT_EQ(plra::FormatRectangleText(c.left, c.top, c.right, c.bottom), c.text);
}

const RectangleCase kRectangles[] = {
    {100, 50, 740, 530, "(100, 50), (740, 530)   640 \xD7 480"},
    {0, 0, 0, 0, "(0, 0), (0, 0)   0 \xD7 0"},
    {-1280, -20, -640, 460, "(-1280, -20), (-640, 460)   640 \xD7 480"},
    // A rectangle turned inside out (a mirrored conversion) shows negative sizes.
    {300, 10, 100, 5, "(300, 10), (100, 5)   -200 \xD7 -5"},
    // Extremes from another program: the size is the true difference, not a wrapped one.
    {INT_MIN, INT_MIN, INT_MAX, INT_MAX,
     "(-2147483648, -2147483648), (2147483647, 2147483647)   4294967295 \xD7 4294967295"},
};
INSTANTIATE_TEST_SUITE_P(Values, RectangleText, testing::ValuesIn(kRectangles));

}  // namespace
