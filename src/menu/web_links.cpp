#include "menu/web_links.h"

#include "inspector/main_dialog.h"

#include <shellapi.h>

#include <string>

namespace plra {

void OpenWebAddress(const char* address, HWND owner) {
    auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteA(owner, "open", address, nullptr, "C:\\", SW_SHOW));
    // ShellExecute answers a value above 32 on success.
    if (result <= 32) ShowWebsiteError(address, owner);
}

bool ShowWebsiteError(const char* address, HWND owner) {
    std::string text = std::string(address) + "\n\nUnable to open this website address.";
    ::MessageBoxA(owner, text.c_str(), nullptr, MB_ICONERROR | MB_OK);
    return false;
}

}  // namespace plra

BOOL PLRA_DlgPellora::OnHelp() {
    plra::OpenWebAddress(webPageAddress.c_str(), dialogWindow);
    return TRUE;
}

BOOL PLRA_DlgPellora::OnSysCommand() {
    switch (currentMessage->wParam & 0xFFF0) {
    case SC_CONTEXTHELP:
        plra::OpenWebAddress(webPageAddress.c_str(), dialogWindow);
        return TRUE;
    case SC_CLOSE:
        // The close box, the system menu's Close and Alt+F4 all run the program's exit command.
        ::SendMessageA(dialogWindow, WM_COMMAND, 0x7FFF, 0);
        return TRUE;
    default:
        return FALSE;
    }
}
