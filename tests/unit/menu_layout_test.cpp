// The popup menu's arithmetic: picture size, background pixel and anchor point.
#include "menu/menu_layout.h"

#include <gtest/gtest.h>

namespace {

struct SizeCase {
    int checkWidth, checkHeight;
    int width, height;
};

class MenuPicture : public testing::TestWithParam<SizeCase> {};

TEST_P(MenuPicture, IsTheCheckMarkAreaButAtLeastSixteenPixels) {
    const SizeCase& c = GetParam();
    SIZE size = plra::MenuPictureSize(c.checkWidth, c.checkHeight);
    EXPECT_EQ(size.cx, c.width);
    EXPECT_EQ(size.cy, c.height);
}

INSTANTIATE_TEST_SUITE_P(CheckMarks, MenuPicture,
                         testing::ValuesIn(std::vector<SizeCase>{
                             {13, 13, 16, 16}, {15, 16, 16, 16}, {16, 16, 16, 16}, {20, 20, 20, 20},
                             {17, 13, 17, 16}, {0, 0, 16, 16}, {-5, 40, 16, 40}}));

struct ColourCase {
    COLORREF color;
    std::uint32_t pixel;
};

class MenuBackground : public testing::TestWithParam<ColourCase> {};

TEST_P(MenuBackground, SwapsRedAndBlueAndAddsFullAlpha) {
    EXPECT_EQ(plra::MenuBackgroundPixel(GetParam().color), GetParam().pixel);
}

INSTANTIATE_TEST_SUITE_P(Colours, MenuBackground,
                         testing::ValuesIn(std::vector<ColourCase>{
                             {RGB(0xD4, 0xD0, 0xC8), 0xFFD4D0C8},
                             {RGB(0xFF, 0, 0), 0xFFFF0000},
                             {RGB(0, 0, 0xFF), 0xFF0000FF},
                             {RGB(0, 0, 0), 0xFF000000},
                             {0xFF000000 | RGB(1, 2, 3), 0xFF010203}}));  // flag byte ignored

struct AnchorCase {
    RECT button;
    POINT anchor;
};

class MenuAnchorPoint : public testing::TestWithParam<AnchorCase> {};

TEST_P(MenuAnchorPoint, IsTheButtonsCentreTruncatedTowardZero) {
    POINT p = plra::MenuAnchor(GetParam().button);
    EXPECT_EQ(p.x, GetParam().anchor.x);
    EXPECT_EQ(p.y, GetParam().anchor.y);
}

INSTANTIATE_TEST_SUITE_P(Buttons, MenuAnchorPoint,
                         testing::ValuesIn(std::vector<AnchorCase>{
                             {{100, 200, 175, 225}, {137, 212}},
                             {{0, 0, 1, 1}, {0, 0}},
                             {{-101, -50, -20, -21}, {-61, -36}},   // halves of odd sizes: 40, 14
                             {{-1280, 0, -1205, 25}, {-1243, 12}}}));  // a monitor on the left

}  // namespace
