#include "settings/placement.h"

namespace plra {

// Arrives with the settings work: until then the dialog stays where the system put it.
MonitorAreas GetMonitorAreas(const RECT& rectangle) { return {rectangle, rectangle}; }

RECT RestoreDialogPlacement(const char*, const RECT& current) { return current; }

bool SaveDialogPlacement(HWND window, const char*) { return ::IsWindow(window) != FALSE; }

void CenterDialog(HWND, HWND) {}

}  // namespace plra
