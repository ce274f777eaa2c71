// The information panel: which window is shown (the pointed one or its root), the refusal of
// the program's own windows, and an update that touches only what changed, since it runs on
// every mouse move of a drag.
#include "inspector/main_dialog.h"

#include "inspector/panel_text.h"
#include "inspector/window_query.h"
#include "inspector/window_text.h"
#include "resources/resource_ids.h"

#include <cstdint>
#include <string>

using namespace plra;

namespace {

constexpr int kClassNameSize = 257;
constexpr int kRowCount = 8;

std::uint32_t HandleValue(HWND window) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
}

}  // namespace

void PLRA_DlgPellora::ShowWindowInfo(HWND window) {
    std::string texts[kRowCount];
    bool shown = false;
    bool shownHasParent = false;

    // The walk follows owners as well as parents (GetParent answers the owner of a pop-up
    // window), so the dialog, its controls and its own pop-ups are all refused.
    HWND root = window;
    bool refused = !window || !PLRA_QUERY(::IsWindow(window)) || window == dialogWindow;
    for (HWND up = refused ? nullptr : PLRA_QUERY(::GetParent(window)); up; up = PLRA_QUERY(::GetParent(up))) {
        if (up == dialogWindow) {
            refused = true;
            break;
        }
        root = up;
    }

    if (!refused) {
        HWND subject = autoFindRootParent ? root : window;
        char className[kClassNameSize];
        WINDOWINFO info{};
        info.cbSize = sizeof info;
        if (PLRA_QUERY(::GetClassNameA(subject, className, kClassNameSize)) &&
            PLRA_QUERY(::GetWindowInfo(subject, &info))) {
            shown = true;
            pointedWindow = window;
            rootWindow = root;
            HWND parent = PLRA_QUERY(::GetParent(subject));
            shownHasParent = parent != nullptr;
            shownTopmost = (info.dwExStyle & WS_EX_TOPMOST) != 0;

            RECT rect = info.rcWindow;
            if (subject != root) {
                PLRA_QUERY(::ScreenToClient(root, reinterpret_cast<POINT*>(&rect.left)));
                PLRA_QUERY(::ScreenToClient(root, reinterpret_cast<POINT*>(&rect.right)));
            }
            texts[0] = ReadWindowText(subject);
            texts[1] = className;
            texts[2] = FormatHandleText(HandleValue(subject));
            texts[3] = FormatIdentifierText(static_cast<std::int32_t>(PLRA_QUERY(::GetWindowLongA(subject, GWL_ID))));
            texts[4] = FormatStyleText(info.dwStyle);
            texts[5] = FormatStyleText(info.dwExStyle);
            texts[6] = FormatHandleText(HandleValue(parent));
            texts[7] = FormatRectangleText(rect.left, rect.top, rect.right, rect.bottom);
        }
    }
    if (!shown) {
        pointedWindow = rootWindow = nullptr;
        shownTopmost = false;
    }

    bool focusInPanel = false;
    if (!shown) {
        HWND focus = ::GetFocus();
        for (HWND field : valueFields) focusInPanel = focusInPanel || (focus && focus == field);
        focusInPanel = focusInPanel || (focus && (focus == selectedOnTopCheckBox || focus == copyButton));
    }

    // The edit fields are the record of what is on display: read them back, send only changes.
    std::string current[kRowCount];
    for (int row = 0; row < kRowCount; ++row) current[row] = ReadWindowText(valueFields[row]);
    for (int row = 0; row < kRowCount; ++row)
        if (texts[row] != current[row])
            ::SendMessageA(valueFields[row], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(texts[row].c_str()));

    for (int label = PLRA_ID_TITLE_LABEL; label <= PLRA_ID_RECTANGLE_LABEL; ++label)
        SetControlEnabled(::GetDlgItem(dialogWindow, label), shown);
    SetControlEnabled(selectedOnTopCheckBox, shown && !shownHasParent);
    const bool ticked = ::IsDlgButtonChecked(dialogWindow, PLRA_ID_SELECTED_ON_TOP) == BST_CHECKED;
    if (ticked != shownTopmost)
        ::CheckDlgButton(dialogWindow, PLRA_ID_SELECTED_ON_TOP, shownTopmost ? BST_CHECKED : BST_UNCHECKED);
    SetControlEnabled(copyButton, shown);

    if (focusInPanel) FocusMenuButton();
}
