// The remembered position of the main dialog, fitted to the monitors of today, and the
// centring of a dialog over another window.
#pragma once

#include "platform/win.h"

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

}  // namespace plra
