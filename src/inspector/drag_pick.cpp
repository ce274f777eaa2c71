// Drag-to-pick with the target icon. (The drag itself arrives with the picking work; until
// then the mouse handlers only answer the messages.)
#include "inspector/main_dialog.h"

#include "app/app_context.h"
#include "resources/resource_ids.h"

BOOL PLRA_DlgPellora::OnLButtonDown() { return TRUE; }

BOOL PLRA_DlgPellora::OnMouseMove() { return TRUE; }

BOOL PLRA_DlgPellora::OnLButtonUp() { return TRUE; }

BOOL PLRA_DlgPellora::OnCaptureChanged() { return TRUE; }

void PLRA_DlgPellora::EndPicking() { dragging = false; }

void PLRA_DlgPellora::SetTargetImage(bool whileDragging) {
    int id = whileDragging ? PLRA_ICO_TARGET_EMPTY : PLRA_ICO_TARGET;
    HANDLE icon = ::LoadImageA(plra::App().instance, MAKEINTRESOURCEA(id), IMAGE_ICON, 32, 32,
                               LR_DEFAULTCOLOR);
    HANDLE previous = reinterpret_cast<HANDLE>(
        ::SendMessageA(targetControl, STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon)));
    if (previous) ::DestroyIcon(static_cast<HICON>(previous));
}
