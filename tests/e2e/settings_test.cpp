// Pellora started over settings left in the registry by an earlier save: the options it opens
// with and the place it opens at.
#include "support/harness.h"
#include "support/settings_key.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>

namespace {

bool IsTopmost(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

class StoredSettings : public testing::Test {
protected:
    test::FreshSettings fresh;
};

TEST_F(StoredSettings, OptionsStoredAsZeroZeroOneOpenTheDialogThatWay) {
    // Stored from outside, by Wine's own reg tool.
    const std::pair<const char*, int> options[] = {
        {"KeepDialogOnTop", 0}, {"AutoFindRootParent", 0}, {"DrawInvertedFrame", 1}};
    for (const auto& [name, value] : options) {
        DWORD exitCode = 1;
        test::RunAndCapture(std::string("C:\\windows\\system32\\reg.exe add \"HKCU\\") + test::kProgramKey +
                                "\" /v " + name + " /t REG_DWORD /d " + std::to_string(value) + " /f",
                            &exitCode);
        ASSERT_EQ(exitCode, 0u) << name;
    }

    test::PelloraProcess pellora;
    ASSERT_TRUE(pellora.WaitForDialog());
    EXPECT_FALSE(IsTopmost(pellora.dialog()));
    EXPECT_FALSE(pellora.IsChecked(102));
    EXPECT_FALSE(pellora.IsChecked(103));
    EXPECT_TRUE(pellora.IsChecked(104));
    EXPECT_TRUE(pellora.IsEnabled(104));
    // Opening reads only: the values are as they were, and nothing else was added.
    EXPECT_EQ(test::ValueNames(test::kProgramKey).size(), 3u);
    EXPECT_FALSE(test::KeyExists(test::kMainWindowKey));
    PostMessageA(pellora.dialog(), WM_COMMAND, 0x7FFF, 0);
    EXPECT_EQ(pellora.WaitForExit(), 0u);
}

TEST_F(StoredSettings, ASavedPlacementOpensTheDialogThere) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoA(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
    char monitorName[96];
    std::snprintf(monitorName, sizeof monitorName, "\\MonitorRectangle(%ld,%ld,%ld,%ld)", info.rcMonitor.left,
                  info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom);
    for (std::string key : {std::string(test::kMainWindowKey), test::kMainWindowKey + std::string(monitorName)}) {
        test::WriteDword(key, "X", 90);
        test::WriteDword(key, "Y", 70);
        test::WriteDword(key, "CX", 420);
        test::WriteDword(key, "CY", 380);
    }

    test::PelloraProcess pellora;
    ASSERT_TRUE(pellora.WaitForDialog());
    RECT r{};
    GetWindowRect(pellora.dialog(), &r);
    EXPECT_EQ(r.left, 90);
    EXPECT_EQ(r.top, 70);
    // The stored size only identifies the entry: the dialog keeps its own.
    EXPECT_NE(r.right - r.left, 420);
    // No options stored: the first-run defaults.
    EXPECT_TRUE(IsTopmost(pellora.dialog()));
    EXPECT_TRUE(pellora.IsChecked(102));
    EXPECT_TRUE(pellora.IsChecked(103));
    PostMessageA(pellora.dialog(), WM_COMMAND, 0x7FFF, 0);
    EXPECT_EQ(pellora.WaitForExit(), 0u);
}

}  // namespace
