#include "inspector/frame_strokes.h"

namespace plra {

std::vector<FrameStroke> FrameStrokes(const RECT& rect) {
    std::vector<FrameStroke> strokes;
    const LONG left = rect.left, top = rect.top;
    const LONG width = rect.right - rect.left, height = rect.bottom - rect.top;

    // Rows alternate between the top and the bottom edge, each drawn only once the height
    // leaves room for it beside the rows already drawn.
    const LONG rowAt[6] = {top, top + height - 1, top + 1, top + height - 2, top + 2, top + height - 3};
    if (width >= 1)
        for (LONG i = 0; i < 6 && height >= i + 1; ++i)
            strokes.push_back({POINT{left, rowAt[i]}, POINT{left + width, rowAt[i]}});

    // Columns skip the three top and three bottom rows, which the rows already cover.
    const LONG columnAt[6] = {left, left + width - 1, left + 1, left + width - 2, left + 2, left + width - 3};
    if (height >= 7)
        for (LONG i = 0; i < 6 && width >= i + 1; ++i)
            strokes.push_back({POINT{columnAt[i], top + 3}, POINT{columnAt[i], top + height - 3}});
    return strokes;
}

}  // namespace plra
