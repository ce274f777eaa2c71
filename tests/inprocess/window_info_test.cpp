// The information panel of the real dialog, in the test process: the eight texts for known
// windows, refusals, the update that sends nothing for an unchanged window, the focus rule.
#include "support/dialog_fixture.h"
#include "support/fixture_layout.h"
#include "support/harness.h"

#include "resources/resource_ids.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <map>

namespace {

std::string Hex(HWND window) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X",
                  static_cast<unsigned>(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window))));
    return text;
}

std::string Hex32(DWORD value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

std::string RectText(RECT r) {
    char text[96];
    std::snprintf(text, sizeof text, "(%ld, %ld), (%ld, %ld)   %ld \xD7 %ld", r.left, r.top, r.right, r.bottom,
                  r.right - r.left, r.bottom - r.top);
    return text;
}

struct Panel {
    std::string texts[8];
};

Panel ReadPanel(PLRA_DlgPellora& dialog) {
    Panel panel;
    for (int i = 0; i < 8; ++i) panel.texts[i] = test::WindowText(dialog.valueFields[i]);
    return panel;
}

// What the panel must read for `shown` (the rectangle relative to `root` unless it is the root).
Panel Expected(HWND shown, HWND root) {
    Panel panel;
    panel.texts[0] = test::WindowText(shown);
    panel.texts[1] = test::ClassName(shown);
    panel.texts[2] = Hex(shown);
    panel.texts[3] = std::to_string(static_cast<long long>(static_cast<LONG>(GetWindowLongA(shown, GWL_ID))));
    panel.texts[4] = Hex32(static_cast<DWORD>(GetWindowLongA(shown, GWL_STYLE)));
    panel.texts[5] = Hex32(static_cast<DWORD>(GetWindowLongA(shown, GWL_EXSTYLE)));
    panel.texts[6] = Hex(GetParent(shown));
    RECT r;
    GetWindowRect(shown, &r);
    if (shown != root) MapWindowPoints(nullptr, root, reinterpret_cast<POINT*>(&r), 2);
    panel.texts[7] = RectText(r);
    return panel;
}

void ExpectPanel(PLRA_DlgPellora& dialog, const Panel& want) {
    Panel have = ReadPanel(dialog);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(have.texts[i], want.texts[i]) << "row " << 201 + i;
}

bool Enabled(PLRA_DlgPellora& dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog.dialogWindow, id)) != FALSE; }

void ExpectEmpty(PLRA_DlgPellora& dialog) {
    ExpectPanel(dialog, Panel{});
    for (int id = 301; id <= 308; ++id) EXPECT_FALSE(Enabled(dialog, id)) << id;
    EXPECT_FALSE(Enabled(dialog, PLRA_ID_SELECTED_ON_TOP));
    EXPECT_NE(IsDlgButtonChecked(dialog.dialogWindow, PLRA_ID_SELECTED_ON_TOP), BST_CHECKED);
    EXPECT_FALSE(Enabled(dialog, PLRA_ID_COPY));
    EXPECT_EQ(dialog.pointedWindow, nullptr);
    EXPECT_EQ(dialog.rootWindow, nullptr);
    EXPECT_FALSE(dialog.shownTopmost);
}

class PanelTest : public testing::Test {
protected:
    void SetUp() override {
        windows = test::CreateFixtureWindows(600, 120);
        test::PumpMessages();
    }
    void TearDown() override { test::DestroyFixtureWindows(windows); }
    HWND Control(int id) { return test::FindDescendant(windows.top, id); }
    test::FixtureWindows windows;
};

TEST_F(PanelTest, ShowsTheEightRowsOfATopLevelWindowEitherWay) {
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) {
        for (bool root : {true, false}) {
            dialog.autoFindRootParent = root;
            dialog.ShowWindowInfo(windows.top);
            Panel want = Expected(windows.top, windows.top);
            EXPECT_EQ(want.texts[0], test::kFixtureCaption);
            EXPECT_EQ(want.texts[6], "0x00000000");
            ExpectPanel(dialog, want);
            EXPECT_EQ(dialog.pointedWindow, windows.top);
            EXPECT_EQ(dialog.rootWindow, windows.top);
            EXPECT_TRUE(Enabled(dialog, PLRA_ID_SELECTED_ON_TOP));
            EXPECT_TRUE(Enabled(dialog, PLRA_ID_COPY));
            for (int id = 301; id <= 308; ++id) EXPECT_TRUE(Enabled(dialog, id));
        }
    });
}

TEST_F(PanelTest, AChildShowsItselfRelativeToItsRootOrTheRootWithTheOption) {
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) {
        HWND deep = Control(test::kDeepButtonId);
        dialog.autoFindRootParent = false;
        dialog.ShowWindowInfo(deep);
        Panel want = Expected(deep, windows.top);
        EXPECT_EQ(want.texts[0], "Deep");
        EXPECT_EQ(want.texts[1], "Button");
        EXPECT_EQ(want.texts[3], "22");
        EXPECT_EQ(want.texts[6], Hex(Control(test::kInnerPanelId)));
        ExpectPanel(dialog, want);
        EXPECT_EQ(dialog.pointedWindow, deep);
        EXPECT_EQ(dialog.rootWindow, windows.top);
        EXPECT_FALSE(Enabled(dialog, PLRA_ID_SELECTED_ON_TOP));

        dialog.autoFindRootParent = true;
        dialog.ShowWindowInfo(deep);
        ExpectPanel(dialog, Expected(windows.top, windows.top));
        EXPECT_EQ(dialog.pointedWindow, deep);
        EXPECT_TRUE(Enabled(dialog, PLRA_ID_SELECTED_ON_TOP));
    });
}

TEST_F(PanelTest, AnEditShowsItsContentsAndIdentifierMinusOneShowsSigned) {
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) {
        dialog.autoFindRootParent = false;
        dialog.ShowWindowInfo(Control(test::kGroupEditId));
        EXPECT_EQ(test::WindowText(dialog.valueFields[0]), test::kFixtureEditText);
        dialog.ShowWindowInfo(Control(test::kMinusOneId));
        EXPECT_EQ(test::WindowText(dialog.valueFields[3]), "-1");
    });
}

TEST_F(PanelTest, AnOwnedPopUpWalksToItsOwner) {
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) {
        dialog.autoFindRootParent = false;
        dialog.ShowWindowInfo(windows.popup);
        Panel want = Expected(windows.popup, windows.top);
        EXPECT_EQ(want.texts[6], Hex(windows.top));
        ExpectPanel(dialog, want);
        EXPECT_EQ(dialog.rootWindow, windows.top);
        EXPECT_FALSE(Enabled(dialog, PLRA_ID_SELECTED_ON_TOP));  // it has an owner
        dialog.autoFindRootParent = true;
        dialog.ShowWindowInfo(windows.popup);
        ExpectPanel(dialog, Expected(windows.top, windows.top));
    });
}

TEST_F(PanelTest, TheCheckBoxMirrorsTopmost) {
    HWND topmost = test::CreatePlainTopLevel(40, 600, 100, 60);
    ASSERT_NE(GetWindowLongA(topmost, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) {
        dialog.ShowWindowInfo(windows.top);
        EXPECT_FALSE(dialog.shownTopmost);
        EXPECT_NE(IsDlgButtonChecked(dialog.dialogWindow, PLRA_ID_SELECTED_ON_TOP), BST_CHECKED);
        dialog.ShowWindowInfo(topmost);
        EXPECT_TRUE(dialog.shownTopmost);
        EXPECT_EQ(IsDlgButtonChecked(dialog.dialogWindow, PLRA_ID_SELECTED_ON_TOP), BST_CHECKED);
        dialog.ShowWindowInfo(nullptr);
        ExpectEmpty(dialog);
    });
    DestroyWindow(topmost);
}

TEST_F(PanelTest, RefusesTheProgramsOwnWindowsAndDestroyedOnes) {
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) {
        HWND owned = CreateWindowExA(0, "Static", "owned", WS_POPUP, 0, 0, 50, 50, dialog.dialogWindow, nullptr,
                                     nullptr, nullptr);
        HWND ownedChild = CreateWindowExA(0, "Static", "c", WS_CHILD, 0, 0, 5, 5, owned, nullptr, nullptr, nullptr);
        HWND gone = CreateWindowExA(0, "Static", "gone", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
        DestroyWindow(gone);
        for (bool root : {true, false}) {
            dialog.autoFindRootParent = root;
            for (HWND refused : {dialog.dialogWindow, dialog.valueFields[0], dialog.menuButton, owned, ownedChild, gone,
                                 static_cast<HWND>(nullptr)}) {
                dialog.ShowWindowInfo(windows.top);
                dialog.ShowWindowInfo(refused);
                ExpectEmpty(dialog);
            }
        }
        DestroyWindow(owned);
    });
}

// Counts what reaches the panel's controls: texts set, enable changes, check changes.
std::map<UINT, int> received;
std::map<HWND, WNDPROC> originals;
LRESULT CALLBACK Counting(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT || message == WM_ENABLE || message == BM_SETCHECK) ++received[message];
    return CallWindowProcA(originals[window], window, message, wParam, lParam);
}

TEST_F(PanelTest, ASecondCallWithTheSameWindowSendsNothing) {
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) {
        std::vector<HWND> controls(dialog.valueFields, dialog.valueFields + 8);
        for (int id = 301; id <= 308; ++id) controls.push_back(GetDlgItem(dialog.dialogWindow, id));
        controls.push_back(dialog.selectedOnTopCheckBox);
        controls.push_back(dialog.copyButton);
        for (HWND control : controls)
            originals[control] = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Counting)));

        dialog.autoFindRootParent = false;
        for (HWND shown : {windows.top, Control(test::kGroupEditId), static_cast<HWND>(nullptr)}) {
            received.clear();
            dialog.ShowWindowInfo(shown);
            EXPECT_GT(received[WM_SETTEXT] + received[WM_ENABLE], 0);
            received.clear();
            dialog.ShowWindowInfo(shown);
            EXPECT_EQ(received[WM_SETTEXT], 0);
            EXPECT_EQ(received[WM_ENABLE], 0);
            EXPECT_EQ(received[BM_SETCHECK], 0);
        }
        // Between two windows only the rows that differ are sent.
        dialog.ShowWindowInfo(Control(test::kCheckBoxId));
        received.clear();
        dialog.ShowWindowInfo(Control(test::kDisabledId));
        EXPECT_GE(received[WM_SETTEXT], 4);
        EXPECT_LE(received[WM_SETTEXT], 7);  // the class "Static" vs "Button" differs, the parent does not
        EXPECT_EQ(received[WM_ENABLE], 0);

        for (auto& [control, procedure] : originals)
            SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
        originals.clear();
    });
}

TEST_F(PanelTest, EmptyingThePanelMovesTheFocusOutOfItOnly) {
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) {
        dialog.ShowWindowInfo(windows.top);
        SetFocus(dialog.valueFields[2]);
        dialog.ShowWindowInfo(windows.top);
        EXPECT_EQ(GetFocus(), dialog.valueFields[2]);  // a window is shown: the focus stays
        dialog.ShowWindowInfo(nullptr);
        EXPECT_EQ(GetFocus(), dialog.menuButton);

        dialog.ShowWindowInfo(windows.top);
        SetFocus(dialog.selectedOnTopCheckBox);
        dialog.ShowWindowInfo(nullptr);
        EXPECT_EQ(GetFocus(), dialog.menuButton);

        HWND keepOnTop = GetDlgItem(dialog.dialogWindow, PLRA_ID_KEEP_ON_TOP);
        SetFocus(keepOnTop);
        dialog.ShowWindowInfo(nullptr);
        EXPECT_EQ(GetFocus(), keepOnTop);
    });
}

TEST_F(PanelTest, AVeryLongTitleIsShownWhole) {
    std::string title(5000, 'x');
    for (size_t i = 0; i < title.size(); i += 7) title[i] = static_cast<char>('a' + i % 26);
    SetWindowTextA(windows.top, title.c_str());
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) {
        dialog.ShowWindowInfo(windows.top);
        std::string shown(8000, '\0');
        shown.resize(static_cast<size_t>(
            SendMessageA(dialog.valueFields[0], WM_GETTEXT, shown.size(), reinterpret_cast<LPARAM>(shown.data()))));
        EXPECT_EQ(shown, title);
    });
}

}  // namespace
