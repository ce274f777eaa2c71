// The inverted frame's strokes: every pixel of the three-pixel border inverted exactly once and
// nothing else, checked on the stroke list and on a real memory bitmap.
#include "inspector/frame.h"
#include "inspector/frame_strokes.h"
#include "platform/scoped.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kCanvas = 160;

struct Size {
    int width;
    int height;
};

std::vector<Size> AllSizes() {
    std::vector<Size> sizes;
    for (int width = 0; width <= 8; ++width)
        for (int height = 0; height <= 8; ++height) sizes.push_back({width, height});
    sizes.push_back({100, 5});
    sizes.push_back({4, 100});
    sizes.push_back({140, 120});
    sizes.push_back({-3, 10});  // turned inside out: empty
    sizes.push_back({10, -3});
    return sizes;
}

bool OnBorder(const RECT& r, int x, int y) {
    if (x < r.left || x >= r.right || y < r.top || y >= r.bottom) return false;
    return x < r.left + 3 || x >= r.right - 3 || y < r.top + 3 || y >= r.bottom - 3;
}

class FrameBorder : public testing::TestWithParam<Size> {
protected:
    RECT Rect() const { return RECT{7, 5, 7 + GetParam().width, 5 + GetParam().height}; }
};

TEST_P(FrameBorder, StrokesCoverEachBorderPixelOnce) {
    const RECT r = Rect();
    std::vector<int> hits(kCanvas * kCanvas, 0);
    std::vector<plra::FrameStroke> strokes = plra::FrameStrokes(r);
    EXPECT_LE(strokes.size(), 12u);
    for (const plra::FrameStroke& s : strokes) {
        ASSERT_TRUE(s.from.x == s.to.x || s.from.y == s.to.y);
        // LineTo leaves out the end point.
        if (s.from.y == s.to.y)
            for (LONG x = s.from.x; x < s.to.x; ++x) ++hits[s.from.y * kCanvas + x];
        else
            for (LONG y = s.from.y; y < s.to.y; ++y) ++hits[y * kCanvas + s.from.x];
    }
    for (int y = 0; y < kCanvas; ++y)
        for (int x = 0; x < kCanvas; ++x)
            ASSERT_EQ(hits[y * kCanvas + x], OnBorder(r, x, y) ? 1 : 0) << "at " << x << ", " << y;
}

TEST_P(FrameBorder, InvertingABitmapTouchesTheBorderOnlyAndRestoresTheDc) {
    const RECT r = Rect();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kCanvas;
    info.bmiHeader.biHeight = -kCanvas;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    plra::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    plra::UniqueBitmap bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    ASSERT_TRUE(bitmap);
    plra::SelectedObject selected(dc.get(), bitmap.get());
    auto* pixels = static_cast<std::uint32_t*>(bits);
    // A pattern, so that a pixel inverted twice (and so unchanged) is told from a right one.
    for (int i = 0; i < kCanvas * kCanvas; ++i) pixels[i] = (i * 2654435761u) & 0x00FFFFFF;
    std::vector<std::uint32_t> before(pixels, pixels + kCanvas * kCanvas);

    HGDIOBJ penBefore = GetCurrentObject(dc.get(), OBJ_PEN);
    MoveToEx(dc.get(), 31, 17, nullptr);
    SetROP2(dc.get(), R2_XORPEN);
    plra::InvertFrame(dc.get(), r);
    GdiFlush();

    for (int y = 0; y < kCanvas; ++y)
        for (int x = 0; x < kCanvas; ++x) {
            std::uint32_t was = before[y * kCanvas + x];
            std::uint32_t want = OnBorder(r, x, y) ? (~was & 0x00FFFFFF) : was;
            ASSERT_EQ(pixels[y * kCanvas + x] & 0x00FFFFFF, want) << "at " << x << ", " << y;
        }
    POINT position{};
    GetCurrentPositionEx(dc.get(), &position);
    EXPECT_EQ(position.x, 31);
    EXPECT_EQ(position.y, 17);
    EXPECT_EQ(GetROP2(dc.get()), R2_XORPEN);
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PEN), penBefore);

    plra::InvertFrame(dc.get(), r);  // drawn twice: as before
    GdiFlush();
    for (int i = 0; i < kCanvas * kCanvas; ++i) ASSERT_EQ(pixels[i] & 0x00FFFFFF, before[i]);
}

INSTANTIATE_TEST_SUITE_P(Sizes, FrameBorder, testing::ValuesIn(AllSizes()),
                         [](const testing::TestParamInfo<Size>& size) {
                             char name[32];
                             std::snprintf(name, sizeof name, "W%s%dH%s%d", size.param.width < 0 ? "m" : "",
                                           std::abs(size.param.width), size.param.height < 0 ? "m" : "",
                                           std::abs(size.param.height));
                             return std::string(name);
                         });

TEST(FrameStrokeOrder, RowsAlternateFromTheOuterEdgesThenColumns) {
    std::vector<plra::FrameStroke> s = plra::FrameStrokes(RECT{10, 20, 30, 60});  // 20 x 40
    ASSERT_EQ(s.size(), 12u);
    const LONG rows[6] = {20, 59, 21, 58, 22, 57};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(s[i].from.x, 10);
        EXPECT_EQ(s[i].to.x, 30);
        EXPECT_EQ(s[i].from.y, rows[i]);
    }
    const LONG columns[6] = {10, 29, 11, 28, 12, 27};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(s[6 + i].from.x, columns[i]);
        EXPECT_EQ(s[6 + i].from.y, 23);
        EXPECT_EQ(s[6 + i].to.y, 57);
    }
}

struct StyleCase {
    DWORD style;
    bool child;
};
class ChildStyle : public testing::TestWithParam<StyleCase> {};
TEST_P(ChildStyle, NeedsTheChildBitWithoutThePopUpBit) {
    EXPECT_EQ(plra::IsChildStyle(static_cast<LONG>(GetParam().style)), GetParam().child);
}
const StyleCase kStyles[] = {
    {WS_CHILD, true}, {WS_CHILD | WS_VISIBLE | WS_BORDER, true}, {WS_POPUP, false},
    {WS_CHILD | WS_POPUP, false}, {0, false}, {WS_OVERLAPPEDWINDOW, false},
};
INSTANTIATE_TEST_SUITE_P(Styles, ChildStyle, testing::ValuesIn(kStyles));

}  // namespace
