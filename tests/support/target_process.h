// The target window program (target_window.exe) run as a process of its own: a real window
// of another program for the tests to select, pin, copy from and change.
#pragma once

#include "platform/win.h"
#include "support/target_commands.h"

#include <string>

namespace test {

class TargetProcess {
public:
    struct Options {
        RECT rect{300, 400, 700, 700};  // left, top, right, bottom
        std::string title = "Target window";
        bool popup = false;
        bool topmost = false;
    };
    TargetProcess() : TargetProcess(Options{}) {}
    explicit TargetProcess(const Options& options);
    ~TargetProcess();  // closes the window and ends the process
    TargetProcess(const TargetProcess&) = delete;
    TargetProcess& operator=(const TargetProcess&) = delete;

    HWND window() const { return window_; }
    HWND child() const { return GetDlgItem(window_, target::kChildId); }
    DWORD id() const { return processId_; }
    LRESULT Send(target::Command command, WPARAM wParam = 0) const {
        return SendMessageA(window_, command, wParam, 0);
    }
    // Closes the window and waits for the process to end.
    void Close();

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HWND window_ = nullptr;
};

// The clipboard's CF_TEXT as another process reads it (the target program's clipboard mode).
// `ok` is false when that process found no text.
struct ClipboardRead {
    bool ok = false;
    std::string text;
};
ClipboardRead ReadClipboardFromAnotherProcess();

// Puts `text` on the clipboard from this process, owned by nobody.
bool SetClipboardTextHere(const std::string& text);
// The clipboard's CF_TEXT read in this process, or nothing when it holds none.
ClipboardRead ReadClipboardHere();

bool IsTopmost(HWND window);

}  // namespace test
