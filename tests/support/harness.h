// Helpers shared by the tests: finding files beside the test, waiting for conditions,
// starting Pellora.exe as its own process, reading its windows, and driving it with real input.
#pragma once

#include "platform/win.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace test {

// The folder of the running test executable, with a trailing backslash.
std::string ExecutableFolder();

// A fresh empty folder under the system's temporary folder; removed by the destructor.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

// The WAVE ids recorded in a sound log of the stand-in winmm.dll, in order.
std::vector<int> ReadSoundLog(const std::string& path);

// Polls `condition` (pumping this thread's messages) until it holds or `timeout` passes.
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = std::chrono::seconds(10));

// Pumps this thread's pending messages.
void PumpMessages();

std::string WindowText(HWND window);
std::string ClassName(HWND window);

// Top-level windows of a process, visible or not.
std::vector<HWND> TopLevelWindowsOf(DWORD processId);
// The first visible top-level window of `processId` with that class and caption, or null.
HWND FindProcessWindow(DWORD processId, const char* className, const char* caption);

struct MessageBoxContent {
    std::string caption;
    std::string text;
};
// Reads a message box (its caption and its longest static text).
MessageBoxContent ReadMessageBox(HWND box);

// A Pellora.exe started as its own process; killed by the destructor if still running.
class PelloraProcess {
public:
    struct Options {
        std::string executable;        // default: Pellora.exe beside the e2e tests
        std::string currentDirectory;  // default: the temporary folder of the process
        std::vector<std::string> environment;  // extra NAME=value entries
        bool recordSounds = true;
    };
    PelloraProcess();
    explicit PelloraProcess(Options options);
    ~PelloraProcess();
    PelloraProcess(const PelloraProcess&) = delete;
    PelloraProcess& operator=(const PelloraProcess&) = delete;

    bool started() const { return process_ != nullptr; }
    DWORD id() const { return processId_; }
    HANDLE handle() const { return process_; }

    // Waits for the main dialog ("Pellora", class #32770) and returns it, or null.
    HWND WaitForDialog(std::chrono::milliseconds timeout = std::chrono::seconds(20));
    HWND dialog() const { return dialog_; }
    HWND Control(int id) const { return GetDlgItem(dialog_, id); }
    bool IsChecked(int id) const;
    bool IsEnabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }
    std::string Text(int id) const { return WindowText(Control(id)); }

    // Waits for a top-level window of this process with that caption (any class).
    HWND WaitForWindow(const char* caption, std::chrono::milliseconds timeout = std::chrono::seconds(20));

    // Waits for the exit; returns the exit code, or STILL_ACTIVE on time-out.
    DWORD WaitForExit(std::chrono::milliseconds timeout = std::chrono::seconds(20));

    // Sound resource ids requested so far, in order.
    std::vector<int> Sounds() const;
    // Waits until the sound log holds `count` entries.
    bool WaitForSounds(size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(5));

    const std::string& folder() const { return folder_.path(); }

private:
    void Start(Options options);
    TemporaryFolder folder_;
    std::string soundLog_;
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HWND dialog_ = nullptr;
};

// Real input, through the system's input queue, as a user would give it.
void MoveMouseTo(int x, int y);
void MouseButton(bool down);
void ClickAt(int x, int y);
void PressKey(WORD virtualKey);
void PressKeys(std::initializer_list<WORD> chord);  // held in order, released in reverse
// The screen centre of a control or window.
POINT CenterOf(HWND window);
// Brings a window to the foreground so that keys reach it.
bool ActivateWindow(HWND window);

}  // namespace test

namespace test {

// Watches, from another thread, for a message box of `processId` with that caption; reads
// it and dismisses it with Enter-equivalent IDOK. For failures that show a box and block.
class MessageBoxWatcher {
public:
    MessageBoxWatcher(DWORD processId, std::string caption,
                      std::chrono::milliseconds timeout = std::chrono::seconds(30));
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;
    // Waits for the watcher to finish; the box's content, or empty when none appeared.
    MessageBoxContent Result();
    // How many such boxes were seen (each is dismissed).
    int count() const { return count_; }

private:
    static DWORD WINAPI Run(void* self);
    DWORD processId_;
    std::string caption_;
    std::chrono::milliseconds timeout_;
    MessageBoxContent content_;
    volatile LONG stop_ = 0;
    int count_ = 0;
    HANDLE thread_ = nullptr;
};

}  // namespace test
