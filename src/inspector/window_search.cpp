#include "inspector/window_search.h"

#include "inspector/window_query.h"

namespace plra {

namespace {

constexpr int kClassNameSize = 257;

}  // namespace

ClientMapping MeasureClientMapping(HWND window) {
    POINT origin{0, 0};
    POINT step{1, 0};
    PLRA_QUERY(::ScreenToClient(window, &origin));
    PLRA_QUERY(::ScreenToClient(window, &step));
    ClientMapping mapping;
    mapping.xSign = step.x < origin.x ? -1 : 1;
    mapping.xOffset = origin.x;
    mapping.yOffset = origin.y;
    return mapping;
}

POINT MapToClient(const ClientMapping& mapping, LONG x, LONG y) {
    return POINT{x * mapping.xSign + mapping.xOffset, y + mapping.yOffset};
}

bool IsSeeThroughButton(const char* className, LONG style) {
    return ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, className, -1, "Button", -1) == CSTR_EQUAL &&
           (style & 7) != 0;
}

BOOL CALLBACK MatchChildWindow(HWND window, LPARAM parameter) {
    ChildSearch& search = *reinterpret_cast<ChildSearch*>(parameter);

    // The rectangle is tested before the visibility: most descendants fail it, and the result
    // is the same either way. A window destroyed meanwhile has no rectangle and holds no point.
    RECT bounds;
    if (!PLRA_QUERY(::GetWindowRect(window, &bounds))) return TRUE;
    if (!search.mappingMeasured) {
        search.mapping = MeasureClientMapping(search.parent);
        search.mappingMeasured = true;
    }
    POINT topLeft = MapToClient(search.mapping, bounds.left, bounds.top);
    POINT bottomRight = MapToClient(search.mapping, bounds.right, bounds.bottom);
    RECT mapped{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
    RECT clipped;
    ::IntersectRect(&clipped, &mapped, &search.clip);
    if (!::PtInRect(&clipped, search.point)) return TRUE;
    if (!PLRA_QUERY(::IsWindowVisible(window))) return TRUE;

    search.found = window;
    char className[kClassNameSize];
    if (!PLRA_QUERY(::GetClassNameA(window, className, kClassNameSize))) return FALSE;
    return IsSeeThroughButton(className, PLRA_QUERY(::GetWindowLongA(window, GWL_STYLE))) ? TRUE : FALSE;
}

HWND FindWindowAtPoint(int x, int y) {
    HWND under = PLRA_QUERY(::WindowFromPoint(POINT{x, y}));
    if (!under) return nullptr;
    HWND current = PLRA_QUERY(::GetAncestor(under, GA_ROOT));
    if (!current) return nullptr;

    for (;;) {
        ChildSearch search{};
        search.mapping = MeasureClientMapping(current);
        search.mappingMeasured = true;
        search.point = MapToClient(search.mapping, x, y);
        search.parent = current;
        PLRA_QUERY(::GetClientRect(current, &search.clip));
        search.found = nullptr;
        PLRA_QUERY(::EnumChildWindows(current, MatchChildWindow, reinterpret_cast<LPARAM>(&search)));
        if (!search.found) return current;
        current = search.found;
    }
}

}  // namespace plra
