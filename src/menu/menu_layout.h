// The arithmetic of the popup menu, kept apart from the menu itself so that it can be tested
// without a window: picture size, background pixel, anchor point and the entries.
#pragma once

#include "platform/win.h"

#include <cstdint>

namespace plra {

struct MenuEntry {
    UINT command;       // 0 for a separator
    const char* text;   // null for a separator
    int icon;           // icon group of the entry's picture, 0 for none
};

// Top to bottom. The identifiers come back from the menu tracking and are never sent as
// WM_COMMAND, so 1 and 2 coinciding with IDOK and IDCANCEL is harmless.
inline constexpr MenuEntry kMenuEntries[] = {
    {2, "Sa&ve All Settings in Windows Registry", 146},
    {3, "Create a Shortcut on your &Desktop", 176},
    {0, nullptr, 0},
    {4, "&About Pellora...", 135},
    {0, nullptr, 0},
    {5, "E&xit", 177},
    {0, nullptr, 0},
    {1, "Close this Men&u", 0},
};

enum MenuCommand : int {
    kMenuNotBuilt = -1,
    kMenuDismissed = 0,
    kMenuClose = 1,
    kMenuSaveSettings = 2,
    kMenuCreateShortcut = 3,
    kMenuAbout = 4,
    kMenuExit = 5,
};

// The check-mark area, but never below 16 x 16 pixels.
SIZE MenuPictureSize(int checkWidth, int checkHeight);
// A COLORREF (0x00BBGGRR) as an opaque pixel 0xFFRRGGBB.
std::uint32_t MenuBackgroundPixel(COLORREF color);
// The centre of a rectangle, halves truncated toward zero.
POINT MenuAnchor(const RECT& button);

}  // namespace plra
