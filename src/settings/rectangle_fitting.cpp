#include "settings/rectangle_fitting.h"

#include <cstdio>

namespace plra {

namespace {

// Registry values are 32-bit patterns: their sums wrap instead of overflowing.
std::int32_t WrappingSum(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
std::int32_t WrappingDifference(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

// Widths and positions are worked out in 64 bits: remembered values come from the registry and
// may be anything a 32-bit pattern can hold.
long long Width(const RECT& r) { return static_cast<long long>(r.right) - r.left; }
long long Height(const RECT& r) { return static_cast<long long>(r.bottom) - r.top; }

LONG Wrap(long long value) { return static_cast<LONG>(static_cast<std::uint32_t>(value)); }

void Shift(RECT& r, long long dx, long long dy) {
    r = {Wrap(r.left + dx), Wrap(r.top + dy), Wrap(r.right + dx), Wrap(r.bottom + dy)};
}

bool SameRectangle(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

RECT RectangleFromPlacement(const PlacementValues& values) {
    return {values.x, values.y, WrappingSum(values.x, values.cx), WrappingSum(values.y, values.cy)};
}

PlacementValues PlacementFromRectangle(const RECT& rectangle) {
    return {rectangle.left, rectangle.top, WrappingDifference(rectangle.right, rectangle.left),
            WrappingDifference(rectangle.bottom, rectangle.top)};
}

bool IsUsablePlacement(const StoredPlacement& entry) {
    return entry.complete && entry.rectangle.left <= entry.rectangle.right &&
           entry.rectangle.top <= entry.rectangle.bottom;
}

std::string MonitorEntryPath(const std::string& keyPath, const RECT& monitor) {
    char name[80];
    std::snprintf(name, sizeof name, "MonitorRectangle(%ld,%ld,%ld,%ld)", static_cast<long>(monitor.left),
                  static_cast<long>(monitor.top), static_cast<long>(monitor.right),
                  static_cast<long>(monitor.bottom));
    return keyPath + "\\" + name;
}

RECT FitIntoWorkArea(RECT rectangle, const RECT& work) {
    long long dx = 0, dy = 0;
    if (rectangle.right > work.right) dx = static_cast<long long>(work.right) - rectangle.right;
    if (rectangle.bottom > work.bottom) dy = static_cast<long long>(work.bottom) - rectangle.bottom;
    if (rectangle.left + dx < work.left) dx = static_cast<long long>(work.left) - rectangle.left;
    if (rectangle.top + dy < work.top) dy = static_cast<long long>(work.top) - rectangle.top;
    Shift(rectangle, dx, dy);
    return rectangle;
}

RECT ChooseRestoredRectangle(const StoredPlacement& base, const StoredPlacement& monitorEntry,
                             const RECT& defaultRectangle, const RECT& work) {
    bool confirmed = IsUsablePlacement(base) && monitorEntry.complete &&
                     SameRectangle(monitorEntry.rectangle, base.rectangle);
    return FitIntoWorkArea(confirmed ? base.rectangle : defaultRectangle, work);
}

RECT NormalPositionOnScreen(RECT normalPosition, bool inWorkspaceCoordinates, const RECT& monitor,
                            const RECT& work) {
    if (inWorkspaceCoordinates)
        Shift(normalPosition, static_cast<long long>(work.left) - monitor.left,
              static_cast<long long>(work.top) - monitor.top);
    return normalPosition;
}

POINT CenteredPosition(const RECT& dialog, const RECT& frame, const RECT& target, const RECT& work) {
    // Half the difference on each side: zero or negative, the invisible border's width.
    const long long dx = (Width(frame) - Width(dialog)) / 2;
    const long long dy = (Height(frame) - Height(dialog)) / 2;
    long long x = target.left + (Width(target) - Width(dialog)) / 2;
    long long y = target.top + (Height(target) - Height(dialog)) / 2;
    if (x + Width(dialog) + dx > work.right) x = work.right - Width(dialog) - dx;
    if (y + Height(dialog) + dy > work.bottom) y = work.bottom - Height(dialog) - dy;
    if (x - dx < work.left) x = work.left + dx;
    if (y - dy < work.top) y = work.top + dy;
    return {Wrap(x), Wrap(y)};
}

}  // namespace plra
