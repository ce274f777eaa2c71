// startup_time [Pellora.exe] [baseline.exe] [runs]: the time from CreateProcess to the first
// visible top-level window of the process, for Pellora and for a baseline program (Wine's or
// Windows' own notepad.exe by default), measured alternately in the same run. Prints the
// medians and their ratio. Each program is closed after it showed its window.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Found {
    DWORD processId;
    HWND window;
};

HWND VisibleWindowOf(DWORD processId) {
    Found found{processId, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) WINAPI -> BOOL {
            auto* f = reinterpret_cast<Found*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == f->processId && IsWindowVisible(window) && GetWindowTextLengthA(window) > 0) {
                f->window = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found.window;
}

// Milliseconds until the program showed a window, or -1.
double TimeToWindow(const std::string& path, bool pellora) {
    std::string commandLine = "\"" + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    auto start = std::chrono::steady_clock::now();
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info))
        return -1;
    HWND window = nullptr;
    while (!(window = VisibleWindowOf(info.dwProcessId))) {
        if (WaitForSingleObject(info.hProcess, 1) == WAIT_OBJECT_0) break;
        if (std::chrono::steady_clock::now() - start > std::chrono::minutes(5)) break;
    }
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (window) PostMessageA(window, pellora ? WM_COMMAND : WM_CLOSE, pellora ? 0x7FFF : 0, 0);
    if (WaitForSingleObject(info.hProcess, 60000) != WAIT_OBJECT_0) TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return window ? ms : -1;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    char folder[MAX_PATH];
    GetModuleFileNameA(nullptr, folder, MAX_PATH);
    std::string pellora = argc > 1 ? argv[1] : std::string(folder).substr(0, std::string(folder).rfind('\\')) + "\\..\\Pellora.exe";
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    std::string baseline = argc > 2 ? argv[2] : std::string(windows) + "\\notepad.exe";
    int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;

    TimeToWindow(pellora, true);  // warm-up of both: the first start loads the system DLLs
    TimeToWindow(baseline, false);
    std::vector<double> ours, theirs;
    for (int i = 0; i < runs; ++i) {
        ours.push_back(TimeToWindow(pellora, true));
        theirs.push_back(TimeToWindow(baseline, false));
    }
    double a = Median(ours), b = Median(theirs);
    std::printf("Pellora   %s: median %.1f ms to its window over %d runs\n", pellora.c_str(), a, runs);
    std::printf("baseline  %s: median %.1f ms\n", baseline.c_str(), b);
    std::printf("ratio Pellora / baseline = %.2f\n", b > 0 ? a / b : 0.0);
    return 0;
}
