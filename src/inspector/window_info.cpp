// The information panel. (Only "none" is shown until the panel work arrives.)
#include "inspector/main_dialog.h"

void PLRA_DlgPellora::ShowWindowInfo(HWND) {
    pointedWindow = rootWindow = nullptr;
    shownTopmost = false;
    for (HWND field : valueFields) ::SetWindowTextA(field, "");
    ::CheckDlgButton(dialogWindow, 209, BST_UNCHECKED);
    SetControlEnabled(selectedOnTopCheckBox, false);
    SetControlEnabled(copyButton, false);
}
