// The main dialog object: one per run, living on RunMainDialog's frame. It holds only
// borrowed handles of other programs' windows (the selection) and never owns them.
#pragma once

#include "inspector/current_message.h"
#include "platform/win.h"

#include <string>

class PLRA_DlgPellora {
public:
    explicit PLRA_DlgPellora(HINSTANCE instance);
    PLRA_DlgPellora(const PLRA_DlgPellora&) = delete;
    PLRA_DlgPellora& operator=(const PLRA_DlgPellora&) = delete;

    // The one virtual operation: dispatches currentMessage to a handler.
    virtual INT_PTR HandleMessage();

    INT_PTR RunModal();
    static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // Message handlers; each reads its message from currentMessage.
    BOOL OnInitDialog();
    BOOL OnCommand();
    BOOL OnDestroy();
    BOOL OnLButtonDown();
    BOOL OnMouseMove();
    BOOL OnLButtonUp();
    BOOL OnCaptureChanged();
    BOOL OnHelp();
    BOOL OnSysCommand();

    void SetControlEnabled(HWND control, bool enable);
    void FocusMenuButton();

    // Picking.
    void EndPicking();
    // During a drag: ends it with nothing selected (Escape, the exit command).
    void CancelPicking();
    void SetTargetImage(bool whileDragging);
    void DrawFrame(HWND window);
    void EraseFrame();

    // The information panel and the commands on the selection.
    void ShowWindowInfo(HWND window);
    void SetSelectedWindowTopmost();

    HWND window() const { return dialogWindow; }

    HWND ownerWindow = nullptr;
    HINSTANCE resourceInstance = nullptr;
    std::string templateName;
    std::string webPageAddress;
    HWND dialogWindow = nullptr;
    INT_PTR dialogResult = 0;
    const plra::CurrentMessage* currentMessage = nullptr;
    HWND pointedWindow = nullptr;
    HWND rootWindow = nullptr;
    HWND framedWindow = nullptr;
    HCURSOR dragCursor = nullptr;
    bool keepDialogOnTop = true;
    bool autoFindRootParent = true;
    bool drawInvertedFrame = true;
    bool shownTopmost = false;
    bool dragging = false;
    HWND targetControl = nullptr;
    HWND valueFields[8] = {};  // controls 201 to 208, in id order
    HWND selectedOnTopCheckBox = nullptr;
    HWND copyButton = nullptr;
    HWND menuButton = nullptr;
    RECT targetRect{};
};

namespace plra {

// Runs the main dialog modally; -1 when it could not be created or ended itself with -1.
INT_PTR RunMainDialog();
}  // namespace plra
