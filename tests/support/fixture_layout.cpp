#include "support/fixture_layout.h"

namespace test {

namespace {

constexpr char kTopClass[] = "PelloraFixtureTop";
constexpr char kPanelClass[] = "PelloraFixturePanel";

void RegisterClassesOnce() {
    static bool done = [] {
        WNDCLASSA top{};
        top.lpfnWndProc = DefWindowProcA;
        top.hInstance = GetModuleHandleA(nullptr);
        top.hCursor = LoadCursor(nullptr, IDC_ARROW);
        top.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        top.lpszClassName = kTopClass;
        RegisterClassA(&top);
        WNDCLASSA panel = top;
        panel.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        panel.lpszClassName = kPanelClass;
        RegisterClassA(&panel);
        return true;
    }();
    (void)done;
}

HWND Child(HWND parent, const char* className, const char* text, DWORD style, int id, int left, int top,
           int right, int bottom) {
    return CreateWindowExA(0, className, text, WS_CHILD | style, left, top, right - left, bottom - top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

FixtureWindows CreateFixtureWindows(int x, int y) {
    RegisterClassesOnce();
    FixtureWindows windows;
    windows.top = CreateWindowExA(0, kTopClass, kFixtureCaption, WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS, x, y, 500, 400,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND top = windows.top;
    // Creation order is the Z-order from the top: the first of two overlapping siblings is on top.
    Child(top, "Button", "Group", WS_VISIBLE | BS_GROUPBOX, kGroupBoxId, 10, 10, 210, 130);
    Child(top, "Edit", kFixtureEditText, WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, kGroupEditId, 30, 40, 180, 64);
    Child(top, "Button", "Check", WS_VISIBLE | BS_AUTOCHECKBOX, kCheckBoxId, 10, 140, 130, 164);
    Child(top, "Static", "Over the check box", WS_VISIBLE, kOverCheckId, 60, 140, 210, 164);
    Child(top, "Button", "Push", WS_VISIBLE | BS_PUSHBUTTON, kPushButtonId, 10, 180, 130, 210);
    Child(top, "Static", "Under the push button", WS_VISIBLE, kOverPushId, 60, 180, 210, 210);
    Child(top, "Static", "Disabled", WS_VISIBLE | WS_DISABLED, kDisabledId, 10, 230, 130, 254);
    Child(top, "Edit", "Hidden", WS_BORDER, kHiddenId, 250, 10, 400, 34);
    Child(top, "Static", "Under the hidden edit", WS_VISIBLE, kUnderHiddenId, 250, 10, 400, 34);
    HWND panel = Child(top, kPanelClass, "Panel", WS_VISIBLE, kPanelId, 250, 60, 470, 260);
    Child(panel, "Static", "Inner", WS_VISIBLE, kInnerStaticId, 20, 20, 120, 44);
    HWND innerPanel = Child(panel, kPanelClass, "Inner panel", WS_VISIBLE | WS_BORDER, kInnerPanelId, 20, 60, 200, 160);
    Child(innerPanel, "Button", "Deep", WS_VISIBLE | BS_PUSHBUTTON, kDeepButtonId, 10, 10, 110, 40);
    Child(top, "Static", "Minus one", WS_VISIBLE, kMinusOneId, 10, 270, 130, 294);

    // Nothing is activated: the program under test keeps the foreground (injected mouse input
    // follows the foreground thread's capture). The pop-up comes first, so that a test that
    // finds the top-level window shown finds the whole layout.
    windows.popup = CreateWindowExA(0, kTopClass, kFixturePopupCaption, WS_POPUP | WS_CAPTION, x, y + 420, 220, 100,
                                    top, nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(windows.popup, SW_SHOWNOACTIVATE);
    UpdateWindow(windows.popup);
    ShowWindow(top, SW_SHOWNOACTIVATE);
    UpdateWindow(top);
    return windows;
}

HWND CreatePlainTopLevel(int x, int y, int width, int height, DWORD extraExStyle) {
    RegisterClassesOnce();
    HWND window = CreateWindowExA(WS_EX_TOPMOST | extraExStyle, kTopClass, "", WS_POPUP, x, y, width, height,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    return window;
}

HWND CreateManyControlsWindow(int x, int y) {
    RegisterClassesOnce();
    RECT outer{0, 0, 820, 640};
    AdjustWindowRectEx(&outer, WS_OVERLAPPEDWINDOW, FALSE, 0);
    HWND top = CreateWindowExA(0, kTopClass, kManyCaption, WS_OVERLAPPEDWINDOW, x, y, outer.right - outer.left,
                               outer.bottom - outer.top, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    auto panel = [](HWND parent, DWORD exStyle, int left, int upper, int width, int height) {
        return CreateWindowExA(exStyle, kPanelClass, "", WS_CHILD | WS_VISIBLE | WS_BORDER, left, upper, width, height,
                               parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    };
    int id = 1000;
    for (int a = 0; a < 10; ++a) {
        HWND outerPanel = panel(top, a % 5 == 0 ? WS_EX_LAYOUTRTL : 0, 10 + (a % 5) * 162, 10 + (a / 5) * 312, 156, 300);
        for (int b = 0; b < 3; ++b) {
            HWND middle = panel(outerPanel, 0, 4, 4 + b * 97, 146, 92);
            for (int c = 0; c < 4; ++c) {
                HWND inner = panel(middle, 0, 2 + c * 35, 2, 33, 86);
                for (int d = 0; d < 7; ++d)
                    Child(inner, d % 2 ? "Button" : "Static", "x", WS_VISIBLE | (d % 2 ? BS_PUSHBUTTON : 0), id++, 1,
                          1 + d * 12, 28, 1 + d * 12 + 10);
            }
        }
    }
    ShowWindow(top, SW_SHOWNOACTIVATE);
    UpdateWindow(top);
    return top;
}

void DestroyFixtureWindows(const FixtureWindows& windows) {
    if (windows.popup) DestroyWindow(windows.popup);
    if (windows.top) DestroyWindow(windows.top);
}

namespace {
struct IdSearch {
    int id;
    HWND found;
};
BOOL CALLBACK MatchId(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<IdSearch*>(parameter);
    if (static_cast<int>(GetWindowLongA(window, GWL_ID)) != search->id) return TRUE;
    search->found = window;
    return FALSE;
}
}  // namespace

HWND FindDescendant(HWND root, int id) {
    IdSearch search{id, nullptr};
    EnumChildWindows(root, MatchId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace test
