#include "support/target_process.h"

#include "support/harness.h"

#include <cstdio>
#include <cstring>

namespace test {

namespace {

std::string TargetProgram() { return ExecutableFolder() + "..\\target_window.exe"; }

// Runs the target program with `arguments`; the process handle, or null.
HANDLE StartTarget(const std::string& arguments, DWORD* processId) {
    std::string program = TargetProgram();
    std::string commandLine = "\"" + program + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                        nullptr, nullptr, &startup, &info)) {
        std::fprintf(stderr, "CreateProcess %s failed: %lu\n", program.c_str(), GetLastError());
        return nullptr;
    }
    CloseHandle(info.hThread);
    if (processId) *processId = info.dwProcessId;
    return info.hProcess;
}

}  // namespace

TargetProcess::TargetProcess(const Options& options) {
    char arguments[512];
    std::snprintf(arguments, sizeof arguments, "window %ld %ld %ld %ld \"%s\"%s%s", options.rect.left,
                  options.rect.top, options.rect.right - options.rect.left,
                  options.rect.bottom - options.rect.top, options.title.c_str(),
                  options.popup ? " popup" : "", options.topmost ? " topmost" : "");
    process_ = StartTarget(arguments, &processId_);
    if (!process_) return;
    WaitUntil([&] {
        return (window_ = FindProcessWindow(processId_, target::kClassName, options.title.c_str())) != nullptr;
    });
}

void TargetProcess::Close() {
    if (!process_) return;
    if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_, 5000) != WAIT_OBJECT_0) {
        TerminateProcess(process_, 999);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
    process_ = nullptr;
}

TargetProcess::~TargetProcess() { Close(); }

ClipboardRead ReadClipboardFromAnotherProcess() {
    TemporaryFolder folder;
    std::string path = folder / "clipboard.txt";
    HANDLE process = StartTarget("clipboard \"" + path + "\"", nullptr);
    ClipboardRead read;
    if (!process) return read;
    DWORD code = 1;
    // Pumping while waiting: the clipboard's owner may be a window of this thread.
    if (WaitUntil([&] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }, std::chrono::seconds(20)))
        GetExitCodeProcess(process, &code);
    CloseHandle(process);
    if (code != 0) return read;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        size_t count;
        while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) read.text.append(buffer, count);
        std::fclose(file);
        read.ok = true;
    }
    return read;
}

bool SetClipboardTextHere(const std::string& text) {
    if (!OpenClipboard(nullptr)) return false;
    bool ok = false;
    if (EmptyClipboard()) {
        if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
            std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
            GlobalUnlock(block);
            ok = SetClipboardData(CF_TEXT, block) != nullptr;
            if (!ok) GlobalFree(block);
        }
    }
    CloseClipboard();
    return ok;
}

ClipboardRead ReadClipboardHere() {
    ClipboardRead read;
    if (!OpenClipboard(nullptr)) return read;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* text = static_cast<const char*>(GlobalLock(data))) {
            read.text = text;
            read.ok = true;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return read;
}

bool IsTopmost(HWND window) { return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

}  // namespace test
