// The popup menu on the real main dialog, read from inside its own tracking loop: its entries,
// their pictures, its place, the ways to leave it, and that nothing of it outlives an opening.
#include "menu/popup_menu.h"

#include "menu/menu_layout.h"
#include "support/dialog_fixture.h"
#include "support/handle_count.h"
#include "support/harness.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

std::function<void(HWND menuWindow, HMENU menu)> pendingMenuAction;

HWND FindOpenMenu() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) WINAPI -> BOOL {
            if (IsWindowVisible(window) && test::ClassName(window) == "#32768") {
                *reinterpret_cast<HWND*>(data) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Opens the menu as the Menu button does and calls `action` from inside its tracking loop.
int ShowPopupMenuWith(PLRA_DlgPellora& dialog, std::function<void(HWND, HMENU)> action) {
    pendingMenuAction = std::move(action);
    UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR id, DWORD) {
        HWND window = FindOpenMenu();
        if (!window || !pendingMenuAction) return;
        KillTimer(nullptr, id);
        auto run = std::move(pendingMenuAction);
        pendingMenuAction = nullptr;
        run(window, reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0)));
    });
    int result = plra::ShowPopupMenu(dialog);
    KillTimer(nullptr, timer);
    pendingMenuAction = nullptr;
    return result;
}

void Dismiss(HWND, HMENU) { EndMenu(); }

struct Expected {
    UINT id;
    const char* text;  // null for a separator
    bool picture;
};

const Expected kEntries[] = {
    {2, "Sa&ve All Settings in Windows Registry", true},
    {3, "Create a Shortcut on your &Desktop", true},
    {0, nullptr, false},
    {4, "&About Pellora...", true},
    {0, nullptr, false},
    {5, "E&xit", true},
    {0, nullptr, false},
    {1, "Close this Men&u", false},
};

TEST(PopupMenu, HasItsEntriesWithPicturesAtTheCheckMarkSizeAndOpensAtTheButtonsCentre) {
    test::RunMainDialogWith([](PLRA_DlgPellora& dialog) {
        const POINT centre = test::CenterOf(dialog.menuButton);
        const SIZE picture = plra::MenuPictureSize(GetSystemMetrics(SM_CXMENUCHECK), GetSystemMetrics(SM_CYMENUCHECK));
        bool seen = false;
        int result = ShowPopupMenuWith(dialog, [&](HWND window, HMENU menu) {
            seen = true;
            RECT placed;
            GetWindowRect(window, &placed);
            EXPECT_EQ(placed.left, centre.x);
            EXPECT_EQ(placed.top, centre.y);
            ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(std::size(kEntries)));
            for (int i = 0; i < GetMenuItemCount(menu); ++i) {
                const Expected& e = kEntries[i];
                SCOPED_TRACE(i);
                char text[128] = "";
                MENUITEMINFOA item{};
                item.cbSize = sizeof item;
                item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING | MIIM_CHECKMARKS | MIIM_SUBMENU;
                item.dwTypeData = text;
                item.cch = sizeof text;
                ASSERT_TRUE(GetMenuItemInfoA(menu, i, TRUE, &item));
                EXPECT_EQ(item.hSubMenu, nullptr);
                if (!e.text) {
                    EXPECT_TRUE(item.fType & MFT_SEPARATOR);
                    continue;
                }
                EXPECT_EQ(item.fType, static_cast<UINT>(MFT_STRING));
                EXPECT_EQ(item.fState & (MFS_GRAYED | MFS_CHECKED | MFS_DEFAULT), 0u);
                EXPECT_EQ(item.wID, e.id);
                EXPECT_STREQ(text, e.text);
                EXPECT_EQ(item.hbmpChecked, item.hbmpUnchecked);
                if (!e.picture) {
                    EXPECT_EQ(item.hbmpUnchecked, nullptr);
                    continue;
                }
                BITMAP bitmap{};
                ASSERT_TRUE(GetObjectA(item.hbmpUnchecked, sizeof bitmap, &bitmap));
                EXPECT_EQ(bitmap.bmWidth, picture.cx);
                EXPECT_EQ(bitmap.bmHeight, picture.cy);
                EXPECT_EQ(bitmap.bmBitsPixel, 32);
            }
            EndMenu();
        });
        EXPECT_TRUE(seen);
        EXPECT_EQ(result, 0);
    });
}

struct Leaving {
    const char* name;
    std::function<void(HWND, HMENU)> action;
    int result;
};

class PopupMenuLeaving : public testing::TestWithParam<Leaving> {};

TEST_P(PopupMenuLeaving, AnswersTheChoiceAndDoesNothingMore) {
    test::RunMainDialogWith([](PLRA_DlgPellora& dialog) {
        EXPECT_EQ(ShowPopupMenuWith(dialog, GetParam().action), GetParam().result);
        EXPECT_TRUE(IsWindowVisible(dialog.window()));
        EXPECT_EQ(FindOpenMenu(), nullptr);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Ways, PopupMenuLeaving,
    testing::ValuesIn(std::vector<Leaving>{
        {"Dismissed", Dismiss, 0},
        {"Escape", [](HWND, HMENU) { PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0); }, 0},
        {"CloseThisMenuByItsLetter", [](HWND, HMENU) { PostMessageA(GetFocus(), WM_CHAR, 'u', 0); }, 1},
    }),
    [](const testing::TestParamInfo<Leaving>& param) { return std::string(param.param.name); });

TEST(PopupMenu, LeavesNoMenuBitmapOrIconBehindAfterManyOpenings) {
    test::RunMainDialogWith([](PLRA_DlgPellora& dialog) {
        ShowPopupMenuWith(dialog, Dismiss);  // warm-up
        const int gdi = test::CountGdiObjects(), menus = test::CountMenus(), icons = test::CountIcons();
        for (int i = 0; i < 40; ++i) {
            bool seen = false;
            ShowPopupMenuWith(dialog, [&](HWND, HMENU) {
                seen = true;
                EndMenu();
            });
            ASSERT_TRUE(seen);
        }
        EXPECT_EQ(test::CountGdiObjects(), gdi);
        EXPECT_EQ(test::CountMenus(), menus);
        EXPECT_EQ(test::CountIcons(), icons);
    });
}

}  // namespace
