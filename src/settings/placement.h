// The remembered position of the main dialog, fitted to the monitors of today, and the
// centring of a dialog over another window.
#pragma once

#include "platform/win.h"
#include "settings/rectangle_fitting.h"

#include <functional>
#include <string>

namespace plra {

struct MonitorAreas {
    RECT monitor;
    RECT work;
};
// The monitor nearest to `rectangle`: its whole rectangle and its work area.
MonitorAreas GetMonitorAreas(const RECT& rectangle);

// Where the dialog goes: left and top of the result; `current` when nothing was saved.
RECT RestoreDialogPlacement(const char* keyPath, const RECT& current);
// Records the window's position under keyPath; false when the window no longer exists.
bool SaveDialogPlacement(HWND window, const char* keyPath);
// Centres `dialog` over `reference` (or its monitor) inside the monitor's work area.
void CenterDialog(HWND dialog, HWND reference);

// One placement entry ("X", "Y", "CX", "CY" under keyPath), read in that order up to the
// first value that cannot be read.
StoredPlacement ReadPlacementEntry(const std::string& keyPath);
// Writes the four values in that order; the results are not needed by any caller.
void WritePlacementEntry(const std::string& keyPath, const RECT& rectangle);

// RestoreDialogPlacement with the entry reader and the monitor lookup given, so that monitor
// layouts this machine does not have can be tried.
using PlacementReader = std::function<StoredPlacement(const std::string& keyPath)>;
using MonitorLookup = std::function<MonitorAreas(const RECT& rectangle)>;
RECT RestorePlacementWith(const std::string& keyPath, const RECT& defaultRectangle,
                          const PlacementReader& read, const MonitorLookup& monitors);

// The frame the user sees: the desktop window manager's extended frame bounds when composition
// is on, otherwise the window rectangle.
RECT VisibleFrame(HWND window);

}  // namespace plra
