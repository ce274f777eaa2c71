// The placement memory with real windows, real keys and the real monitor of this display: what a
// save stores, what a restore opens at, the running dialog saved and reopened, and centring with
// the desktop window manager absent, failing or drawing invisible borders.
#include "settings/placement.h"

#include "app/app_context.h"
#include "support/dialog_fixture.h"
#include "support/harness.h"
#include "support/settings_key.h"

#include <gtest/gtest.h>

#include <string>

namespace {

RECT WindowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

RECT PrimaryMonitor() {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoA(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
    return info.rcMonitor;
}

// A plain top-level popup window of the test, destroyed at the end.
class TestWindow {
public:
    TestWindow(int x, int y, int width, int height, DWORD exStyle = 0) {
        window_ = CreateWindowExA(exStyle, "Static", "placement test", WS_POPUP | WS_CAPTION | WS_VISIBLE, x, y,
                                  width, height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        test::PumpMessages();
    }
    ~TestWindow() { if (window_) DestroyWindow(window_); }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    HWND get() const { return window_; }

private:
    HWND window_ = nullptr;
};

class Placement : public testing::Test {
protected:
    void SetUp() override {
        test::InitializeAppOnce();
        monitor = PrimaryMonitor();
        monitorKey = plra::MonitorEntryPath(test::kMainWindowKey, monitor);
    }
    void ExpectEntry(const std::string& keyPath, std::int32_t x, std::int32_t y, std::int32_t cx, std::int32_t cy) {
        SCOPED_TRACE(keyPath);
        const std::pair<const char*, std::int32_t> values[] = {{"X", x}, {"Y", y}, {"CX", cx}, {"CY", cy}};
        for (const auto& [name, value] : values) {
            test::RawValue raw = test::ReadRawValue(keyPath, name);
            ASSERT_TRUE(raw.exists) << name;
            EXPECT_EQ(raw.type, static_cast<DWORD>(REG_DWORD)) << name;
            ASSERT_EQ(raw.data.size(), 4u) << name;
            std::int32_t stored = static_cast<std::int32_t>(raw.data[0] | raw.data[1] << 8 | raw.data[2] << 16 |
                                                            static_cast<std::uint32_t>(raw.data[3]) << 24);
            EXPECT_EQ(stored, value) << name;
        }
    }
    void WriteEntry(const std::string& keyPath, std::int32_t x, std::int32_t y, std::int32_t cx, std::int32_t cy) {
        test::WriteDword(keyPath, "X", static_cast<DWORD>(x));
        test::WriteDword(keyPath, "Y", static_cast<DWORD>(y));
        test::WriteDword(keyPath, "CX", static_cast<DWORD>(cx));
        test::WriteDword(keyPath, "CY", static_cast<DWORD>(cy));
    }
    test::FreshSettings fresh;
    RECT monitor{};
    std::string monitorKey;
};

TEST_F(Placement, MonitorAreasOfThisDisplay) {
    // Xvfb shows one monitor without task bars: every rectangle, near or far, gets it.
    for (RECT r : {RECT{100, 100, 200, 200}, RECT{-5000, -5000, -4000, -4000}, RECT{9000, 100, 9100, 200}}) {
        plra::MonitorAreas areas = plra::GetMonitorAreas(r);
        EXPECT_EQ(areas.monitor.left, 0);
        EXPECT_EQ(areas.monitor.top, 0);
        EXPECT_EQ(areas.monitor.right, GetSystemMetrics(SM_CXSCREEN));
        EXPECT_EQ(areas.monitor.bottom, GetSystemMetrics(SM_CYSCREEN));
        RECT work{};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        EXPECT_EQ(areas.work.left, work.left);
        EXPECT_EQ(areas.work.bottom, work.bottom);
    }
}

TEST_F(Placement, SavingStoresTheBaseAndTheMonitorEntry) {
    TestWindow window(150, 130, 300, 200);
    ASSERT_TRUE(window.get());
    ASSERT_EQ(WindowRect(window.get()).left, 150);
    EXPECT_TRUE(plra::SaveDialogPlacement(window.get(), test::kMainWindowKey));
    ExpectEntry(test::kMainWindowKey, 150, 130, 300, 200);
    ExpectEntry(monitorKey, 150, 130, 300, 200);
    EXPECT_EQ(test::ValueNames(test::kMainWindowKey).size(), 4u);
}

TEST_F(Placement, AMinimisedWindowSavesItsRestoredPosition) {
    TestWindow window(210, 90, 320, 240);
    ShowWindow(window.get(), SW_MINIMIZE);
    ASSERT_TRUE(test::WaitUntil([&] { return IsIconic(window.get()) != FALSE; }));
    EXPECT_TRUE(plra::SaveDialogPlacement(window.get(), test::kMainWindowKey));
    ExpectEntry(test::kMainWindowKey, 210, 90, 320, 240);
}

TEST_F(Placement, AToolWindowSavesItsPositionToo) {
    TestWindow window(40, 60, 200, 100, WS_EX_TOOLWINDOW);
    EXPECT_TRUE(plra::SaveDialogPlacement(window.get(), test::kMainWindowKey));
    ExpectEntry(test::kMainWindowKey, 40, 60, 200, 100);
}

TEST_F(Placement, AWindowThatIsGoneSavesNothing) {
    HWND gone;
    {
        TestWindow window(150, 130, 300, 200);
        gone = window.get();
    }
    EXPECT_FALSE(plra::SaveDialogPlacement(gone, test::kMainWindowKey));
    EXPECT_FALSE(test::KeyExists(test::kMakerKey));
}

TEST_F(Placement, ReadingAnEntryStopsAtTheFirstUnreadableValue) {
    WriteEntry(test::kMainWindowKey, -1200, 50, 420, 380);
    plra::StoredPlacement entry = plra::ReadPlacementEntry(test::kMainWindowKey);
    ASSERT_TRUE(entry.complete);
    EXPECT_EQ(entry.rectangle.left, -1200);
    EXPECT_EQ(entry.rectangle.top, 50);
    EXPECT_EQ(entry.rectangle.right, -780);
    EXPECT_EQ(entry.rectangle.bottom, 430);

    test::WriteRawValue(test::kMainWindowKey, "CX", REG_SZ, {'4', '2', '0', 0});
    EXPECT_FALSE(plra::ReadPlacementEntry(test::kMainWindowKey).complete);
    test::WriteDword(test::kMainWindowKey, "CX", 420);
    RegDeleteKeyValueA(HKEY_CURRENT_USER, test::kMainWindowKey, "CY");
    EXPECT_FALSE(plra::ReadPlacementEntry(test::kMainWindowKey).complete);
}

struct RestoreCase {
    const char* name;
    bool writeBase, writeMonitorEntry;
    std::int32_t monitorEntryX;  // differs from the base's 100 when the entry should not confirm
    std::int32_t cx;
    bool expectSaved;
};

const RestoreCase kRestores[] = {
    {"ConfirmedEntry", true, true, 100, 420, true},
    {"NoEntryAtAll", false, false, 100, 420, false},
    {"BaseWithoutMonitorEntry", true, false, 100, 420, false},
    {"MonitorEntryOfAnotherRectangle", true, true, 101, 420, false},
    {"NegativeWidth", true, true, 100, -420, false},
};

class Restoring : public Placement, public testing::WithParamInterface<RestoreCase> {};

TEST_P(Restoring, OpensAtTheSavedPlaceOnlyWhenConfirmed) {
    const RestoreCase& c = GetParam();
    if (c.writeBase) WriteEntry(test::kMainWindowKey, 100, 120, c.cx, 380);
    if (c.writeMonitorEntry) WriteEntry(monitorKey, c.monitorEntryX, 120, c.cx, 380);
    const RECT current{500, 300, 920, 680};
    RECT placed = plra::RestoreDialogPlacement(test::kMainWindowKey, current);
    EXPECT_EQ(placed.left, c.expectSaved ? 100 : current.left);
    EXPECT_EQ(placed.top, c.expectSaved ? 120 : current.top);
    // Restoring reads only: nothing is created where nothing was.
    if (!c.writeBase) {
        EXPECT_FALSE(test::KeyExists(test::kMakerKey));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Restoring, testing::ValuesIn(kRestores),
                         [](const auto& instance) { return std::string(instance.param.name); });

TEST_F(Placement, ADefaultOffTheScreenIsMovedOntoIt) {
    const RECT current{monitor.right - 100, monitor.bottom - 50, monitor.right + 320, monitor.bottom + 330};
    RECT placed = plra::RestoreDialogPlacement(test::kMainWindowKey, current);
    plra::MonitorAreas areas = plra::GetMonitorAreas(current);
    EXPECT_EQ(placed.left, areas.work.right - 420);
    EXPECT_EQ(placed.top, areas.work.bottom - 380);
}

// The running main dialog, moved, saved, and opened again in a second run.
TEST_F(Placement, TheMainDialogReopensWhereItWasSaved) {
    std::string keyPath = std::string(plra::App().registryKeyPath) + "\\MainWindow";
    RECT firstRun{}, saved{};
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) {
        firstRun = WindowRect(dialog.dialogWindow);
        SetWindowPos(dialog.dialogWindow, nullptr, 160, 140, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        saved = WindowRect(dialog.dialogWindow);
        EXPECT_TRUE(plra::SaveDialogPlacement(dialog.dialogWindow, keyPath.c_str()));
    });
    ASSERT_EQ(saved.left, 160);
    ASSERT_NE(firstRun.left, 160);
    ExpectEntry(test::kMainWindowKey, 160, 140, saved.right - saved.left, saved.bottom - saved.top);
    ExpectEntry(monitorKey, 160, 140, saved.right - saved.left, saved.bottom - saved.top);

    RECT secondRun{};
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) { secondRun = WindowRect(dialog.dialogWindow); });
    EXPECT_EQ(secondRun.left, 160);
    EXPECT_EQ(secondRun.top, 140);
    EXPECT_EQ(secondRun.right - secondRun.left, saved.right - saved.left);

    // A monitor entry that no longer matches: back at the first run's place.
    test::WriteDword(monitorKey, "X", 161);
    RECT thirdRun{};
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) { thirdRun = WindowRect(dialog.dialogWindow); });
    EXPECT_EQ(thirdRun.left, firstRun.left);
    EXPECT_EQ(thirdRun.top, firstRun.top);
}

// Stand-ins for the desktop window manager's two functions, switched in for one test.
struct DwmBehaviour {
    const char* name;
    bool present;
    HRESULT compositionResult;
    BOOL composition;
    HRESULT attributeResult;
    RECT inset;      // the invisible border the frame bounds leave out
    RECT expectedInset;  // what the visible frame should leave out
};

const DwmBehaviour* g_dwm = nullptr;

HRESULT WINAPI FakeIsCompositionEnabled(BOOL* enabled) {
    *enabled = g_dwm->composition;
    return g_dwm->compositionResult;
}

HRESULT WINAPI FakeGetWindowAttribute(HWND window, DWORD attribute, PVOID value, DWORD size) {
    if (attribute != 9 || size != sizeof(RECT)) return E_INVALIDARG;
    RECT r = WindowRect(window);
    r = {r.left + g_dwm->inset.left, r.top + g_dwm->inset.top, r.right - g_dwm->inset.right,
         r.bottom - g_dwm->inset.bottom};
    *static_cast<RECT*>(value) = r;
    return g_dwm->attributeResult;
}

const DwmBehaviour kDwm[] = {
    {"Absent", false, S_OK, TRUE, S_OK, {7, 0, 7, 7}, {0, 0, 0, 0}},
    {"CompositionOff", true, S_OK, FALSE, S_OK, {7, 0, 7, 7}, {0, 0, 0, 0}},
    {"CompositionQueryFails", true, E_FAIL, TRUE, S_OK, {7, 0, 7, 7}, {0, 0, 0, 0}},
    {"FrameBoundsFail", true, S_OK, TRUE, E_NOTIMPL, {7, 0, 7, 7}, {0, 0, 0, 0}},
    {"InvisibleBorders", true, S_OK, TRUE, S_OK, {7, 0, 7, 7}, {7, 0, 7, 7}},
};

class CentringWithTheWindowManager : public Placement, public testing::WithParamInterface<DwmBehaviour> {
protected:
    void SetUp() override {
        Placement::SetUp();
        plra::AppContext& app = plra::App();
        saved = {app.dwmLibrary, app.dwmIsCompositionEnabled, app.dwmGetWindowAttribute};
        g_dwm = &GetParam();
        if (GetParam().present) {
            // Any loaded module stands for the library: only the function addresses are called.
            app.dwmLibrary = GetModuleHandleA(nullptr);
            app.dwmIsCompositionEnabled = FakeIsCompositionEnabled;
            app.dwmGetWindowAttribute = FakeGetWindowAttribute;
        } else {
            app.dwmLibrary = nullptr;
            app.dwmIsCompositionEnabled = nullptr;
            app.dwmGetWindowAttribute = nullptr;
        }
    }
    void TearDown() override {
        plra::AppContext& app = plra::App();
        app.dwmLibrary = saved.library;
        app.dwmIsCompositionEnabled = saved.composition;
        app.dwmGetWindowAttribute = saved.attribute;
        g_dwm = nullptr;
    }
    struct {
        HMODULE library;
        plra::DwmIsCompositionEnabledFn composition;
        plra::DwmGetWindowAttributeFn attribute;
    } saved{};
};

TEST_P(CentringWithTheWindowManager, KeepsTheVisibleFrameOnTheScreen) {
    const DwmBehaviour& b = GetParam();
    TestWindow dialog(10, 10, 330, 280);
    RECT d = WindowRect(dialog.get());
    RECT frame = plra::VisibleFrame(dialog.get());
    EXPECT_EQ(frame.left, d.left + b.expectedInset.left);
    EXPECT_EQ(frame.right, d.right - b.expectedInset.right);
    EXPECT_EQ(frame.bottom, d.bottom - b.expectedInset.bottom);

    // A reference hanging over the bottom right corner of the screen.
    const RECT work = plra::GetMonitorAreas(monitor).work;
    TestWindow reference(work.right - 200, work.bottom - 150, 400, 500);
    plra::CenterDialog(dialog.get(), reference.get());
    RECT placed = WindowRect(dialog.get());
    // dx and dy are half the differences, truncated: -7 and -3 with invisible borders.
    int dx = -(b.expectedInset.left + b.expectedInset.right) / 2;
    int dy = -(b.expectedInset.top + b.expectedInset.bottom) / 2;
    EXPECT_EQ(placed.left, work.right - 330 - dx);
    EXPECT_EQ(placed.top, work.bottom - 280 - dy);
    EXPECT_EQ(placed.right - placed.left, 330);

    // Without a reference: the middle of the work area.
    plra::CenterDialog(dialog.get(), nullptr);
    placed = WindowRect(dialog.get());
    EXPECT_EQ(placed.left, work.left + (work.right - work.left - 330) / 2);
    EXPECT_EQ(placed.top, work.top + (work.bottom - work.top - 280) / 2);
}

INSTANTIATE_TEST_SUITE_P(Cases, CentringWithTheWindowManager, testing::ValuesIn(kDwm),
                         [](const auto& instance) { return std::string(instance.param.name); });

// This system's own dwmapi.dll (Wine's: composition off, frame bounds not implemented).
TEST_F(Placement, TheSystemsWindowManagerLeavesTheWindowRectangle) {
    TestWindow dialog(10, 10, 330, 280);
    RECT d = WindowRect(dialog.get()), frame = plra::VisibleFrame(dialog.get());
    EXPECT_EQ(frame.left, d.left);
    EXPECT_EQ(frame.top, d.top);
    EXPECT_EQ(frame.right, d.right);
    EXPECT_EQ(frame.bottom, d.bottom);
    TestWindow reference(100, 100, 500, 400);
    plra::CenterDialog(dialog.get(), reference.get());
    RECT placed = WindowRect(dialog.get());
    EXPECT_EQ(placed.left, 100 + (500 - 330) / 2);
    EXPECT_EQ(placed.top, 100 + (400 - 280) / 2);
}

}  // namespace
