// How much of another window's answer to WM_GETTEXTLENGTH and WM_GETTEXT is believed.
#include "inspector/window_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

struct CapacityCase {
    long long length;
    std::size_t capacity;
};

class TextBuffer : public testing::TestWithParam<CapacityCase> {};

TEST_P(TextBuffer, HoldsTheLengthAndItsNulUpToTheLimit) {
    EXPECT_EQ(plra::TextBufferCapacity(GetParam().length), GetParam().capacity);
}

const CapacityCase kCapacities[] = {
    {0, 1},
    {1, 2},
    {300, 301},
    {65536, 65537},
    {65537, 65537},          // longer texts are cut at 64 KiB
    {LLONG_MAX, 65537},      // an absurd length allocates no more
    {0xFFFFFFFFll, 65537},
    {-1, 0},                 // an impossible length reads as empty
    {LLONG_MIN, 0},
};
INSTANTIATE_TEST_SUITE_P(Lengths, TextBuffer, testing::ValuesIn(kCapacities));

struct CountCase {
    const char* name;
    long long count;
    const char* buffer;  // what the window wrote; the capacity is 8
    std::size_t kept;
};

class TextCount : public testing::TestWithParam<CountCase> {};

TEST_P(TextCount, KeepsOnlyWhatFitsTheBuffer) {
    char buffer[8] = {};
    std::memcpy(buffer, GetParam().buffer, std::strlen(GetParam().buffer));
    EXPECT_EQ(plra::TextCountToKeep(GetParam().count, buffer, sizeof buffer), GetParam().kept);
}

const CountCase kCounts[] = {
    {"Exact", 5, "Hello", 5},
    {"Zero", 0, "Hello", 0},
    {"FillsTheBuffer", 7, "1234567", 7},
    {"MinusOneMeansUpToTheNul", -1, "Hey", 3},
    {"MinusOneWithoutNulStopsAtTheLastByte", -1, "1234567", 7},
    {"BelowMinusOne", -2, "Hello", 0},
    {"HugeNegative", LLONG_MIN, "Hello", 0},
    {"BeyondTheBuffer", 8, "1234567", 0},
    {"FarBeyond", 0x7FFFFFFF, "Hello", 0},
    {"ShorterThanWritten", 2, "Hello", 2},
};
INSTANTIATE_TEST_SUITE_P(Answers, TextCount, testing::ValuesIn(kCounts),
                         [](const testing::TestParamInfo<CountCase>& answer) { return answer.param.name; });

TEST(TextCountEdge, AnEmptyBufferKeepsNothing) { EXPECT_EQ(plra::TextCountToKeep(-1, nullptr, 0), 0u); }

}  // namespace
