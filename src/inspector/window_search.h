// Finding the window the user points at: the top-level window under the point, then, pass after
// pass, the innermost visible descendant whose rectangle holds it.
#pragma once

#include "platform/win.h"

namespace plra {

// How screen points map into a window's client coordinates: x' = x * xSign + xOffset,
// y' = y + yOffset (xSign is -1 for a right-to-left mirrored window).
struct ClientMapping {
    int xSign = 1;
    LONG xOffset = 0;
    LONG yOffset = 0;
};

// What one pass of the search hands to MatchChildWindow.
struct ChildSearch {
    POINT point;  // the search point, in the client coordinates of `parent`
    HWND parent;  // the window whose descendants this pass examines
    RECT clip;    // the client rectangle of `parent`: 0, 0, client width, client height
    HWND found;   // the candidate of this pass; null at the start of every pass
    // The mapping of `parent`, measured by the pass's first callback (two conversions per
    // pass instead of two per descendant).
    ClientMapping mapping{};
    bool mappingMeasured = false;
};

// The mapping of `window` as ScreenToClient applies it.
ClientMapping MeasureClientMapping(HWND window);
POINT MapToClient(const ClientMapping& mapping, LONG x, LONG y);

// The innermost visible window under the screen point (x, y), or null. It may be one of the
// program's own windows: callers refuse those themselves.
HWND FindWindowAtPoint(int x, int y);

// The EnumChildWindows callback of one pass; `search` is the address of a ChildSearch.
BOOL CALLBACK MatchChildWindow(HWND window, LPARAM search);

// True for a button whose kind lets the search look further (style AND 7 not zero: group
// boxes, check boxes, radio buttons, default push buttons and the like).
bool IsSeeThroughButton(const char* className, LONG style);

}  // namespace plra
