#include "support/fixture_process.h"

#include "support/harness.h"

#include <vector>

namespace test {

namespace {

// The fixture program lives beside the end-to-end tests; other test kinds find it there.
std::string FixtureExecutable() {
    std::string own = ExecutableFolder() + "fixture_window.exe";
    if (GetFileAttributesA(own.c_str()) != INVALID_FILE_ATTRIBUTES) return own;
    return ExecutableFolder() + "..\\e2e\\fixture_window.exe";
}

}  // namespace

FixtureProcess::FixtureProcess(const std::string& arguments, const char* caption) {
    // Appended piece by piece: GCC 12 misreads "x" + string + ... as an overlapping copy.
    std::string commandLine = "\"";
    commandLine += FixtureExecutable();
    commandLine += "\" ";
    commandLine += arguments;
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) return;
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    WaitUntil([&] { return (window_ = FindProcessWindow(processId_, nullptr, caption)) != nullptr; },
              std::chrono::seconds(20));
}

FixtureProcess::~FixtureProcess() {
    if (!process_) return;
    TerminateProcess(process_, 0);
    WaitForSingleObject(process_, 5000);
    CloseHandle(process_);
}

}  // namespace test
