// Check box 209: pinning the selected top-level window above all ordinary windows, or
// releasing it. The window belongs to another program and may change or vanish between any
// two steps, so each step is checked and the result is read back from the window itself.
#include "inspector/main_dialog.h"

#include "platform/sound.h"
#include "resources/resource_ids.h"

namespace {

// SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE: only the z-order band changes.
constexpr UINT kZOrderOnly = 0x0013;
static_assert(kZOrderOnly == (SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE));

// The last window of the GetParent chain (parents, and owners of pop-up windows).
HWND TopOfParentChain(HWND window) {
    for (HWND parent = ::GetParent(window); parent; parent = ::GetParent(parent)) window = parent;
    return window;
}

// A style word, telling a word of 0 from a failed read by the thread's last error.
bool ReadStyle(HWND window, int which, LONG_PTR* style) {
    ::SetLastError(0);
    *style = ::GetWindowLongPtrA(window, which);
    return *style != 0 || ::GetLastError() == 0;
}

bool IsChildStyle(LONG_PTR style) { return (style & WS_CHILD) && !(style & WS_POPUP); }

}  // namespace

void PLRA_DlgPellora::SetSelectedWindowTopmost() {
    bool want = false;
    const bool done = [this, &want] {
        HWND window = rootWindow;
        if (!window || !::IsWindow(window)) return false;          // closed since it was picked
        if (TopOfParentChain(window) != window) return false;      // now has a parent or owner
        LONG_PTR style = 0;
        if (!ReadStyle(window, GWL_STYLE, &style) || IsChildStyle(style)) return false;

        want = ::IsDlgButtonChecked(dialogWindow, PLRA_ID_SELECTED_ON_TOP) == BST_CHECKED;
        shownTopmost = want;
        if (!::SetWindowPos(window, want ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, kZOrderOnly))
            return false;

        // The other program may have refused or undone the change.
        LONG_PTR exStyle = 0;
        if (!ReadStyle(window, GWL_EXSTYLE, &exStyle)) return false;
        return ((exStyle & WS_EX_TOPMOST) != 0) == want;
    }();

    if (done) {
        // The panel, check box 209 included, shows the window's real state again.
        ShowWindowInfo(pointedWindow);
        plra::PlayResourceSound(want ? PLRA_WAV_TICKED : PLRA_WAV_CLEARED);
    } else {
        ShowWindowInfo(nullptr);
        plra::PlayResourceSound(PLRA_WAV_FAILED);
    }
}
