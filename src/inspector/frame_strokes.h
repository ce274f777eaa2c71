// The strokes of the inverted frame: a border three pixels thick inside a rectangle, made of at
// most twelve one-pixel lines of which no two share a pixel, so that inverting them all once
// inverts every border pixel exactly once (and a second drawing restores the screen).
#pragma once

#include "platform/win.h"

#include <vector>

namespace plra {

// One stroke: MoveToEx to `from`, LineTo `to` (which leaves out its end point).
struct FrameStroke {
    POINT from;
    POINT to;
};

// The strokes for `rect`, in drawing order: up to six rows, then up to six columns. An empty
// rectangle (width or height 0 or less) has none.
std::vector<FrameStroke> FrameStrokes(const RECT& rect);

}  // namespace plra
