#include "support/harness.h"

#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <thread>

namespace test {

std::string ExecutableFolder() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

TemporaryFolder::TemporaryFolder() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    static unsigned counter = 0;
    for (;;) {
        char name[MAX_PATH];
        std::snprintf(name, sizeof name, "%splra-%lu-%u", base, GetCurrentProcessId(), ++counter);
        if (CreateDirectoryA(name, nullptr)) {
            path_ = name;
            return;
        }
    }
}

TemporaryFolder::~TemporaryFolder() {
    // SHFileOperation wants a double-zero-terminated list.
    std::string from = path_ + std::string(2, '\0');
    SHFILEOPSTRUCTA operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationA(&operation);
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        PumpMessages();
        if (condition()) return true;
        if (std::chrono::steady_clock::now() > end) return false;
        Sleep(10);
    }
}

std::string WindowText(HWND window) {
    char buffer[4096];
    int length = GetWindowTextA(window, buffer, sizeof buffer);
    return std::string(buffer, std::max(length, 0));
}

std::string ClassName(HWND window) {
    char buffer[256];
    int length = GetClassNameA(window, buffer, sizeof buffer);
    return std::string(buffer, std::max(length, 0));
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId) {
    struct Search {
        DWORD processId;
        std::vector<HWND> found;
    } search{processId, {}};
    EnumWindows(
        [](HWND window, LPARAM data) WINAPI -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->processId) s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindProcessWindow(DWORD processId, const char* className, const char* caption) {
    for (HWND window : TopLevelWindowsOf(processId)) {
        if (!IsWindowVisible(window)) continue;
        if (className && ClassName(window) != className) continue;
        if (caption && WindowText(window) != caption) continue;
        return window;
    }
    return nullptr;
}

MessageBoxContent ReadMessageBox(HWND box) {
    MessageBoxContent content{WindowText(box), {}};
    EnumChildWindows(
        box,
        [](HWND child, LPARAM data) WINAPI -> BOOL {
            auto* text = reinterpret_cast<std::string*>(data);
            if (ClassName(child) == "Static") {
                std::string candidate = WindowText(child);
                if (candidate.size() > text->size()) *text = candidate;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&content.text));
    return content;
}

PelloraProcess::PelloraProcess() : PelloraProcess(Options{}) {}

PelloraProcess::PelloraProcess(Options options) { Start(std::move(options)); }

void PelloraProcess::Start(Options options) {
    if (options.executable.empty()) options.executable = ExecutableFolder() + "Pellora.exe";
    if (options.currentDirectory.empty()) options.currentDirectory = folder_.path();
    soundLog_ = folder_ / "sounds.log";

    // The child's environment: ours, plus the sound log and the extra entries.
    std::vector<std::string> entries;
    if (char* block = GetEnvironmentStringsA()) {
        for (char* entry = block; *entry; entry += std::strlen(entry) + 1) {
            if (std::strncmp(entry, "PELLORA_SOUND_LOG=", 18) != 0) entries.emplace_back(entry);
        }
        FreeEnvironmentStringsA(block);
    }
    if (options.recordSounds) entries.push_back("PELLORA_SOUND_LOG=" + soundLog_);
    for (auto& extra : options.environment) entries.push_back(extra);
    std::string environment;
    for (auto& entry : entries) environment += entry + '\0';
    environment += '\0';

    std::string commandLine = "\"" + options.executable + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(options.executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        environment.data(), options.currentDirectory.c_str(), &startup, &info)) {
        std::fprintf(stderr, "CreateProcess %s failed: %lu\n", options.executable.c_str(), GetLastError());
        return;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    WaitForInputIdle(process_, 10000);
}

PelloraProcess::~PelloraProcess() {
    if (!process_) return;
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_, 999);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
}

HWND PelloraProcess::WaitForDialog(std::chrono::milliseconds timeout) {
    WaitUntil([&] { return (dialog_ = FindProcessWindow(processId_, "#32770", "Pellora")) != nullptr; },
              timeout);
    return dialog_;
}

HWND PelloraProcess::WaitForWindow(const char* caption, std::chrono::milliseconds timeout) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindProcessWindow(processId_, nullptr, caption)) != nullptr; },
              timeout);
    return found;
}

bool PelloraProcess::IsChecked(int id) const {
    return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

DWORD PelloraProcess::WaitForExit(std::chrono::milliseconds timeout) {
    DWORD code = STILL_ACTIVE;
    WaitUntil([&] { return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }, timeout);
    GetExitCodeProcess(process_, &code);
    return code;
}

std::vector<int> ReadSoundLog(const std::string& path) {
    std::vector<int> sounds;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return sounds;
    unsigned id = 0;
    unsigned long flags = 0;
    while (std::fscanf(file, "%u %lx", &id, &flags) == 2) sounds.push_back(static_cast<int>(id));
    std::fclose(file);
    return sounds;
}

std::vector<int> PelloraProcess::Sounds() const { return ReadSoundLog(soundLog_); }

bool PelloraProcess::WaitForSounds(size_t count, std::chrono::milliseconds timeout) {
    return WaitUntil([&] { return Sounds().size() >= count; }, timeout);
}

namespace {

void SendMouse(DWORD flags, int x = 0, int y = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        // Absolute coordinates are normalised to 0..65535 over the primary screen. The system
        // maps them back rounding down, so round up here: a nearest rounding lands one pixel
        // short for some coordinates.
        int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
        input.mi.dx = static_cast<LONG>((x * 65536LL + width - 1) / width);
        input.mi.dy = static_cast<LONG>((y * 65536LL + height - 1) / height);
    }
    SendInput(1, &input, sizeof input);
}

void SendKey(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

}  // namespace

void MoveMouseTo(int x, int y) {
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y);
    WaitUntil([&] {
        POINT p;
        GetCursorPos(&p);
        return p.x == x && p.y == y;
    }, std::chrono::seconds(2));
}

void MouseButton(bool down) {
    SendMouse(down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
    Sleep(30);
}

void ClickAt(int x, int y) {
    MoveMouseTo(x, y);
    MouseButton(true);
    MouseButton(false);
}

void PressKey(WORD virtualKey) {
    SendKey(virtualKey, false);
    SendKey(virtualKey, true);
    Sleep(30);
}

void PressKeys(std::initializer_list<WORD> chord) {
    for (WORD key : chord) SendKey(key, false);
    for (auto key = std::rbegin(chord); key != std::rend(chord); ++key) SendKey(*key, true);
    Sleep(30);
}

POINT CenterOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

bool ActivateWindow(HWND window) {
    SetForegroundWindow(window);
    return WaitUntil([&] { return GetForegroundWindow() == window; }, std::chrono::seconds(3));
}

}  // namespace test

namespace test {

MessageBoxWatcher::MessageBoxWatcher(DWORD processId, std::string caption,
                                     std::chrono::milliseconds timeout)
    : processId_(processId), caption_(std::move(caption)), timeout_(timeout) {
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

MessageBoxWatcher::~MessageBoxWatcher() { Result(); }

DWORD WINAPI MessageBoxWatcher::Run(void* self) {
    auto* watcher = static_cast<MessageBoxWatcher*>(self);
    auto end = std::chrono::steady_clock::now() + watcher->timeout_;
    while (!watcher->stop_ && std::chrono::steady_clock::now() < end) {
        HWND box = FindProcessWindow(watcher->processId_, "#32770", watcher->caption_.c_str());
        if (box) {
            if (watcher->count_++ == 0) watcher->content_ = ReadMessageBox(box);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            Sleep(200);
            continue;
        }
        Sleep(20);
    }
    return 0;
}

MessageBoxContent MessageBoxWatcher::Result() {
    if (thread_) {
        // Give a box that was already seen a moment to go; then stop watching.
        if (count_ > 0) Sleep(300);
        InterlockedExchange(&stop_, 1);
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        thread_ = nullptr;
    }
    return content_;
}

}  // namespace test
