#include "menu/popup_menu.h"

#include "app/app_context.h"
#include "menu/about_box.h"
#include "menu/desktop_shortcut.h"
#include "menu/menu_bitmap.h"
#include "menu/menu_layout.h"
#include "platform/scoped.h"
#include "platform/sound.h"
#include "resources/resource_ids.h"
#include "settings/placement.h"
#include "settings/registry_store.h"

#include <iterator>
#include <string>

namespace plra {

namespace {

// TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, left and top aligned: the chosen identifier
// comes back as the result and the dialog receives neither notifications nor WM_COMMAND.
constexpr UINT kTrackFlags = TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN;
static_assert(kTrackFlags == 0x182);

// Builds the menu, shows it and waits for the choice. The menu and its pictures are released
// before this returns, so no command ever runs while they exist.
int TrackMenu(HWND dialog) {
    const SIZE picture =
        MenuPictureSize(::GetSystemMetrics(SM_CXMENUCHECK), ::GetSystemMetrics(SM_CYMENUCHECK));
    const std::uint32_t background = MenuBackgroundPixel(::GetSysColor(COLOR_MENU));
    RECT button{};
    ::GetWindowRect(::GetDlgItem(dialog, PLRA_ID_MENU), &button);
    const POINT anchor = MenuAnchor(button);

    // A menu does not own its entries' bitmaps: they are deleted explicitly below.
    UniqueBitmap pictures[std::size(kMenuEntries)];
    UniqueMenu menu(::CreatePopupMenu());
    if (!menu) return kMenuNotBuilt;

    int result = kMenuNotBuilt;
    bool built = true;
    for (size_t i = 0; i < std::size(kMenuEntries) && built; ++i) {
        const MenuEntry& entry = kMenuEntries[i];
        built = entry.text ? ::AppendMenuA(menu.get(), MF_STRING, entry.command, entry.text) != FALSE
                           : ::AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr) != FALSE;
        if (!built || !entry.icon) continue;
        // A missing icon or a failed conversion leaves the entry without a picture.
        UniqueIcon icon(static_cast<HICON>(::LoadImageA(App().instance, MAKEINTRESOURCEA(entry.icon), IMAGE_ICON,
                                                        picture.cx, picture.cy, LR_DEFAULTCOLOR)));
        if (!icon) continue;
        pictures[i].reset(IconToMenuBitmap(icon.get(), background));
        if (pictures[i])
            ::SetMenuItemBitmaps(menu.get(), entry.command, MF_BYCOMMAND, pictures[i].get(), pictures[i].get());
    }
    if (built)
        result = static_cast<int>(
            ::TrackPopupMenuEx(menu.get(), kTrackFlags, anchor.x, anchor.y, dialog, nullptr));

    // Pictures first, in entry order, then the menu.
    for (UniqueBitmap& bitmap : pictures) bitmap.reset();
    menu.reset();
    return result;
}

void SaveAllSettings(const PLRA_DlgPellora& dialog) {
    const std::string keyPath = std::string(App().registryKeyPath) + "\\MainWindow";
    // Both are attempted, the placement first, whatever the first one answered.
    const bool placed = SaveDialogPlacement(dialog.window(), keyPath.c_str());
    const LONG options = SaveOptions(dialog.keepDialogOnTop, dialog.autoFindRootParent, dialog.drawInvertedFrame);
    PlayResourceSound(placed && options == ERROR_SUCCESS ? PLRA_WAV_SAVED : PLRA_WAV_FAILED);
}

void ShowAboutBox(HWND owner) {
    if (RunAboutBox(owner) == -1) BeepCriticalStop();
}

}  // namespace

int ShowPopupMenu(PLRA_DlgPellora& dialog) {
    const int chosen = TrackMenu(dialog.window());
    switch (chosen) {
    case kMenuSaveSettings: SaveAllSettings(dialog); break;
    case kMenuCreateShortcut: CreateDesktopShortcut(App()); break;
    case kMenuAbout: ShowAboutBox(dialog.window()); break;
    case kMenuExit: ::SendMessageA(dialog.window(), WM_COMMAND, PLRA_ID_EXIT, 0); break;
    default: break;  // closed, dismissed or not built: nothing
    }
    return chosen;
}

}  // namespace plra
