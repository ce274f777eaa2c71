// The inverted frame on the screen, read back pixel by pixel: drawn on windows of another
// process (fixture_window.exe), never on Pellora's own dialog, erased to the exact former screen.
#include "support/dialog_fixture.h"
#include "support/fixture_layout.h"
#include "support/fixture_process.h"
#include "support/harness.h"

#include "inspector/frame.h"
#include "platform/scoped.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// The screen's pixels inside `area` (screen coordinates), as 0x00RRGGBB values.
std::vector<std::uint32_t> Grab(const RECT& area) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    plra::UniqueMemoryDc memory(CreateCompatibleDC(screen));
    plra::UniqueBitmap bitmap(CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    {
        plra::SelectedObject selected(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
        GdiFlush();
    }
    ReleaseDC(nullptr, screen);
    std::vector<std::uint32_t> pixels(static_cast<const std::uint32_t*>(bits),
                                      static_cast<const std::uint32_t*>(bits) + width * height);
    for (auto& pixel : pixels) pixel &= 0x00FFFFFF;
    return pixels;
}

// How many pixels of `after` are not what the frame `border` (screen coordinates) makes of
// `before`: inverted on the three-pixel border, untouched elsewhere in `area`.
int Mismatches(const RECT& area, const RECT& border, const std::vector<std::uint32_t>& before,
               const std::vector<std::uint32_t>& after) {
    int wrong = 0;
    const int width = area.right - area.left;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            bool inside = x >= border.left && x < border.right && y >= border.top && y < border.bottom;
            bool edge = inside && (x < border.left + 3 || x >= border.right - 3 || y < border.top + 3 ||
                                   y >= border.bottom - 3);
            std::uint32_t was = before[(y - area.top) * width + (x - area.left)];
            std::uint32_t want = edge ? (~was & 0x00FFFFFF) : was;
            wrong += after[(y - area.top) * width + (x - area.left)] != want;
        }
    return wrong;
}

class ScreenFrame : public testing::Test {
protected:
    static void SetUpTestSuite() { fixture = new test::FixtureProcess("660 60", test::kFixtureCaption); }
    static void TearDownTestSuite() {
        delete fixture;
        fixture = nullptr;
    }
    void SetUp() override { ASSERT_NE(fixture->window(), nullptr); }
    static HWND Fixture(int id) { return test::FindDescendant(fixture->window(), id); }
    static test::FixtureProcess* fixture;
};
test::FixtureProcess* ScreenFrame::fixture = nullptr;

TEST_F(ScreenFrame, GeometryOfATopLevelWindowIsItsClientArea) {
    plra::FrameGeometry geometry = plra::GetFrameGeometry(fixture->window());
    RECT client;
    GetClientRect(fixture->window(), &client);
    EXPECT_EQ(geometry.target, fixture->window());
    EXPECT_TRUE(EqualRect(&geometry.rect, &client));
}

TEST_F(ScreenFrame, GeometryOfANestedControlIsOnItsTopLevelAncestor) {
    HWND deep = Fixture(test::kDeepButtonId);
    plra::FrameGeometry geometry = plra::GetFrameGeometry(deep);
    RECT want;
    GetWindowRect(deep, &want);
    MapWindowPoints(nullptr, fixture->window(), reinterpret_cast<POINT*>(&want), 2);
    EXPECT_EQ(geometry.target, fixture->window());
    EXPECT_TRUE(EqualRect(&geometry.rect, &want));
}

TEST_F(ScreenFrame, ADestroyedWindowHasNoGeometry) {
    HWND gone = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    plra::FrameGeometry geometry = plra::GetFrameGeometry(gone);
    EXPECT_EQ(geometry.target, nullptr);
    EXPECT_TRUE(IsRectEmpty(&geometry.rect));
}

struct FramedCase {
    const char* name;
    int id;  // 0: the top-level window itself
};

class FramedOnScreen : public ScreenFrame, public testing::WithParamInterface<FramedCase> {};

TEST_P(FramedOnScreen, InvertsTheBorderOnceAndTheEraseRestoresEveryPixel) {
    HWND framed = GetParam().id ? Fixture(GetParam().id) : fixture->window();
    RECT area;
    GetWindowRect(fixture->window(), &area);
    RECT border;
    if (GetParam().id) {
        GetWindowRect(framed, &border);
    } else {
        GetClientRect(framed, &border);
        MapWindowPoints(framed, nullptr, reinterpret_cast<POINT*>(&border), 2);
    }
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) {
        test::PumpMessages();
        std::vector<std::uint32_t> before = Grab(area);
        dialog.DrawFrame(framed);
        EXPECT_EQ(dialog.framedWindow, framed);
        std::vector<std::uint32_t> drawn = Grab(area);
        EXPECT_EQ(Mismatches(area, border, before, drawn), 0);
        dialog.EraseFrame();
        EXPECT_EQ(dialog.framedWindow, nullptr);
        EXPECT_EQ(Grab(area), before);
    });
}

const FramedCase kFramed[] = {
    {"TopLevelWindow", 0},
    {"EditInGroupBox", test::kGroupEditId},
    {"ButtonTwoPanelsDeep", test::kDeepButtonId},
};
INSTANTIATE_TEST_SUITE_P(Windows, FramedOnScreen, testing::ValuesIn(kFramed),
                         [](const testing::TestParamInfo<FramedCase>& framed) { return framed.param.name; });

TEST_F(ScreenFrame, PelloraItselfIsNeverFramed) {
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) {
        RECT area;
        GetWindowRect(dialog.dialogWindow, &area);
        test::PumpMessages();
        std::vector<std::uint32_t> before = Grab(area);
        for (HWND own : {dialog.dialogWindow, dialog.menuButton, dialog.valueFields[3]}) {
            dialog.DrawFrame(own);
            EXPECT_EQ(dialog.framedWindow, nullptr);
        }
        dialog.DrawFrame(nullptr);
        EXPECT_EQ(dialog.framedWindow, nullptr);
        EXPECT_EQ(Grab(area), before);
    });
}

TEST_F(ScreenFrame, ADestroyedWindowIsErasedWithoutDrawing) {
    HWND top = test::CreatePlainTopLevel(60, 560, 200, 150);
    test::PumpMessages();
    RECT area{40, 540, 280, 730};
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) {
        dialog.DrawFrame(top);
        ASSERT_EQ(dialog.framedWindow, top);
        DestroyWindow(top);
        test::PumpMessages();
        std::vector<std::uint32_t> before = Grab(area);
        dialog.EraseFrame();
        EXPECT_EQ(dialog.framedWindow, nullptr);
        EXPECT_EQ(Grab(area), before);
    });
}

}  // namespace
