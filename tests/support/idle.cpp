// Waits until it is ended. Keeps Wine's helper processes warm for the tests: its hidden window
// makes Wine start the desktop process now, with the output streams of tools/test.sh rather
// than those of the first test that opens a window (CTest would wait for them to close).
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CreateWindowA("STATIC", "idle", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}
