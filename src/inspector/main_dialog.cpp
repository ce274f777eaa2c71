#include "inspector/main_dialog.h"

#include "app/app_context.h"
#include "inspector/clipboard_copy.h"
#include "menu/popup_menu.h"
#include "platform/sound.h"
#include "resources/resource_ids.h"
#include "settings/placement.h"
#include "settings/registry_store.h"

#include <cstdio>

using namespace plra;

namespace {

// SWP_NOSIZE | SWP_NOACTIVATE: place the dialog without resizing it or taking the focus.
constexpr UINT kPlaceFlags = SWP_NOSIZE | SWP_NOACTIVATE;
constexpr UINT kZOrderFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;

void PlayCheckSound(bool ticked) { PlayResourceSound(ticked ? PLRA_WAV_TICKED : PLRA_WAV_CLEARED); }

HICON LoadSmallIcon(int id) {
    return static_cast<HICON>(::LoadImageA(App().instance, MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16,
                                           LR_DEFAULTCOLOR));
}

}  // namespace

PLRA_DlgPellora::PLRA_DlgPellora(HINSTANCE instance)
    : resourceInstance(instance ? instance : App().instance) {
    char name[16];
    std::snprintf(name, sizeof name, "#%lu", static_cast<unsigned long>(PLRA_DLG_MAIN));
    templateName = name;
    webPageAddress = PLRA_WEB_PAGE_ADDRESS;
    // A missing cursor is refused by OnInitDialog, not here.
    dragCursor = ::LoadCursorA(App().instance, MAKEINTRESOURCEA(PLRA_CUR_CROSSHAIR));
}

INT_PTR PLRA_DlgPellora::RunModal() {
    const char* dialogTemplate = nullptr;
    if (!templateName.empty() && templateName[0] == '#') {
        unsigned number = 0;
        if (std::sscanf(templateName.c_str() + 1, "%u", &number) == 1)
            dialogTemplate = MAKEINTRESOURCEA(number & 0xFFFF);
    } else {
        dialogTemplate = templateName.c_str();
    }
    dialogResult = ::DialogBoxParamA(resourceInstance, dialogTemplate, ownerWindow, DialogProcedure,
                                     reinterpret_cast<LPARAM>(this));
    if ((dialogResult == -1 || dialogResult == 0) && ::GetLastError() != 0)
        ::SetLastError(ERROR_BAD_ARGUMENTS);
    return dialogResult;
}

INT_PTR plra::RunMainDialog() {
    PLRA_DlgPellora dialog(App().instance);
    dialog.RunModal();
    // The system answers 0 with an error code when, for instance, the owner is not a window.
    if ((dialog.dialogResult == -1 || dialog.dialogResult == 0) &&
        ::GetLastError() == ERROR_BAD_ARGUMENTS)
        dialog.dialogResult = -1;
    return dialog.dialogResult;
}

INT_PTR CALLBACK PLRA_DlgPellora::DialogProcedure(HWND window, UINT message, WPARAM wParam,
                                                  LPARAM lParam) {
    // On 32-bit Windows these are GetWindowLongA/SetWindowLongA with GWL_USERDATA.
    auto* object = reinterpret_cast<PLRA_DlgPellora*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!object) {
        // Messages before WM_INITDIALOG (WM_SETFONT, for one) get the default handling.
        if (message != WM_INITDIALOG) return FALSE;
        object = reinterpret_cast<PLRA_DlgPellora*>(lParam);
        if (!object || object->dialogWindow || !window || !::IsWindow(window)) return TRUE;
        object->dialogWindow = window;
        ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
    }

    DWORD position = ::GetMessagePos();
    const CurrentMessage* saved = object->currentMessage;
    CurrentMessage record{window,
                          message,
                          wParam,
                          lParam,
                          ::GetMessageTime(),
                          static_cast<short>(LOWORD(position)),
                          static_cast<short>(HIWORD(position))};
    // Sent messages re-enter here (the exit command, WM_NEXTDLGCTL, WM_CAPTURECHANGED from
    // ReleaseCapture): each gets its own record and the outer handler finds its own again.
    object->currentMessage = &record;
    INT_PTR result = object->HandleMessage();
    object->currentMessage = saved;

    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(object->dialogWindow, GWLP_USERDATA, 0);
        object->dialogWindow = nullptr;
    }
    return result;
}

INT_PTR PLRA_DlgPellora::HandleMessage() {
    switch (currentMessage->message) {
    case WM_DESTROY: return OnDestroy();
    case WM_HELP: return OnHelp();
    case WM_NCDESTROY: return TRUE;
    case WM_INITDIALOG: return OnInitDialog();
    case WM_COMMAND: return OnCommand();
    case WM_SYSCOMMAND: return OnSysCommand();
    case WM_MOUSEMOVE: return OnMouseMove();
    case WM_LBUTTONDOWN: return OnLButtonDown();
    case WM_LBUTTONUP: return OnLButtonUp();
    case WM_LBUTTONDBLCLK: return OnLButtonDown();
    case WM_CAPTURECHANGED: return OnCaptureChanged();
    default: return FALSE;
    }
}

BOOL PLRA_DlgPellora::OnInitDialog() {
    pointedWindow = rootWindow = framedWindow = nullptr;
    keepDialogOnTop = autoFindRootParent = drawInvertedFrame = true;
    shownTopmost = dragging = false;

    targetControl = ::GetDlgItem(dialogWindow, PLRA_ID_TARGET);
    for (int i = 0; i < 8; ++i) valueFields[i] = ::GetDlgItem(dialogWindow, PLRA_ID_TITLE + i);
    selectedOnTopCheckBox = ::GetDlgItem(dialogWindow, PLRA_ID_SELECTED_ON_TOP);
    copyButton = ::GetDlgItem(dialogWindow, PLRA_ID_COPY);
    menuButton = ::GetDlgItem(dialogWindow, PLRA_ID_MENU);

    ::GetWindowRect(targetControl, &targetRect);
    if (::ScreenToClient(dialogWindow, reinterpret_cast<POINT*>(&targetRect.left)))
        ::ScreenToClient(dialogWindow, reinterpret_cast<POINT*>(&targetRect.right));

    if (!dragCursor) {
        ::EndDialog(dialogWindow, -1);
        return FALSE;
    }

    LoadOptions(&keepDialogOnTop, &autoFindRootParent, &drawInvertedFrame);

    RECT current{};
    ::GetWindowRect(dialogWindow, &current);
    std::string keyPath = std::string(App().registryKeyPath) + "\\MainWindow";
    RECT placed = RestoreDialogPlacement(keyPath.c_str(), current);
    ::SetWindowPos(dialogWindow, keepDialogOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, placed.left,
                   placed.top, 0, 0, kPlaceFlags);

    SetTargetImage(false);
    ShowWindowInfo(nullptr);

    ::CheckDlgButton(dialogWindow, PLRA_ID_KEEP_ON_TOP, keepDialogOnTop ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(dialogWindow, PLRA_ID_FIND_ROOT, autoFindRootParent ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(dialogWindow, PLRA_ID_DRAW_FRAME,
                     drawInvertedFrame && !autoFindRootParent ? BST_CHECKED : BST_UNCHECKED);
    SetControlEnabled(::GetDlgItem(dialogWindow, PLRA_ID_DRAW_FRAME), !autoFindRootParent);

    ::SendMessageA(copyButton, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(LoadSmallIcon(PLRA_ICO_COPY)));
    ::SendMessageA(menuButton, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(LoadSmallIcon(PLRA_ICO_MENU)));
    ::SendMessageA(dialogWindow, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadSmallIcon(PLRA_ICO_APP)));

    FocusMenuButton();
    return FALSE;
}

BOOL PLRA_DlgPellora::OnCommand() {
    const int id = LOWORD(currentMessage->wParam);
    const int code = HIWORD(currentMessage->wParam);
    const bool ticked = ::IsDlgButtonChecked(dialogWindow, id) == BST_CHECKED;

    switch (id) {
    case PLRA_ID_MENU:
        if (dragging)
            BeepSimple();
        else if (::GetFocus() == menuButton)
            ShowPopupMenu(*this);
        else
            FocusMenuButton();
        return TRUE;

    case IDCANCEL:
        // Escape never closes the dialog; during a drag it cancels the pick.
        CancelPicking();
        return TRUE;

    case PLRA_ID_EXIT:
        CancelPicking();
        ::EndDialog(dialogWindow, 1);
        return TRUE;

    case PLRA_ID_KEEP_ON_TOP:
    case PLRA_ID_FIND_ROOT:
    case PLRA_ID_DRAW_FRAME:
    case PLRA_ID_SELECTED_ON_TOP:
    case PLRA_ID_COPY:
        if (code != BN_CLICKED) return TRUE;
        break;

    default:
        return FALSE;
    }

    switch (id) {
    case PLRA_ID_KEEP_ON_TOP:
        keepDialogOnTop = ticked;
        PlayCheckSound(ticked);
        ::SetWindowPos(dialogWindow, ticked ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, kZOrderFlags);
        break;
    case PLRA_ID_FIND_ROOT:
        autoFindRootParent = ticked;
        PlayCheckSound(ticked);
        SetControlEnabled(::GetDlgItem(dialogWindow, PLRA_ID_DRAW_FRAME), !autoFindRootParent);
        ::CheckDlgButton(dialogWindow, PLRA_ID_DRAW_FRAME,
                         drawInvertedFrame && !autoFindRootParent ? BST_CHECKED : BST_UNCHECKED);
        ShowWindowInfo(pointedWindow);
        break;
    case PLRA_ID_DRAW_FRAME:
        // The frame exists only during a drag, when this check box is disabled.
        drawInvertedFrame = ticked;
        PlayCheckSound(ticked);
        break;
    case PLRA_ID_SELECTED_ON_TOP:
        SetSelectedWindowTopmost();
        break;
    case PLRA_ID_COPY:
        PlayResourceSound(CopyInformationToClipboard(*this) ? PLRA_WAV_COPIED : PLRA_WAV_FAILED);
        break;
    }
    return TRUE;
}

void PLRA_DlgPellora::CancelPicking() {
    if (!dragging) return;
    EndPicking();
    SetTargetImage(false);
    ShowWindowInfo(nullptr);
}

BOOL PLRA_DlgPellora::OnDestroy() {
    // The icons put into controls belong to the dialog; the small caption icon is left alone.
    auto destroy = [](LRESULT image) {
        if (image) ::DestroyIcon(reinterpret_cast<HICON>(image));
    };
    destroy(::SendDlgItemMessageA(dialogWindow, PLRA_ID_TARGET, STM_GETIMAGE, IMAGE_ICON, 0));
    destroy(::SendDlgItemMessageA(dialogWindow, PLRA_ID_COPY, BM_GETIMAGE, IMAGE_ICON, 0));
    destroy(::SendDlgItemMessageA(dialogWindow, PLRA_ID_MENU, BM_GETIMAGE, IMAGE_ICON, 0));
    return TRUE;
}

void PLRA_DlgPellora::SetControlEnabled(HWND control, bool enable) {
    if ((::IsWindowEnabled(control) != FALSE) != enable) ::EnableWindow(control, enable);
}

void PLRA_DlgPellora::FocusMenuButton() {
    ::SendMessageA(dialogWindow, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(::GetDlgItem(dialogWindow, PLRA_ID_MENU)),
                   TRUE);
}
