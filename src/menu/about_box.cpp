#include "menu/about_box.h"

#include "app/app_context.h"
#include "menu/web_links.h"
#include "resources/resource_ids.h"
#include "settings/placement.h"

#include <commctrl.h>

#include <cstdio>

namespace plra {

namespace {

HICON LoadIconSized(int id, int size) {
    return static_cast<HICON>(
        ::LoadImageA(App().instance, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

BOOL OnAboutInit(HWND box) {
    const std::string text = FormatAboutVersionText(App().fileVersion);
    ::SetWindowTextA(::GetDlgItem(box, PLRA_ID_ABOUT_VERSION), text.c_str());

    HWND closeButton = ::GetDlgItem(box, IDOK);
    ::SendMessageA(closeButton, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(LoadIconSized(PLRA_ICO_CLOSE, 32)));
    ::SendMessageA(box, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadIconSized(PLRA_ICO_ABOUT, 16)));

    CenterDialog(box, ::GetParent(box));
    ::SendMessageA(box, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(closeButton), TRUE);
    return FALSE;  // the focus is set already
}

// Only the two links' own notifications count: window and identifier must name the same link.
bool IsFromLink(HWND box, const NMHDR& header) {
    for (int id : {PLRA_ID_ABOUT_WEBPAGE, PLRA_ID_ABOUT_CONTRIBUTOR}) {
        if (header.idFrom == static_cast<UINT_PTR>(id) && header.hwndFrom == ::GetDlgItem(box, id)) return true;
    }
    return false;
}

BOOL OnAboutNotify(HWND box, const NMHDR* header) {
    if (!header || (header->code != NM_CLICK && header->code != NM_RETURN) || !IsFromLink(box, *header))
        return FALSE;
    const auto* link = reinterpret_cast<const NMLINK*>(header);
    char address[L_MAX_URL_LENGTH];  // 2084 bytes
    if (::WideCharToMultiByte(CP_ACP, 0, link->item.szUrl, -1, address, sizeof address, nullptr, nullptr))
        OpenWebAddress(address, box);
    ::SetWindowLongPtrA(box, DWLP_MSGRESULT, 0);
    return TRUE;
}

BOOL OnAboutDestroy(HWND box) {
    if (LRESULT picture = ::SendDlgItemMessageA(box, IDOK, BM_GETIMAGE, IMAGE_ICON, 0))
        ::DestroyIcon(reinterpret_cast<HICON>(picture));
    if (LRESULT captionIcon = ::SendMessageA(box, WM_GETICON, ICON_SMALL, 0))
        ::DestroyIcon(reinterpret_cast<HICON>(captionIcon));
    return TRUE;
}

}  // namespace

std::string FormatAboutVersionText(std::uint64_t fileVersion) {
    const VersionParts parts = SplitVersion(fileVersion);
    char version[32];
    std::snprintf(version, sizeof version, "%hu.%hu.%hu.%hu", parts.part[0], parts.part[1], parts.part[2],
                  parts.part[3]);
    return std::string("Pellora\nVersion ") + version;
}

INT_PTR CALLBACK AboutDialogProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnAboutInit(box);
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            ::EndDialog(box, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    case WM_NOTIFY: return OnAboutNotify(box, reinterpret_cast<const NMHDR*>(lParam));
    case WM_DESTROY: return OnAboutDestroy(box);
    default: return FALSE;
    }
}

INT_PTR RunAboutBox(HWND owner) {
    // The links are SysLink controls, a class that comctl32 registers only once it is loaded
    // and asked for it.
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LINK_CLASS};
    ::InitCommonControlsEx(&classes);
    return ::DialogBoxParamA(App().instance, MAKEINTRESOURCEA(PLRA_DLG_ABOUT), owner, AboutDialogProc, 0);
}

}  // namespace plra
