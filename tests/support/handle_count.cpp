#include "support/handle_count.h"

#include "platform/win.h"

namespace test {

namespace {

template <typename Predicate>
int CountIndices(unsigned first, unsigned last, unsigned step, Predicate live) {
    int count = 0;
    for (unsigned value = first; value <= last; value += step)
        if (live(reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(value)))) ++count;
    return count;
}

// Window-manager handles (windows, menus, icons) are 0x20 + 2 x index.
constexpr unsigned kFirstUserHandle = 0x0020;
constexpr unsigned kLastUserHandle = 0xFFEF;

}  // namespace

int CountGdiObjects() {
    return CountIndices(1, 0xFFFF, 1, [](HANDLE h) { return GetObjectType(static_cast<HGDIOBJ>(h)) != 0; });
}

int CountMenus() {
    return CountIndices(kFirstUserHandle, kLastUserHandle, 2,
                        [](HANDLE h) { return IsMenu(static_cast<HMENU>(h)) != FALSE; });
}

int CountIcons() {
    return CountIndices(kFirstUserHandle, kLastUserHandle, 2, [](HANDLE h) {
        // Windows and menus are refused by GetIconInfo; the bitmaps it copies go at once.
        if (IsWindow(static_cast<HWND>(h)) || IsMenu(static_cast<HMENU>(h))) return false;
        ICONINFO info{};
        if (!GetIconInfo(static_cast<HICON>(h), &info)) return false;
        if (info.hbmColor) DeleteObject(info.hbmColor);
        if (info.hbmMask) DeleteObject(info.hbmMask);
        return true;
    });
}

}  // namespace test
