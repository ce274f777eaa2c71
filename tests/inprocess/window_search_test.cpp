// The window search over real windows made by the test: which window a point finds.
#include "inspector/window_search.h"
#include "bench/baseline_search.h"
#include "support/fixture_layout.h"
#include "support/harness.h"

#include <gtest/gtest.h>

namespace {

constexpr int kLeft = 560, kTop = 120;
constexpr int kTopLevel = 0;  // stands for the top-level window itself

struct PointCase {
    const char* name;
    POINT client;  // in the top-level window's client coordinates
    int expected;  // control id, or kTopLevel
};

class FixtureSearch : public testing::TestWithParam<PointCase> {
protected:
    static void SetUpTestSuite() {
        windows = test::CreateFixtureWindows(kLeft, kTop);
        SetWindowPos(windows.top, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        test::PumpMessages();
    }
    static void TearDownTestSuite() { test::DestroyFixtureWindows(windows); }
    static POINT Screen(POINT client) {
        ClientToScreen(windows.top, &client);
        return client;
    }
    static test::FixtureWindows windows;
};
test::FixtureWindows FixtureSearch::windows;

TEST_P(FixtureSearch, FindsTheInnermostVisibleWindow) {
    const PointCase& c = GetParam();
    POINT at = Screen(c.client);
    HWND expected = c.expected == kTopLevel ? windows.top : test::FindDescendant(windows.top, c.expected);
    ASSERT_NE(expected, nullptr);
    EXPECT_EQ(plra::FindWindowAtPoint(at.x, at.y), expected);
    EXPECT_EQ(bench::FindWindowAtPointBaseline(at.x, at.y), expected);
}

const PointCase kPoints[] = {
    {"EditInsideGroupBox", {50, 50}, test::kGroupEditId},
    {"EmptyInsideOfGroupBox", {20, 100}, test::kGroupBoxId},
    {"GroupBoxFrameLine", {11, 11}, test::kGroupBoxId},
    {"CheckBoxAlone", {20, 150}, test::kCheckBoxId},
    {"CheckBoxUnderLaterStatic", {100, 150}, test::kOverCheckId},
    {"PushButtonBeforeOverlappingStatic", {100, 195}, test::kPushButtonId},
    {"DisabledControl", {20, 240}, test::kDisabledId},
    {"HiddenControlPassedOver", {300, 20}, test::kUnderHiddenId},
    {"ControlInChildPanel", {280, 85}, test::kInnerStaticId},
    {"ButtonTwoPanelsDeep", {301, 141}, test::kDeepButtonId},
    {"EmptyAreaOfPanel", {420, 90}, test::kPanelId},
    {"EmptyAreaOfInnerPanel", {420, 200}, test::kInnerPanelId},
    {"IdentifierMinusOne", {20, 280}, test::kMinusOneId},
    {"NothingUnderThePoint", {450, 340}, kTopLevel},
    {"TopLeftClientPixel", {0, 0}, kTopLevel},
};
INSTANTIATE_TEST_SUITE_P(Points, FixtureSearch, testing::ValuesIn(kPoints),
                         [](const testing::TestParamInfo<PointCase>& point) { return point.param.name; });

// A button of each type over a static text reported after it: the button types with any of the
// three low style bits set let the search go on to the static text.
class ButtonKind : public testing::TestWithParam<int> {};

TEST_P(ButtonKind, OnlyPlainAndUserButtonsEndThePass) {
    const DWORD type = static_cast<DWORD>(GetParam());
    HWND top = test::CreatePlainTopLevel(40, 600, 200, 100);
    HWND button = CreateWindowExA(0, "BUTTON", "b", WS_CHILD | WS_VISIBLE | type, 10, 10, 100, 40, top, nullptr,
                                  nullptr, nullptr);
    HWND below = CreateWindowExA(0, "Static", "s", WS_CHILD | WS_VISIBLE, 10, 10, 100, 40, top, nullptr, nullptr,
                                 nullptr);
    test::PumpMessages();
    HWND found = plra::FindWindowAtPoint(40 + 50, 600 + 30);
    EXPECT_EQ(found, (type & 7) ? below : button) << "button type " << type;
    DestroyWindow(top);
}
INSTANTIATE_TEST_SUITE_P(Types, ButtonKind, testing::Range(0, 16));

TEST(ButtonClassName, IsComparedWithoutRegardToCase) {
    EXPECT_TRUE(plra::IsSeeThroughButton("button", BS_GROUPBOX));
    EXPECT_TRUE(plra::IsSeeThroughButton("BUTTON", BS_CHECKBOX));
    EXPECT_FALSE(plra::IsSeeThroughButton("Button", BS_PUSHBUTTON));
    EXPECT_FALSE(plra::IsSeeThroughButton("Buttons", BS_GROUPBOX));
    EXPECT_FALSE(plra::IsSeeThroughButton("Static", 7));
}

TEST(MatchChild, ADestroyedDescendantHoldsNoPoint) {
    HWND gone = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    plra::ChildSearch search{POINT{5, 5}, GetDesktopWindow(), RECT{0, 0, 100, 100}, nullptr};
    EXPECT_EQ(plra::MatchChildWindow(gone, reinterpret_cast<LPARAM>(&search)), TRUE);
    EXPECT_EQ(search.found, nullptr);
}

TEST(MatchChild, ClipsOnlyToTheSearchedWindowsClientArea) {
    // A child sticking out of its panel still holds points inside the top-level client area.
    HWND top = test::CreatePlainTopLevel(300, 600, 300, 200);
    HWND panel = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100, top, nullptr, nullptr, nullptr);
    HWND wide = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE, 50, 10, 200, 30, panel, nullptr, nullptr, nullptr);
    test::PumpMessages();
    // (450, 620) is right of the panel, inside the wide edit's rectangle; the first pass (over
    // the top-level window, whose descendants include the edit) finds the edit directly.
    EXPECT_EQ(plra::FindWindowAtPoint(300 + 150, 600 + 20), wide);
    // Outside the top-level client area nothing of it is found.
    EXPECT_EQ(plra::FindWindowAtPoint(300 + 5, 600 + 150), top);
    DestroyWindow(top);
}

TEST(MirroredWindow, FindsWhatTheStraightforwardSearchFinds) {
    HWND top = test::CreatePlainTopLevel(700, 600, 200, 120, WS_EX_LAYOUTRTL);
    CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE, 10, 10, 80, 30, top, nullptr, nullptr, nullptr);
    HWND panel = CreateWindowExA(WS_EX_LAYOUTRTL, "Static", "", WS_CHILD | WS_VISIBLE, 100, 40, 90, 70, top, nullptr,
                                 nullptr, nullptr);
    CreateWindowExA(0, "Button", "x", WS_CHILD | WS_VISIBLE, 5, 5, 40, 20, panel, nullptr, nullptr, nullptr);
    test::PumpMessages();
    int foundTop = 0;
    for (int y = 600; y < 720; y += 3)
        for (int x = 700; x < 900; x += 3) {
            HWND found = plra::FindWindowAtPoint(x, y);
            ASSERT_EQ(found, bench::FindWindowAtPointBaseline(x, y)) << x << ", " << y;
            foundTop += found == top;
        }
    EXPECT_GT(foundTop, 0);
    DestroyWindow(top);
}

}  // namespace
