#include "settings/placement.h"

#include "app/app_context.h"
#include "settings/registry_store.h"

namespace plra {

namespace {

// From dwmapi.h, which the program does not include: the library is loaded at run time.
constexpr DWORD kDwmExtendedFrameBounds = 9;  // DWMWA_EXTENDED_FRAME_BOUNDS

constexpr const char* kPlacementValueNames[4] = {"X", "Y", "CX", "CY"};

}  // namespace

MonitorAreas GetMonitorAreas(const RECT& rectangle) {
    if (HMONITOR monitor = ::MonitorFromRect(&rectangle, MONITOR_DEFAULTTONEAREST)) {
        MONITORINFOEXA info{};
        info.cbSize = sizeof info;  // 72: the extended record, which carries the device name too
        if (::GetMonitorInfoA(monitor, &info)) return {info.rcMonitor, info.rcWork};
    }
    // Without monitor information the primary screen and the system's work area stand in.
    MonitorAreas areas{};
    areas.monitor = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    if (!::SystemParametersInfoA(SPI_GETWORKAREA, 0, &areas.work, 0)) areas.work = areas.monitor;
    return areas;
}

StoredPlacement ReadPlacementEntry(const std::string& keyPath) {
    std::int32_t values[4] = {};
    for (int i = 0; i < 4; ++i) {
        RegistryDword read = ReadRegistryDword(keyPath.c_str(), kPlacementValueNames[i], 0);
        if (read.error != ERROR_SUCCESS) return {false, {0, 0, 0, 0}};
        values[i] = static_cast<std::int32_t>(read.value);
    }
    return {true, RectangleFromPlacement({values[0], values[1], values[2], values[3]})};
}

void WritePlacementEntry(const std::string& keyPath, const RECT& rectangle) {
    const PlacementValues values = PlacementFromRectangle(rectangle);
    const std::int32_t ordered[4] = {values.x, values.y, values.cx, values.cy};
    for (int i = 0; i < 4; ++i)
        WriteRegistryDword(keyPath.c_str(), kPlacementValueNames[i], static_cast<std::uint32_t>(ordered[i]));
}

RECT RestorePlacementWith(const std::string& keyPath, const RECT& defaultRectangle,
                          const PlacementReader& read, const MonitorLookup& monitors) {
    const StoredPlacement base = read(keyPath);
    const bool usable = IsUsablePlacement(base);
    const MonitorAreas areas = monitors(usable ? base.rectangle : defaultRectangle);
    // The per-monitor entry tells whether the monitor still has the rectangle it had at the save.
    const StoredPlacement monitorEntry =
        usable ? read(MonitorEntryPath(keyPath, areas.monitor)) : StoredPlacement{false, {0, 0, 0, 0}};
    return ChooseRestoredRectangle(base, monitorEntry, defaultRectangle, areas.work);
}

RECT RestoreDialogPlacement(const char* keyPath, const RECT& current) {
    return RestorePlacementWith(keyPath, current, ReadPlacementEntry, GetMonitorAreas);
}

bool SaveDialogPlacement(HWND window, const char* keyPath) {
    if (!::IsWindow(window)) return false;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;  // 44
    ::GetWindowPlacement(window, &placement);
    // rcNormalPosition is the restored position, also while the window is minimised.
    const MonitorAreas areas = GetMonitorAreas(placement.rcNormalPosition);
    const bool inWorkspace = !(::GetWindowLongA(window, GWL_STYLE) & WS_CHILD) &&
                             !(::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    const RECT onScreen = NormalPositionOnScreen(placement.rcNormalPosition, inWorkspace, areas.monitor, areas.work);
    WritePlacementEntry(keyPath, onScreen);
    // Keyed by the monitor found before the shift, as the restore will look it up.
    WritePlacementEntry(MonitorEntryPath(keyPath, areas.monitor), onScreen);
    return true;
}

RECT VisibleFrame(HWND window) {
    RECT frame{};
    const AppContext& app = App();
    if (app.dwmLibrary && app.dwmIsCompositionEnabled && app.dwmGetWindowAttribute) {
        BOOL composition = FALSE;
        if (SUCCEEDED(app.dwmIsCompositionEnabled(&composition)) && composition &&
            SUCCEEDED(app.dwmGetWindowAttribute(window, kDwmExtendedFrameBounds, &frame, sizeof frame)))
            return frame;
    }
    ::GetWindowRect(window, &frame);
    return frame;
}

void CenterDialog(HWND dialog, HWND reference) {
    RECT dialogRect{};
    ::GetWindowRect(dialog, &dialogRect);
    const RECT frame = VisibleFrame(dialog);
    RECT referenceRect = dialogRect;
    if (reference) ::GetWindowRect(reference, &referenceRect);
    const RECT work = GetMonitorAreas(referenceRect).work;
    const POINT at = CenteredPosition(dialogRect, frame, reference ? referenceRect : work, work);
    ::SetWindowPos(dialog, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

}  // namespace plra
