// Menu pictures made from real icons: the blend of each pixel through GDI, the bitmap's size,
// icons that cannot give a picture, and the release of every GDI object.
#include "menu/menu_bitmap.h"

#include "app/app_context.h"
#include "platform/scoped.h"
#include "support/dialog_fixture.h"
#include "support/handle_count.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

using Pixels = std::vector<std::uint32_t>;  // top-down rows

// A 32-bit icon whose colour pixels (0xAARRGGBB, top row first) are given.
plra::UniqueIcon MakeIcon(int width, int height, const std::function<std::uint32_t(int x, int y)>& pixel) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    plra::UniqueBitmap color(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!color) return {};
    auto* out = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) out[y * width + x] = pixel(x, y);
    plra::UniqueBitmap mask(CreateBitmap(width, height, 1, 1, nullptr));
    ICONINFO icon{TRUE, 0, 0, mask.get(), color.get()};
    return plra::UniqueIcon(CreateIconIndirect(&icon));
}

// The bitmap's pixels, top row first, and its size.
Pixels ReadBitmap(HBITMAP bitmap, int* width = nullptr, int* height = nullptr) {
    BITMAP size{};
    if (!GetObjectA(bitmap, sizeof size, &size)) return {};
    if (width) *width = size.bmWidth;
    if (height) *height = size.bmHeight;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.bmWidth;
    info.bmiHeader.biHeight = -size.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    Pixels pixels(static_cast<size_t>(size.bmWidth) * size.bmHeight);
    plra::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    if (GetDIBits(dc.get(), bitmap, 0, size.bmHeight, pixels.data(), &info, DIB_RGB_COLORS) != size.bmHeight)
        return {};
    return pixels;
}

struct PixelCase {
    const char* name;
    std::uint32_t background;
    std::uint32_t icon;
    std::uint32_t expected;
};

const PixelCase kPixelCases[] = {
    {"AlphaZeroGivesTheBackground", 0xFF000000, 0x00FF0000, 0xFF000000},
    {"AlphaFullGivesTheIconColour", 0xFF000000, 0xFFFF0000, 0xFFFF0000},
    {"HalfRedOverBlack", 0xFF000000, 0x80FF0000, 0xFF800000},
    {"QuarterBlueOverMenuGrey", 0xFFD4D0C8, 0x400000FF, 0xFF9F9CD6},
    {"OpaqueOverWhite", 0xFFFFFFFF, 0xFF102030, 0xFF102030},
};

class IconPixel : public testing::TestWithParam<PixelCase> {
protected:
    void SetUp() override { test::InitializeAppOnce(); }
};

TEST_P(IconPixel, IsBlendedOverTheBackgroundInTheResult) {
    const PixelCase& c = GetParam();
    // One opaque pixel keeps Windows from treating the icon as one without alpha.
    auto icon = MakeIcon(16, 16, [&](int x, int y) { return x == 15 && y == 15 ? 0xFF00FF00 : c.icon; });
    ASSERT_TRUE(icon);
    plra::UniqueBitmap bitmap(plra::IconToMenuBitmap(icon.get(), c.background));
    ASSERT_TRUE(bitmap);
    Pixels pixels = ReadBitmap(bitmap.get());
    ASSERT_EQ(pixels.size(), 256u);
    EXPECT_EQ(pixels[0], c.expected) << std::hex << pixels[0];
    EXPECT_EQ(pixels[255], 0xFF00FF00u);
}

INSTANTIATE_TEST_SUITE_P(Blends, IconPixel, testing::ValuesIn(kPixelCases),
                         [](const testing::TestParamInfo<PixelCase>& param) { return std::string(param.param.name); });

TEST(IconToMenuBitmap, KeepsThePictureUprightPixelForPixel) {
    test::InitializeAppOnce();
    auto colour = [](int x, int y) { return 0xFF000000u | static_cast<std::uint32_t>(y * 16 + x); };
    auto icon = MakeIcon(16, 16, colour);
    plra::UniqueBitmap bitmap(plra::IconToMenuBitmap(icon.get(), 0xFFFFFFFF));
    Pixels pixels = ReadBitmap(bitmap.get());
    ASSERT_EQ(pixels.size(), 256u);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) ASSERT_EQ(pixels[y * 16 + x], colour(x, y)) << x << "," << y;
}

TEST(IconToMenuBitmap, AnIconWithoutAnyAlphaShowsOnlyTheBackground) {
    test::InitializeAppOnce();
    auto icon = MakeIcon(16, 16, [](int, int) { return 0x00FF0000u; });
    plra::UniqueBitmap bitmap(plra::IconToMenuBitmap(icon.get(), 0xFFD4D0C8));
    Pixels pixels = ReadBitmap(bitmap.get());
    ASSERT_EQ(pixels.size(), 256u);
    for (std::uint32_t pixel : pixels) ASSERT_EQ(pixel, 0xFFD4D0C8u);
}

TEST(IconToMenuBitmap, AMonochromeIconGivesNoBitmap) {
    // A monochrome icon is one bitmap: the AND mask above the XOR mask, and no colour bitmap.
    plra::UniqueBitmap mask(CreateBitmap(16, 32, 1, 1, nullptr));
    ICONINFO info{TRUE, 0, 0, mask.get(), nullptr};
    plra::UniqueIcon icon(CreateIconIndirect(&info));
    ASSERT_TRUE(icon);
    ICONINFO check{};
    ASSERT_TRUE(GetIconInfo(icon.get(), &check));
    plra::UniqueBitmap checkMask(check.hbmMask), checkColor(check.hbmColor);
    ASSERT_EQ(check.hbmColor, nullptr);
    EXPECT_EQ(plra::IconToMenuBitmap(icon.get(), 0xFF000000), nullptr);
}

TEST(IconToMenuBitmap, ANullIconGivesNoBitmap) { EXPECT_EQ(plra::IconToMenuBitmap(nullptr, 0xFF000000), nullptr); }

class MenuIconSize : public testing::TestWithParam<int> {};

TEST_P(MenuIconSize, TheBitmapHasTheIconsColourBitmapSize) {
    test::InitializeAppOnce();
    const int asked = GetParam();
    for (int id : {135, 146, 176, 177}) {
        plra::UniqueIcon icon(static_cast<HICON>(
            LoadImageA(plra::App().instance, MAKEINTRESOURCEA(id), IMAGE_ICON, asked, asked, LR_DEFAULTCOLOR)));
        ASSERT_TRUE(icon) << id;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon.get(), &info));
        plra::UniqueBitmap color(info.hbmColor), mask(info.hbmMask);
        BITMAP iconSize{};
        ASSERT_TRUE(GetObjectA(color.get(), sizeof iconSize, &iconSize));

        plra::UniqueBitmap bitmap(plra::IconToMenuBitmap(icon.get(), 0xFFD4D0C8));
        ASSERT_TRUE(bitmap) << id;
        BITMAP made{};
        ASSERT_TRUE(GetObjectA(bitmap.get(), sizeof made, &made));
        EXPECT_EQ(made.bmWidth, iconSize.bmWidth) << id;
        EXPECT_EQ(made.bmHeight, iconSize.bmHeight) << id;
        EXPECT_EQ(made.bmBitsPixel, 32) << id;
        // The picture shows: not every pixel is the background.
        Pixels pixels = ReadBitmap(bitmap.get());
        EXPECT_NE(std::count(pixels.begin(), pixels.end(), 0xFFD4D0C8u), static_cast<long>(pixels.size())) << id;
    }
}

INSTANTIATE_TEST_SUITE_P(AskedSizes, MenuIconSize, testing::Values(16, 20, 24, 32, 48));

TEST(IconToMenuBitmap, LeavesNoGdiObjectBehindAfterAThousandConversions) {
    test::InitializeAppOnce();
    plra::UniqueIcon icon(static_cast<HICON>(
        LoadImageA(plra::App().instance, MAKEINTRESOURCEA(146), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR)));
    plra::UniqueBitmap monoMask(CreateBitmap(16, 32, 1, 1, nullptr));
    ICONINFO monoInfo{TRUE, 0, 0, monoMask.get(), nullptr};
    plra::UniqueIcon mono(CreateIconIndirect(&monoInfo));
    ASSERT_TRUE(icon);
    ASSERT_TRUE(mono);
    // Warm-up: GDI creates some of its own objects lazily on first use.
    DeleteObject(plra::IconToMenuBitmap(icon.get(), 0xFFD4D0C8));
    const int before = test::CountGdiObjects();
    ASSERT_GT(before, 0);
    for (int i = 0; i < 1000; ++i) {
        HBITMAP bitmap = plra::IconToMenuBitmap(icon.get(), 0xFFD4D0C8);
        ASSERT_NE(bitmap, nullptr);
        DeleteObject(bitmap);
        ASSERT_EQ(plra::IconToMenuBitmap(mono.get(), 0xFFD4D0C8), nullptr);
    }
    EXPECT_EQ(test::CountGdiObjects(), before);
}

TEST(HandleCounting, SeesOneMoreBitmapWhileItLives) {
    const int before = test::CountGdiObjects();
    plra::UniqueBitmap bitmap(CreateBitmap(4, 4, 1, 32, nullptr));
    EXPECT_EQ(test::CountGdiObjects(), before + 1);
    bitmap.reset();
    EXPECT_EQ(test::CountGdiObjects(), before);
}

TEST(HandleCounting, SeesOneMoreMenuAndIconWhileTheyLive) {
    test::InitializeAppOnce();
    const int menus = test::CountMenus(), icons = test::CountIcons();
    plra::UniqueMenu menu(CreatePopupMenu());
    plra::UniqueIcon icon(static_cast<HICON>(
        LoadImageA(plra::App().instance, MAKEINTRESOURCEA(146), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR)));
    EXPECT_EQ(test::CountMenus(), menus + 1);
    EXPECT_EQ(test::CountIcons(), icons + 1);
    menu.reset();
    icon.reset();
    EXPECT_EQ(test::CountMenus(), menus);
    EXPECT_EQ(test::CountIcons(), icons);
}

}  // namespace
