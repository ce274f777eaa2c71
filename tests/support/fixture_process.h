// fixture_window.exe started as its own process: windows of another program to point at.
#pragma once

#include "platform/win.h"

#include <string>

namespace test {

class FixtureProcess {
public:
    // `arguments` as fixture_window.exe takes them ("X Y" or "hung X Y"); `caption` is the
    // top-level window to wait for.
    FixtureProcess(const std::string& arguments, const char* caption);
    ~FixtureProcess();
    FixtureProcess(const FixtureProcess&) = delete;
    FixtureProcess& operator=(const FixtureProcess&) = delete;

    HWND window() const { return window_; }
    DWORD id() const { return processId_; }

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HWND window_ = nullptr;
};

}  // namespace test
