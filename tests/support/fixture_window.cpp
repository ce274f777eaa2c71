// fixture_window.exe: windows of another process for the end-to-end tests to point at.
//   fixture_window.exe X Y         the fixture layout (support/fixture_layout.h) at (X, Y)
//   fixture_window.exe hung X Y    one window "Pellora Hung Fixture" whose thread stops
//                                  answering messages once it is shown
//   fixture_window.exe many X Y    "Pellora Many Fixture": 1,000 controls nested four levels
//                                  deep, two of the ten outer panels mirrored right-to-left
// It runs until the test ends it.
#include "support/fixture_layout.h"

#include <cstdlib>
#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    char* arguments = commandLine;
    bool hung = std::strncmp(arguments, "hung", 4) == 0;
    bool many = std::strncmp(arguments, "many", 4) == 0;
    if (hung || many) arguments += 4;
    char* end = nullptr;
    int x = static_cast<int>(std::strtol(arguments, &end, 10));
    int y = static_cast<int>(std::strtol(end, nullptr, 10));

    if (hung) {
        HWND window = CreateWindowExA(0, "Static", "Pellora Hung Fixture", WS_POPUP | WS_CAPTION | WS_VISIBLE, x, y,
                                      300, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        UpdateWindow(window);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        Sleep(INFINITE);
        return 0;
    }

    if (many)
        test::CreateManyControlsWindow(x, y);
    else
        test::CreateFixtureWindows(x, y);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
