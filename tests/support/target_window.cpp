// A small program of its own process whose window the tests select, pin and copy from.
//   target_window.exe window <left> <top> <width> <height> <title> [popup] [topmost]
//     one top-level window (overlapped, or a pop-up) with a child edit control; the window
//     is shown without being activated and obeys the commands of target_commands.h.
//   target_window.exe clipboard <file>
//     writes the clipboard's CF_TEXT, up to its NUL, into <file>; exit code 0, or 1 when
//     the clipboard holds no text or cannot be opened.
#include "support/target_commands.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <shellapi.h>

using namespace test::target;

namespace {

bool refuseZOrder = false;
bool undoTopmost = false;

LRESULT CALLBACK TargetProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_WINDOWPOSCHANGING:
        if (refuseZOrder) reinterpret_cast<WINDOWPOS*>(lParam)->flags |= SWP_NOZORDER;
        break;
    case WM_WINDOWPOSCHANGED:
        if (undoTopmost && !(reinterpret_cast<WINDOWPOS*>(lParam)->flags & SWP_NOZORDER)) {
            undoTopmost = false;  // once, or the undo would undo itself
            bool topmost = (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
            SetWindowPos(window, topmost ? HWND_NOTOPMOST : HWND_TOPMOST, 0, 0, 0, 0,
                         SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
        }
        break;
    case kSetOwner: SetWindowLongPtrA(window, GWLP_HWNDPARENT, static_cast<LONG_PTR>(wParam)); return 1;
    case kSetChildStyle: {
        LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
        SetWindowLongPtrA(window, GWL_STYLE, (style | WS_CHILD) & ~static_cast<LONG_PTR>(WS_POPUP));
        return 1;
    }
    case kRefuseZOrder: refuseZOrder = true; return 1;
    case kHoldClipboard: return OpenClipboard(window);
    case kReleaseClipboard: return CloseClipboard();
    case kSetTopmost:
        return SetWindowPos(window, wParam ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                            SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    case kUndoTopmost: undoTopmost = true; return 1;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int ShowWindowAndWait(int argc, char** argv) {
    if (argc < 7) return 2;
    int left = std::atoi(argv[2]), top = std::atoi(argv[3]);
    int width = std::atoi(argv[4]), height = std::atoi(argv[5]);
    const char* title = argv[6];
    bool popup = false, topmost = false;
    for (int i = 7; i < argc; ++i) {
        popup |= std::strcmp(argv[i], "popup") == 0;
        topmost |= std::strcmp(argv[i], "topmost") == 0;
    }
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = TargetProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass);
    DWORD style = popup ? (WS_POPUP | WS_CAPTION | WS_SYSMENU) : WS_OVERLAPPEDWINDOW;
    HWND window = CreateWindowExA(topmost ? WS_EX_TOPMOST : 0, kClassName, title, style, left, top, width,
                                  height, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window) {
        std::fprintf(stderr, "CreateWindowEx failed: %lu\n", GetLastError());
        return 3;
    }
    CreateWindowExA(0, "Edit", "child text", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, width / 2, 24, window,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kChildId)), windowClass.hInstance, nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

int WriteClipboardText(const char* path) {
    if (!OpenClipboard(nullptr)) return 1;
    int result = 1;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* text = static_cast<const char*>(GlobalLock(data))) {
            if (FILE* file = std::fopen(path, "wb")) {
                std::fwrite(text, 1, std::strlen(text), file);
                result = std::fclose(file) == 0 ? 0 : 1;
            }
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "window") == 0) return ShowWindowAndWait(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "clipboard") == 0) return WriteClipboardText(argv[2]);
    return 2;
}
