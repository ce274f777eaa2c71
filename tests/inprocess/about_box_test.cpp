// The about box over the real main dialog: what it shows, how it ends, which link
// notifications it takes, what the links open, and that its icons go with it.
#include "menu/about_box.h"

#include "app/app_context.h"
#include "resources/resource_ids.h"
#include "support/dialog_fixture.h"
#include "support/https_handler.h"
#include "support/handle_count.h"
#include "support/harness.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <utility>

namespace {

std::function<void(HWND box)> pendingAction;

HWND FindAboutBox() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) WINAPI -> BOOL {
            if (IsWindowVisible(window) && test::WindowText(window) == "About Pellora") {
                *reinterpret_cast<HWND*>(data) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Runs the about box over `owner` and calls `action` from inside its modal loop once it is up.
INT_PTR RunAboutBoxWith(HWND owner, std::function<void(HWND box)> action) {
    pendingAction = std::move(action);
    UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR id, DWORD) {
        HWND box = FindAboutBox();
        if (!box || !pendingAction) return;
        KillTimer(nullptr, id);
        auto run = std::move(pendingAction);
        pendingAction = nullptr;
        run(box);
    });
    INT_PTR result = plra::RunAboutBox(owner);
    KillTimer(nullptr, timer);
    pendingAction = nullptr;
    return result;
}

TEST(AboutBox, ShowsTheVersionItsPicturesAndTheFocusOnTheCloseButton) {
    test::RunMainDialogWith([](PLRA_DlgPellora& dialog) {
        INT_PTR result = RunAboutBoxWith(dialog.window(), [&](HWND box) {
            EXPECT_EQ(GetWindow(box, GW_OWNER), dialog.window());
            EXPECT_EQ(test::WindowText(GetDlgItem(box, PLRA_ID_ABOUT_VERSION)), "Pellora\nVersion 1.3.0.0");
            EXPECT_NE(SendDlgItemMessageA(box, IDOK, BM_GETIMAGE, IMAGE_ICON, 0), 0);
            EXPECT_NE(SendMessageA(box, WM_GETICON, ICON_SMALL, 0), 0);
            EXPECT_EQ(GetFocus(), GetDlgItem(box, IDOK));
            // The template's two pictures: the application icon and the maker's.
            int pictures = 0;
            for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) continue;
                EXPECT_NE(SendMessageA(child, STM_GETICON, 0, 0), 0);
                ++pictures;
            }
            EXPECT_EQ(pictures, 2);
            EXPECT_EQ(test::ClassName(GetDlgItem(box, PLRA_ID_ABOUT_WEBPAGE)), "SysLink");
            EXPECT_EQ(test::ClassName(GetDlgItem(box, PLRA_ID_ABOUT_CONTRIBUTOR)), "SysLink");
            SendMessageA(box, WM_COMMAND, IDOK, 0);
        });
        EXPECT_EQ(result, IDOK);
    });
}

struct Closer {
    const char* name;
    std::function<void(HWND box)> close;
    INT_PTR result;
};

class AboutBoxClosing : public testing::TestWithParam<Closer> {};

TEST_P(AboutBoxClosing, EndsTheBoxWithItsResult) {
    test::RunMainDialogWith([](PLRA_DlgPellora& dialog) {
        INT_PTR result = RunAboutBoxWith(dialog.window(), GetParam().close);
        EXPECT_EQ(result, GetParam().result);
        EXPECT_TRUE(IsWindowEnabled(dialog.window()));
    });
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AboutBoxClosing,
    testing::ValuesIn(std::vector<Closer>{
        // Keys go to the focused control; the dialog loop turns them into commands.
        {"Escape", [](HWND) { PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0); }, IDCANCEL},
        {"Enter", [](HWND) { PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 0); }, IDOK},
        {"CloseBox", [](HWND box) { PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDCANCEL},
        {"CloseButton", [](HWND box) { PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0); }, IDOK},
    }),
    [](const testing::TestParamInfo<Closer>& param) { return std::string(param.param.name); });


NMLINK LinkClick(HWND from, UINT_PTR id, UINT code, const wchar_t* url) {
    NMLINK link{};
    link.hdr.hwndFrom = from;
    link.hdr.idFrom = id;
    link.hdr.code = code;
    wcsncpy(link.item.szUrl, url, L_MAX_URL_LENGTH - 1);
    return link;
}

struct NotifyCase {
    const char* name;
    int windowOf;   // the control whose window is the sender
    UINT_PTR id;    // the identifier it claims
    UINT code;
    bool handled;
};

const NotifyCase kNotifyCases[] = {
    {"WebPageClick", PLRA_ID_ABOUT_WEBPAGE, PLRA_ID_ABOUT_WEBPAGE, static_cast<UINT>(NM_CLICK), true},
    {"ContributorReturn", PLRA_ID_ABOUT_CONTRIBUTOR, PLRA_ID_ABOUT_CONTRIBUTOR, static_cast<UINT>(NM_RETURN), true},
    {"MatchingIdOtherWindow", PLRA_ID_ABOUT_CONTRIBUTOR, PLRA_ID_ABOUT_WEBPAGE, static_cast<UINT>(NM_CLICK), false},
    {"MatchingWindowOtherId", PLRA_ID_ABOUT_WEBPAGE, PLRA_ID_ABOUT_CONTRIBUTOR, static_cast<UINT>(NM_CLICK), false},
    {"ButtonWindowWithLinkId", IDOK, PLRA_ID_ABOUT_WEBPAGE, static_cast<UINT>(NM_CLICK), false},
    {"OtherNotification", PLRA_ID_ABOUT_WEBPAGE, PLRA_ID_ABOUT_WEBPAGE, static_cast<UINT>(NM_DBLCLK), false},
};

class AboutLinkNotification : public testing::TestWithParam<NotifyCase> {};

TEST_P(AboutLinkNotification, IsTakenOnlyFromTheLinksOwnWindowWithItsOwnIdentifier) {
    const NotifyCase& c = GetParam();
    // A handler that starts and ends at once: the opening itself is watched end to end.
    test::HttpsHandler handler("C:\\windows\\system32\\cmd.exe /c rem %1");
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) {
        RunAboutBoxWith(dialog.window(), [&](HWND box) {
            NMLINK link = LinkClick(GetDlgItem(box, c.windowOf), c.id, c.code, L"https://opened.example.org/page");
            SetWindowLongPtrA(box, DWLP_MSGRESULT, 77);
            INT_PTR handled = plra::AboutDialogProc(box, WM_NOTIFY, c.id, reinterpret_cast<LPARAM>(&link));
            EXPECT_EQ(handled != FALSE, c.handled);
            EXPECT_EQ(GetWindowLongPtrA(box, DWLP_MSGRESULT), c.handled ? 0 : 77);
            EndDialog(box, IDOK);
        });
    });
}

INSTANTIATE_TEST_SUITE_P(Senders, AboutLinkNotification, testing::ValuesIn(kNotifyCases),
                         [](const testing::TestParamInfo<NotifyCase>& param) { return std::string(param.param.name); });

TEST(AboutBox, LeavesNoIconBehindAfterManyOpenings) {
    test::RunMainDialogWith([](PLRA_DlgPellora& dialog) {
        RunAboutBoxWith(dialog.window(), [](HWND box) { EndDialog(box, IDOK); });  // warm-up
        const int icons = test::CountIcons();
        const int gdi = test::CountGdiObjects();
        for (int i = 0; i < 20; ++i)
            ASSERT_EQ(RunAboutBoxWith(dialog.window(), [](HWND box) { PostMessageA(box, WM_COMMAND, IDCANCEL, 0); }),
                      IDCANCEL);
        EXPECT_EQ(test::CountIcons(), icons);
        EXPECT_EQ(test::CountGdiObjects(), gdi);
    });
}

}  // namespace
