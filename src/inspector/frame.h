// Drawing the inverted frame on the screen: where it goes for a window, and the inversion.
#pragma once

#include "platform/win.h"

namespace plra {

// Where a window's frame is drawn: on the client area of `target` (the window itself, or its
// nearest ancestor that is not a child window), along `rect` in that client area's coordinates.
// A failed computation gives a null target and an all-zero rectangle.
struct FrameGeometry {
    HWND target = nullptr;
    RECT rect{};
};

// WS_CHILD set and WS_POPUP clear.
bool IsChildStyle(LONG style);

FrameGeometry GetFrameGeometry(HWND window);

// Inverts the three-pixel border inside `rect` on `dc`, restoring the DC's pen, raster
// operation and current position afterwards.
void InvertFrame(HDC dc, const RECT& rect);

}  // namespace plra
