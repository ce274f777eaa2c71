// Known windows to point at: one top-level window whose controls cover the cases of the window
// search (a group box with an edit inside, overlapping controls, disabled, hidden and nested
// ones) and an owned pop-up. The same layout is built inside a test process or, by
// fixture_window.exe, in a process of its own.
#pragma once

#include "platform/win.h"

namespace test {

inline constexpr char kFixtureCaption[] = "Pellora Fixture";
inline constexpr char kFixturePopupCaption[] = "Pellora Fixture Popup";
inline constexpr char kFixtureEditText[] = "Fixture edit text";

// Control ids; every rectangle is given in the client coordinates of its parent.
enum FixtureId : int {
    kGroupBoxId = 10,       // group box (10, 10)-(210, 130)
    kGroupEditId = 11,      // edit (30, 40)-(180, 64), inside the group box's area
    kCheckBoxId = 12,       // check box (10, 140)-(130, 164)
    kOverCheckId = 13,      // static (60, 140)-(210, 164), after the check box in Z-order
    kPushButtonId = 14,     // plain push button (10, 180)-(130, 210)
    kOverPushId = 15,       // static (60, 180)-(210, 210), after the push button
    kDisabledId = 16,       // disabled static (10, 230)-(130, 254)
    kHiddenId = 17,         // hidden edit (250, 10)-(400, 34), above the next one
    kUnderHiddenId = 18,    // static (250, 10)-(400, 34)
    kPanelId = 19,          // child panel (250, 60)-(470, 260)
    kInnerStaticId = 20,    // static (20, 20)-(120, 44) in the panel
    kInnerPanelId = 21,     // panel (20, 60)-(200, 160) in the panel
    kDeepButtonId = 22,     // push button (10, 10)-(110, 40) in the inner panel
    kMinusOneId = -1,       // static (10, 270)-(130, 294) with identifier -1
};

struct FixtureWindows {
    HWND top = nullptr;    // 500 x 400 outer size, WS_OVERLAPPEDWINDOW, unowned
    HWND popup = nullptr;  // owned by `top`, 220 x 100, at (x, y + 420)
};

// Creates the layout with the top-level window's outer top-left corner at (x, y).
FixtureWindows CreateFixtureWindows(int x, int y);
void DestroyFixtureWindows(const FixtureWindows& windows);

// A plain top-level pop-up window that answers hit tests (unlike a static text), topmost, shown
// without activation; for tests that build their own small layouts.
HWND CreatePlainTopLevel(int x, int y, int width, int height, DWORD extraExStyle = 0);

inline constexpr char kManyCaption[] = "Pellora Many Fixture";
// 10 panels, each with 3 panels, each with 4 panels, each with 7 controls (static texts and
// plain push buttons): 1,000 descendants four levels deep in an 820 x 640 client area. The
// first and the sixth outer panel are mirrored (WS_EX_LAYOUTRTL).
HWND CreateManyControlsWindow(int x, int y);

// A descendant of `root` with that control id (depth-first), or null.
HWND FindDescendant(HWND root, int id);

}  // namespace test
