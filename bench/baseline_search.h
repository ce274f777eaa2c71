// The straightforward window search that the optimised one is measured against: for every
// descendant its visibility, its window rectangle and two point conversions. Shared by the
// benchmark and by the test that checks both searches find the same window.
#pragma once

#include "inspector/window_query.h"
#include "inspector/window_search.h"

namespace bench {

struct BaselineSearch {
    POINT point;
    HWND parent;
    RECT clip;
    HWND found;
};

inline BOOL CALLBACK MatchChildBaseline(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<BaselineSearch*>(parameter);
    if (!PLRA_QUERY(::IsWindowVisible(window))) return TRUE;
    RECT bounds{};
    if (!PLRA_QUERY(::GetWindowRect(window, &bounds))) return TRUE;
    PLRA_QUERY(::ScreenToClient(search.parent, reinterpret_cast<POINT*>(&bounds.left)));
    PLRA_QUERY(::ScreenToClient(search.parent, reinterpret_cast<POINT*>(&bounds.right)));
    RECT clipped;
    ::IntersectRect(&clipped, &bounds, &search.clip);
    if (!::PtInRect(&clipped, search.point)) return TRUE;
    search.found = window;
    char className[257];
    if (!PLRA_QUERY(::GetClassNameA(window, className, sizeof className))) return FALSE;
    return plra::IsSeeThroughButton(className, PLRA_QUERY(::GetWindowLongA(window, GWL_STYLE))) ? TRUE : FALSE;
}

inline HWND FindWindowAtPointBaseline(int x, int y) {
    HWND under = PLRA_QUERY(::WindowFromPoint(POINT{x, y}));
    if (!under) return nullptr;
    HWND current = PLRA_QUERY(::GetAncestor(under, GA_ROOT));
    if (!current) return nullptr;
    for (;;) {
        BaselineSearch search{POINT{x, y}, current, RECT{}, nullptr};
        PLRA_QUERY(::ScreenToClient(current, &search.point));
        PLRA_QUERY(::GetClientRect(current, &search.clip));
        PLRA_QUERY(::EnumChildWindows(current, MatchChildBaseline, reinterpret_cast<LPARAM>(&search)));
        if (!search.found) return current;
        current = search.found;
    }
}

}  // namespace bench
