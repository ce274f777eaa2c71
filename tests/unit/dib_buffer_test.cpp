// Pixel buffers and the integer blending of icon pixels over the menu colour.
#include "menu/dib_buffer.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using plra::BlendPixel;
using plra::DibBuffer;

struct BlendCase {
    const char* name;
    std::uint32_t background;
    std::uint32_t icon;
    std::uint32_t expected;
};

const BlendCase kBlendCases[] = {
    // Transparent icon pixels give exactly the background, opaque ones exactly the icon.
    {"AlphaZeroKeepsBackground", 0xFFD4D0C8, 0x00FF00FF, 0xFFD4D0C8},
    {"AlphaFullKeepsIconColour", 0xFFD4D0C8, 0xFF123456, 0xFF123456},
    // 128 over black with red 255: red (0*127 + 255*128 + 127)/255 = 128, alpha 128 + 127.
    {"HalfRedOverBlack", 0xFF000000, 0x80FF0000, 0xFF800000},
    {"HalfWhiteOverBlack", 0xFF000000, 0x80FFFFFF, 0xFF808080},
    {"HalfBlackOverWhite", 0xFFFFFFFF, 0x80000000, 0xFF7F7F7F},
    // 1/255 of the icon: (200*254 + 0 + 127)/255 = 199.7 -> 199.
    {"AlphaOneNudgesTheBackground", 0xFFC8C8C8, 0x01000000, 0xFFC7C7C7},
    // (10*1 + 250*254 + 127)/255 = 249.6 -> 249; blue (240*1 + 0 + 127)/255 = 1.
    {"AlphaTwoFiftyFourAlmostOpaque", 0xFF0A00F0, 0xFEFA0000, 0xFFF90001},
    // Channels blend separately; blue (224*192 + 32*63 + 127)/255 = 177, green 96, red 79.
    {"ChannelsAreIndependent", 0xFF2040E0, 0x3FE0C020, 0xFF4F60B1},
    // A background that is not opaque keeps part of its own transparency.
    {"TransparentBackgroundTakesTheIconsAlpha", 0x00000000, 0x80FF0000, 0x80800000},
};

class Blend : public testing::TestWithParam<BlendCase> {};

TEST_P(Blend, RoundsEachChannelToNearest) {
    const BlendCase& c = GetParam();
    EXPECT_EQ(BlendPixel(c.background, c.icon), c.expected) << std::hex << BlendPixel(c.background, c.icon);
}

INSTANTIATE_TEST_SUITE_P(Pixels, Blend, testing::ValuesIn(kBlendCases),
                         [](const testing::TestParamInfo<BlendCase>& param) { return std::string(param.param.name); });

TEST(Blend, EveryAlphaOverAnOpaqueBackgroundStaysOpaqueAndBetweenTheTwoColours) {
    for (std::uint32_t alpha = 0; alpha < 256; ++alpha) {
        std::uint32_t result = BlendPixel(0xFF204060, alpha << 24 | 0xE0C0A0);
        ASSERT_EQ(result >> 24, 0xFFu) << alpha;
        for (int shift : {0, 8, 16}) {
            std::uint32_t low = (0xFF204060 >> shift) & 0xFF, high = (0xE0C0A0 >> shift) & 0xFF;
            std::uint32_t got = (result >> shift) & 0xFF;
            ASSERT_GE(got, std::min(low, high)) << alpha;
            ASSERT_LE(got, std::max(low, high)) << alpha;
        }
    }
}

TEST(DibBufferHeader, StartsAsAnEmptyBottomUp32BitDescription) {
    DibBuffer buffer;
    const BITMAPINFOHEADER& h = buffer.header.bmiHeader;
    EXPECT_EQ(h.biSize, 40u);
    EXPECT_EQ(h.biWidth, 0);
    EXPECT_EQ(h.biHeight, 0);
    EXPECT_EQ(h.biPlanes, 1);
    EXPECT_EQ(h.biBitCount, 32);
    EXPECT_EQ(h.biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_EQ(h.biSizeImage, 0u);
    EXPECT_EQ(h.biXPelsPerMeter, 2952);
    EXPECT_EQ(h.biYPelsPerMeter, 2952);
    EXPECT_EQ(h.biClrUsed, 0u);
    EXPECT_EQ(h.biClrImportant, 0u);
    EXPECT_EQ(buffer.pixels, nullptr);
    EXPECT_EQ(buffer.byteSize, 0u);
}

TEST(DibBufferResize, RowsAreStoredBottomUpWithoutPadding) {
    DibBuffer buffer;
    ASSERT_TRUE(buffer.Resize(3, 2, true, 0x11111111));
    EXPECT_EQ(buffer.byteSize, 24u);
    buffer.At(2, 0) = 0xAABBCCDD;  // top row, last column
    EXPECT_EQ(buffer.pixels[(2 - 1 - 0) * 3 + 2], 0xAABBCCDDu);
    EXPECT_EQ(buffer.pixels[0], 0x11111111u);  // the bottom row comes first in memory
}

TEST(DibBufferResize, ABlockOfTheSameSizeIsReusedForAnotherShape) {
    DibBuffer buffer;
    ASSERT_TRUE(buffer.Resize(4, 2, false, 0));
    std::uint32_t* block = buffer.pixels;
    ASSERT_TRUE(buffer.Resize(2, 4, true, 7));
    EXPECT_EQ(buffer.pixels, block);
    EXPECT_EQ(buffer.width(), 2);
    EXPECT_EQ(buffer.height(), 4);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(buffer.pixels[i], 7u);
    ASSERT_TRUE(buffer.Resize(5, 5, false, 0));
    EXPECT_EQ(buffer.byteSize, 100u);
}

struct EmptySize {
    int width;
    int height;
};

class DibBufferEmptyResize : public testing::TestWithParam<EmptySize> {};

TEST_P(DibBufferEmptyResize, FreesTheBlockAndSucceeds) {
    DibBuffer buffer;
    ASSERT_TRUE(buffer.Resize(8, 8, true, 1));
    EXPECT_TRUE(buffer.Resize(GetParam().width, GetParam().height, true, 1));
    EXPECT_EQ(buffer.pixels, nullptr);
    EXPECT_EQ(buffer.byteSize, 0u);
    EXPECT_EQ(buffer.width(), 0);
    EXPECT_EQ(buffer.height(), 0);
}

INSTANTIATE_TEST_SUITE_P(Sizes, DibBufferEmptyResize,
                         testing::ValuesIn(std::vector<EmptySize>{{0, 5}, {5, 0}, {-1, 5}, {5, -3}, {0, 0}}));

TEST(DibBufferResize, ASizeBeyondThirtyTwoBitsIsRefusedRatherThanWrapped) {
    DibBuffer buffer;
    // 65536 x 16384 x 4 = 2^32 bytes would wrap to an empty block.
    EXPECT_FALSE(buffer.Resize(65536, 16384, true, 0));
    EXPECT_EQ(buffer.pixels, nullptr);
}

struct AttachCase {
    const char* name;
    bool block;
    std::uint32_t bytes;
    int width;
    int height;
    bool accepted;
};

const AttachCase kAttachCases[] = {
    {"BlockWithSize", true, 16, 2, 2, true},
    {"NothingAtAll", false, 0, 0, 0, true},
    {"BlockWithoutBytes", true, 0, 2, 2, false},
    {"BlockWithoutWidth", true, 16, 0, 2, false},
    {"BlockWithNegativeHeight", true, 16, 2, -2, false},
    {"NoBlockButBytes", false, 16, 0, 0, false},
    {"NoBlockButWidth", false, 0, 2, 0, false},
};

class DibBufferAttach : public testing::TestWithParam<AttachCase> {};

TEST_P(DibBufferAttach, AcceptsOnlyAConsistentDescription) {
    const AttachCase& c = GetParam();
    DibBuffer buffer;
    auto* block = c.block ? static_cast<std::uint32_t*>(std::malloc(16)) : nullptr;
    bool accepted = buffer.Attach(block, c.bytes, c.width, c.height);
    EXPECT_EQ(accepted, c.accepted);
    if (accepted) {
        EXPECT_EQ(buffer.pixels, block);
        EXPECT_EQ(buffer.byteSize, c.bytes);
        EXPECT_EQ(buffer.width(), c.width);
        EXPECT_EQ(buffer.height(), c.height);
    } else {
        EXPECT_EQ(buffer.pixels, nullptr);
        EXPECT_EQ(buffer.width(), 0);
        std::free(block);
    }
}

INSTANTIATE_TEST_SUITE_P(Descriptions, DibBufferAttach, testing::ValuesIn(kAttachCases),
                         [](const testing::TestParamInfo<AttachCase>& param) { return std::string(param.param.name); });

TEST(DibBufferAttach, IsRefusedWhileABlockIsHeld) {
    DibBuffer buffer;
    ASSERT_TRUE(buffer.Resize(2, 2, false, 0));
    std::uint32_t* held = buffer.pixels;
    auto* other = static_cast<std::uint32_t*>(std::malloc(16));
    EXPECT_FALSE(buffer.Attach(other, 16, 2, 2));
    EXPECT_EQ(buffer.pixels, held);
    std::free(other);
}

TEST(DibBufferFill, FillRectCountsRowsFromTheTopAndEndsAreExclusive) {
    DibBuffer buffer;
    ASSERT_TRUE(buffer.Resize(4, 3, true, 0));
    buffer.FillRect(9, 1, 0, 3, 2);
    const std::uint32_t expected[3][4] = {{0, 9, 9, 0}, {0, 9, 9, 0}, {0, 0, 0, 0}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(buffer.At(x, y), expected[y][x]) << x << "," << y;
    buffer.FillRect(5, 3, 0, 1, 3);  // end before start: nothing
    EXPECT_EQ(buffer.At(2, 2), 0u);
}

TEST(DibBufferFill, FillOnAnEmptyBufferDoesNothingAndClearEmptiesIt) {
    DibBuffer buffer;
    buffer.Fill(1);
    EXPECT_EQ(buffer.pixels, nullptr);
    ASSERT_TRUE(buffer.Resize(2, 2, true, 3));
    buffer.Clear();
    EXPECT_EQ(buffer.pixels, nullptr);
    EXPECT_EQ(buffer.byteSize, 0u);
    EXPECT_EQ(buffer.width(), 0);
    EXPECT_EQ(buffer.height(), 0);
}

TEST(CompositeOver, BlendsEveryPixelAtTheSamePlace) {
    DibBuffer background, icon;
    ASSERT_TRUE(background.Resize(3, 2, true, 0xFF000000));
    ASSERT_TRUE(icon.Resize(3, 2, true, 0x00FFFFFF));
    icon.At(0, 0) = 0xFF0000FF;  // top left opaque blue
    icon.At(2, 1) = 0x80FF0000;  // bottom right half red
    plra::CompositeOver(2, 3, background, icon);
    EXPECT_EQ(background.At(0, 0), 0xFF0000FFu);
    EXPECT_EQ(background.At(2, 1), 0xFF800000u);
    EXPECT_EQ(background.At(1, 0), 0xFF000000u);
    EXPECT_EQ(background.At(1, 1), 0xFF000000u);
}

TEST(CompositeOver, BuffersOfDifferentHeightsAreAlignedAtTheirTopLeftCorners) {
    DibBuffer background, icon;
    ASSERT_TRUE(background.Resize(2, 3, true, 0xFF000000));
    ASSERT_TRUE(icon.Resize(2, 2, true, 0xFFFFFFFF));
    plra::CompositeOver(2, 2, background, icon);
    EXPECT_EQ(background.At(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(background.At(1, 1), 0xFFFFFFFFu);
    EXPECT_EQ(background.At(0, 2), 0xFF000000u);  // the bottom row lies outside the icon
}

}  // namespace
