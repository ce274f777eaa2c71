// Start-up and release inside the test process: the record that start-up fills, the private
// font, and a release that runs twice.
#include "app/app_context.h"
#include "app/startup.h"
#include "support/harness.h"

#include <gtest/gtest.h>

namespace {

std::string CurrentDirectory() {
    char buffer[MAX_PATH];
    DWORD length = GetCurrentDirectoryA(MAX_PATH, buffer);
    return std::string(buffer, length);
}

bool SegoeUiInstalled() {
    HDC dc = GetDC(nullptr);
    LOGFONTA wanted{};
    lstrcpyA(wanted.lfFaceName, "Segoe UI");
    bool found = false;
    EnumFontFamiliesExA(
        dc, &wanted,
        [](const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM data) WINAPI -> int {
            *reinterpret_cast<bool*>(data) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
}

TEST(Startup, FillsTheRecordAndReleaseRestoresEverythingOnce) {
    plra::AppContext& app = plra::App();
    const std::string start = CurrentDirectory();
    ASSERT_TRUE(plra::InitializeApplication(GetModuleHandleA(nullptr), "", SW_SHOWDEFAULT));
    EXPECT_EQ(app.exitCode, 0);
    EXPECT_EQ(app.fileVersion, 0x0001000300000000ULL);
    EXPECT_EQ(app.productVersion, 0x0001000300000000ULL);
    EXPECT_STREQ(app.registryKeyPath, "Software\\Ostrel\\Pellora V1");
    EXPECT_TRUE(app.comInitialized);
    EXPECT_NE(app.privateFont, nullptr);
    EXPECT_TRUE(SegoeUiInstalled());
    EXPECT_EQ(app.startDirectory, start);

    test::TemporaryFolder elsewhere;
    ASSERT_TRUE(SetCurrentDirectoryA(elsewhere.path().c_str()));
    plra::ReleaseApplication();
    EXPECT_EQ(CurrentDirectory(), start);
    EXPECT_EQ(app.privateFont, nullptr);
    EXPECT_FALSE(app.comInitialized);
    EXPECT_EQ(app.dwmLibrary, nullptr);
    EXPECT_EQ(app.startDirectory[0], '\0');

    // The second release (the one at exit) finds nothing left to do.
    ASSERT_TRUE(SetCurrentDirectoryA(elsewhere.path().c_str()));
    plra::ReleaseApplication();
    EXPECT_EQ(CurrentDirectory() + "\\", elsewhere.path() + "\\");
    SetCurrentDirectoryA(start.c_str());
}

TEST(Startup, ComAlreadyInitialisedInTheSameModeCountsAsSuccess) {
    ASSERT_EQ(OleInitialize(nullptr), S_OK);
    ASSERT_TRUE(plra::InitializeApplication(GetModuleHandleA(nullptr), "", SW_SHOWDEFAULT));
    plra::ReleaseApplication();
    // Our own initialisation is still in force: a further one answers S_FALSE.
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_FALSE);
    CoUninitialize();
    OleUninitialize();
}

TEST(Startup, MissingInstanceOrCommandLineEndsSilentlyWith1001) {
    EXPECT_FALSE(plra::InitializeApplication(nullptr, "", SW_SHOWDEFAULT));
    EXPECT_EQ(plra::App().exitCode, 1001);
    EXPECT_FALSE(plra::InitializeApplication(GetModuleHandleA(nullptr), nullptr, SW_SHOWDEFAULT));
    EXPECT_EQ(plra::App().exitCode, 1001);
    plra::App().exitCode = 0;
}

TEST(Startup, ReadModuleVersionOfAFileWithoutVersionBlockGivesZeros) {
    test::TemporaryFolder folder;
    std::string path = folder / "plain.txt";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    plra::ModuleVersion version = plra::ReadModuleVersion(path.c_str());
    EXPECT_FALSE(version.ok);
    EXPECT_EQ(version.fileVersion, 0u);
    EXPECT_EQ(version.productVersion, 0u);
}

}  // namespace

namespace {

TEST(Startup, ComInitialisedInAnotherModeFailsWith1011AndItsMessage) {
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    test::MessageBoxWatcher watcher(GetCurrentProcessId(), "Error during initialization");
    EXPECT_FALSE(plra::InitializeApplication(GetModuleHandleA(nullptr), "", SW_SHOWDEFAULT));
    EXPECT_EQ(plra::App().exitCode, 1011);
    EXPECT_EQ(watcher.Result().text,
              "ERROR CODE 1011\r\n\r\nUnable to initialize the Windows COM library.");
    EXPECT_EQ(watcher.count(), 1);
    EXPECT_FALSE(plra::App().comInitialized);
    plra::ReleaseApplication();
    CoUninitialize();
    plra::App().exitCode = 0;
}

}  // namespace
