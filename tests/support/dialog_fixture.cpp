#include "support/dialog_fixture.h"

#include "app/app_context.h"
#include "app/startup.h"

namespace test {

void InitializeAppOnce() {
    static bool done = plra::InitializeApplication(GetModuleHandleA(nullptr), "", SW_SHOWDEFAULT);
    (void)done;
}

namespace {

PLRA_DlgPellora* running = nullptr;
const std::function<void(PLRA_DlgPellora&)>* pendingBody = nullptr;

// A thread timer: the modal loop dispatches it, so the body runs inside that loop.
void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    if (!running || !running->dialogWindow || !IsWindowVisible(running->dialogWindow)) return;
    KillTimer(nullptr, timer);
    if (pendingBody) (*pendingBody)(*running);
    if (running->dialogWindow) SendMessageA(running->dialogWindow, WM_COMMAND, 0x7FFF, 0);
}

}  // namespace

INT_PTR RunMainDialogWith(const std::function<void(PLRA_DlgPellora&)>& body) {
    InitializeAppOnce();
    PLRA_DlgPellora dialog(nullptr);
    running = &dialog;
    pendingBody = &body;
    UINT_PTR timer = SetTimer(nullptr, 0, 20, OnTimer);
    INT_PTR result = dialog.RunModal();
    KillTimer(nullptr, timer);
    running = nullptr;
    pendingBody = nullptr;
    return result;
}

}  // namespace test
