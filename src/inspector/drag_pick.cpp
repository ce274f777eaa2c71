// Drag-to-pick with the target icon: a small state machine on the dialog's mouse messages.
// The icon control lets clicks through (no SS_NOTIFY), so presses on it arrive here in dialog
// client coordinates.
#include "inspector/main_dialog.h"

#include "app/app_context.h"
#include "inspector/window_search.h"
#include "resources/resource_ids.h"

using namespace plra;

namespace {

// The signed 16-bit client coordinates of a mouse message: negative left of or above the
// client area while the mouse is captured.
POINT MessagePoint(LPARAM lParam) {
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

bool Inside(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

}  // namespace

BOOL PLRA_DlgPellora::OnLButtonDown() {
    if (!Inside(targetRect, MessagePoint(currentMessage->lParam))) return TRUE;
    dragging = true;
    ::SetCapture(dialogWindow);
    ::SetCursor(dragCursor);
    SetTargetImage(true);
    ShowWindowInfo(nullptr);
    FocusMenuButton();
    SetControlEnabled(menuButton, false);
    SetControlEnabled(::GetDlgItem(dialogWindow, PLRA_ID_KEEP_ON_TOP), false);
    SetControlEnabled(::GetDlgItem(dialogWindow, PLRA_ID_FIND_ROOT), false);
    SetControlEnabled(::GetDlgItem(dialogWindow, PLRA_ID_DRAW_FRAME), false);
    ::SetFocus(dialogWindow);
    return TRUE;
}

BOOL PLRA_DlgPellora::OnMouseMove() {
    POINT point = MessagePoint(currentMessage->lParam);
    ::ClientToScreen(dialogWindow, &point);
    if (!dragging) return TRUE;

    const bool framing = drawInvertedFrame && !autoFindRootParent;
    HWND found = FindWindowAtPoint(point.x, point.y);
    if (!found || !::IsWindow(found)) {
        if (framing && framedWindow) EraseFrame();
        ShowWindowInfo(nullptr);
        return TRUE;
    }
    if (framing) {
        if (framedWindow && framedWindow != found) EraseFrame();
        if (!framedWindow) DrawFrame(found);
    }
    ShowWindowInfo(found);
    return TRUE;
}

BOOL PLRA_DlgPellora::OnLButtonUp() {
    POINT point = MessagePoint(currentMessage->lParam);
    ::ClientToScreen(dialogWindow, &point);
    if (!dragging) return TRUE;

    if (drawInvertedFrame && !autoFindRootParent && framedWindow) EraseFrame();
    dragging = false;
    // Sends WM_CAPTURECHANGED before it returns: OnCaptureChanged re-enables the controls.
    ::ReleaseCapture();
    SetTargetImage(false);
    HWND found = FindWindowAtPoint(point.x, point.y);
    ShowWindowInfo(found && ::IsWindow(found) ? found : nullptr);
    return TRUE;
}

BOOL PLRA_DlgPellora::OnCaptureChanged() {
    if (reinterpret_cast<HWND>(currentMessage->lParam) == dialogWindow) return TRUE;
    if (drawInvertedFrame && !autoFindRootParent && framedWindow) EraseFrame();
    dragging = false;
    SetTargetImage(false);
    SetControlEnabled(::GetDlgItem(dialogWindow, PLRA_ID_KEEP_ON_TOP), true);
    SetControlEnabled(::GetDlgItem(dialogWindow, PLRA_ID_FIND_ROOT), true);
    SetControlEnabled(::GetDlgItem(dialogWindow, PLRA_ID_DRAW_FRAME), !autoFindRootParent);
    SetControlEnabled(menuButton, true);
    FocusMenuButton();
    return TRUE;
}

void PLRA_DlgPellora::EndPicking() {
    if (drawInvertedFrame && !autoFindRootParent && framedWindow) EraseFrame();
    dragging = false;
    ::ReleaseCapture();
}

void PLRA_DlgPellora::SetTargetImage(bool whileDragging) {
    int id = whileDragging ? PLRA_ICO_TARGET_EMPTY : PLRA_ICO_TARGET;
    HANDLE icon = ::LoadImageA(App().instance, MAKEINTRESOURCEA(id), IMAGE_ICON, 32, 32,
                               LR_DEFAULTCOLOR);
    HANDLE previous = reinterpret_cast<HANDLE>(
        ::SendMessageA(targetControl, STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon)));
    if (previous) ::DestroyIcon(static_cast<HICON>(previous));
}
