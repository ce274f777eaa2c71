// What the target window program (target_window.exe) understands: messages sent to its
// window by a test, to change the window the way another program might.
#pragma once

#include "platform/win.h"

namespace test::target {

// Class of the target's top-level window; its child edit control has id kChildId.
constexpr const char* kClassName = "PelloraTarget";
constexpr int kChildId = 77;

enum Command : UINT {
    kSetOwner = WM_APP + 1,         // wParam: the new owner (GWLP_HWNDPARENT)
    kSetChildStyle = WM_APP + 2,    // WS_CHILD on, WS_POPUP off, without a new parent
    kRefuseZOrder = WM_APP + 3,     // from now on, z-order changes are taken out in WM_WINDOWPOSCHANGING
    kHoldClipboard = WM_APP + 4,    // opens the clipboard and keeps it open; answers the result
    kReleaseClipboard = WM_APP + 5, // closes it again
    kSetTopmost = WM_APP + 6,       // wParam: TRUE pins the window itself, FALSE releases it
    kUndoTopmost = WM_APP + 7,      // from now on, undoes every topmost change after it happened
};

}  // namespace test::target
