// The drag as a user starts and ends it on the running program: where a press starts it, what
// it disables, Escape. (Dragging over other programs' windows is tested on the real dialog in
// the test process, tests/inprocess/drag_pick_test.cpp: under this Wine, mouse moves and the
// release injected by another process do not reach Pellora's captured dialog at their place,
// while a physical mouse's do.)
#include "support/harness.h"

#include "resources/resource_ids.h"

#include <gtest/gtest.h>


namespace {

HWND FocusOf(HWND dialog) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info);
    return info.hwndFocus;
}

// The icon's rectangle as the dialog took it at start-up: the template's 20 x 20 dialog units at
// (216, 6). (The control itself grows to its 32-pixel icon afterwards.) The dialog's base units
// follow from its client size, 276 x 199 units.
RECT TargetRectOnScreen(HWND dialog) {
    RECT client;
    GetClientRect(dialog, &client);
    const int baseX = client.right / 69;  // 276 units = 69 base units of 4
    int baseY = 1;
    while (baseY < 200 && MulDiv(199, baseY, 8) != client.bottom) ++baseY;
    // Position and size are converted separately, as the dialog manager does.
    RECT r{MulDiv(216, baseX, 4), MulDiv(6, baseY, 8), 0, 0};
    r.right = r.left + MulDiv(20, baseX, 4);
    r.bottom = r.top + MulDiv(20, baseY, 8);
    MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class DragPick : public testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Ostrel");
        ASSERT_TRUE(pellora.WaitForDialog());
        dialog = pellora.dialog();
        ASSERT_TRUE(test::ActivateWindow(dialog));

        ASSERT_TRUE(test::WaitUntil([&] { return FocusOf(dialog) == pellora.Control(PLRA_ID_MENU); }));
        icon = TargetRectOnScreen(dialog);
    }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Ostrel"); }

    void PressOnIcon(int dx = 0, int dy = 0) {
        test::MoveMouseTo(icon.left + dx, icon.top + dy);
        POINT at;
        GetCursorPos(&at);
        ASSERT_EQ(at.x, icon.left + dx);
        ASSERT_EQ(at.y, icon.top + dy);
        test::MouseButton(true);
    }
    bool Dragging() const { return !pellora.IsEnabled(PLRA_ID_KEEP_ON_TOP); }
    bool PanelEmpty() {
        return test::WaitUntil([&] {
            for (int id = PLRA_ID_TITLE; id <= PLRA_ID_RECTANGLE; ++id)
                if (!pellora.Text(id).empty()) return false;
            return true;
        }, std::chrono::seconds(5));
    }
    void ExpectRestingControls(bool rootOption) {
        EXPECT_TRUE(pellora.IsEnabled(PLRA_ID_MENU));
        EXPECT_TRUE(pellora.IsEnabled(PLRA_ID_KEEP_ON_TOP));
        EXPECT_TRUE(pellora.IsEnabled(PLRA_ID_FIND_ROOT));
        EXPECT_EQ(pellora.IsEnabled(PLRA_ID_DRAW_FRAME), !rootOption);
        EXPECT_EQ(FocusOf(dialog), pellora.Control(PLRA_ID_MENU));
    }

    test::PelloraProcess pellora;
    HWND dialog = nullptr;
    RECT icon{};
};

TEST_F(DragPick, EscapeCancelsTheDrag) {
    PressOnIcon();
    ASSERT_TRUE(test::WaitUntil([&] { return Dragging(); }));
    for (int id : {PLRA_ID_MENU, PLRA_ID_KEEP_ON_TOP, PLRA_ID_FIND_ROOT, PLRA_ID_DRAW_FRAME, PLRA_ID_SELECTED_ON_TOP,
                   PLRA_ID_COPY})
        EXPECT_FALSE(pellora.IsEnabled(id)) << id;
    EXPECT_TRUE(pellora.IsEnabled(PLRA_ID_TARGET));
    test::PressKey(VK_ESCAPE);
    ASSERT_TRUE(test::WaitUntil([&] { return !Dragging(); }));
    EXPECT_TRUE(PanelEmpty());
    ExpectRestingControls(true);
    test::MouseButton(false);  // the release after the cancel picks nothing
    Sleep(200);
    EXPECT_TRUE(PanelEmpty());
    EXPECT_FALSE(Dragging());
}

struct PressCase {
    const char* name;
    bool right;   // one pixel right of the icon's rectangle
    bool below;   // one pixel below it
    bool starts;
};

class IconPress : public DragPick, public testing::WithParamInterface<PressCase> {};

TEST_P(IconPress, OnlyPressesInsideTheIconStartADrag) {
    const PressCase& c = GetParam();
    PressOnIcon(c.right ? icon.right - icon.left : 0, c.below ? icon.bottom - icon.top : 0);
    if (c.starts) {
        EXPECT_TRUE(test::WaitUntil([&] { return Dragging(); }));
    } else {
        Sleep(300);
        EXPECT_FALSE(Dragging());
    }
    test::MouseButton(false);
    ASSERT_TRUE(test::WaitUntil([&] { return !Dragging(); }));
    // Released on the icon itself: Pellora's own window, so nothing is selected.
    EXPECT_TRUE(PanelEmpty());
}

const PressCase kPresses[] = {
    {"TopLeftPixel", false, false, true},
    {"OnePixelRight", true, false, false},
    {"OnePixelBelow", false, true, false},
};
INSTANTIATE_TEST_SUITE_P(Points, IconPress, testing::ValuesIn(kPresses),
                         [](const testing::TestParamInfo<PressCase>& press) { return press.param.name; });

}  // namespace
