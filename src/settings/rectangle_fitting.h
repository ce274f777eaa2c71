// The arithmetic of placing a dialog on a monitor: plain functions on rectangles, so that
// layouts no test machine has (several monitors, task bars on any side, negative coordinates,
// a visible frame smaller than the window) can be checked directly.
#pragma once

#include "platform/win.h"

#include <cstdint>
#include <string>

namespace plra {

// A placement entry as stored: left, top, width and height, signed 32-bit each.
struct PlacementValues {
    std::int32_t x, y, cx, cy;
};
// (X, Y, X + CX, Y + CY), the sums wrapping around at 32 bits as the stored values do.
RECT RectangleFromPlacement(const PlacementValues& values);
PlacementValues PlacementFromRectangle(const RECT& rectangle);

// An entry read back: `complete` only when all four values were read.
struct StoredPlacement {
    bool complete;
    RECT rectangle;
};
// A base entry worth using: complete, and its width and height not negative.
bool IsUsablePlacement(const StoredPlacement& entry);

// "<keyPath>\MonitorRectangle(left,top,right,bottom)": the entry kept for one monitor rectangle.
std::string MonitorEntryPath(const std::string& keyPath, const RECT& monitor);

// Moves `rectangle`, keeping its size, into `work`: right, then bottom, then left, then top, so
// that one larger than the work area ends on its left (top) edge and sticks out on the right
// (bottom).
RECT FitIntoWorkArea(RECT rectangle, const RECT& work);

// The rectangle to open at: the remembered one when the monitor entry confirms it (the monitor
// has not changed since the save), otherwise the default; fitted into `work`, the work area of
// the monitor nearest to the remembered (or default) rectangle.
RECT ChooseRestoredRectangle(const StoredPlacement& base, const StoredPlacement& monitorEntry,
                             const RECT& defaultRectangle, const RECT& work);

// A top-level window's normal position is kept in workspace coordinates (relative to the work
// area); this turns it into screen coordinates. Child and tool windows keep screen coordinates.
RECT NormalPositionOnScreen(RECT normalPosition, bool inWorkspaceCoordinates, const RECT& monitor,
                            const RECT& work);

// Where to put a dialog so that it is centred over `target` while its visible frame stays
// inside `work`. `frame` is the visible frame (smaller than `dialog` when the desktop window
// manager draws invisible borders); the dialog keeps its size.
POINT CenteredPosition(const RECT& dialog, const RECT& frame, const RECT& target, const RECT& work);

}  // namespace plra
