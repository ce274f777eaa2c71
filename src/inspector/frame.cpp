// The inverted frame around the pointed window. Inverting is its own undo: erasing the frame
// draws the same strokes again at the window's present place.
#include "inspector/frame.h"

#include "inspector/frame_strokes.h"
#include "inspector/main_dialog.h"
#include "platform/scoped.h"

namespace plra {

namespace {

// A style read that tells a failure from a valid style of 0.
bool ReadStyle(HWND window, LONG* style) {
    ::SetLastError(ERROR_SUCCESS);
    *style = ::GetWindowLongA(window, GWL_STYLE);
    return *style != 0 || ::GetLastError() == ERROR_SUCCESS;
}

// A client-area DC of the frame's target. No DCX_CLIPCHILDREN: the strokes must show over the
// target's child windows, where a framed control lies.
HDC FrameDc(HWND target) { return ::GetDCEx(target, nullptr, DCX_PARENTCLIP); }

}  // namespace

bool IsChildStyle(LONG style) {
    const DWORD bits = static_cast<DWORD>(style);
    return (bits & WS_CHILD) != 0 && (bits & WS_POPUP) == 0;
}

FrameGeometry GetFrameGeometry(HWND window) {
    FrameGeometry geometry;
    LONG style = 0;
    if (!::IsWindow(window) || !ReadStyle(window, &style)) return geometry;

    if (!IsChildStyle(style)) {
        if (!::GetClientRect(window, &geometry.rect)) return FrameGeometry{};
        geometry.target = window;
        return geometry;
    }

    HWND ancestor = ::GetParent(window);
    for (;;) {
        if (!ancestor || !ReadStyle(ancestor, &style)) return FrameGeometry{};
        if (!IsChildStyle(style)) break;
        ancestor = ::GetParent(ancestor);
    }
    RECT rect{};
    // A window destroyed while this runs has no rectangle: no frame rather than a made-up one.
    if (!::GetWindowRect(window, &rect)) return FrameGeometry{};
    ::ScreenToClient(ancestor, reinterpret_cast<POINT*>(&rect.left));
    ::ScreenToClient(ancestor, reinterpret_cast<POINT*>(&rect.right));
    geometry.target = ancestor;
    geometry.rect = rect;
    return geometry;
}

void InvertFrame(HDC dc, const RECT& rect) {
    POINT previousPosition{};
    ::MoveToEx(dc, 0, 0, &previousPosition);
    HGDIOBJ previousPen = ::SelectObject(dc, ::GetStockObject(BLACK_PEN));
    const int previousMode = ::SetROP2(dc, R2_NOT);
    for (const FrameStroke& stroke : FrameStrokes(rect)) {
        ::MoveToEx(dc, stroke.from.x, stroke.from.y, nullptr);
        ::LineTo(dc, stroke.to.x, stroke.to.y);
    }
    ::SetROP2(dc, previousMode);
    ::SelectObject(dc, previousPen);
    ::MoveToEx(dc, previousPosition.x, previousPosition.y, nullptr);
}

}  // namespace plra

using namespace plra;

void PLRA_DlgPellora::DrawFrame(HWND window) {
    if (!window) return;
    FrameGeometry geometry = GetFrameGeometry(window);
    if (!geometry.target || geometry.target == dialogWindow) return;
    WindowDc dc(geometry.target, FrameDc(geometry.target));
    if (!dc) return;
    InvertFrame(dc.get(), geometry.rect);
    framedWindow = window;
}

void PLRA_DlgPellora::EraseFrame() {
    if (!framedWindow) return;
    FrameGeometry geometry = GetFrameGeometry(framedWindow);
    if (geometry.target && geometry.target != dialogWindow) {
        WindowDc dc(geometry.target, FrameDc(geometry.target));
        if (dc) InvertFrame(dc.get(), geometry.rect);
    }
    framedWindow = nullptr;
}
