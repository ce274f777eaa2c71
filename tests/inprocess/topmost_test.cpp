// Check box 209 on real windows of another process: pinning and releasing, the check box
// following the window's real state, and every failure dropping the selection.
#include "resources/resource_ids.h"
#include "support/dialog_fixture.h"
#include "support/harness.h"
#include "support/sound_recorder.h"
#include "support/target_process.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using test::target::Command;

// The selection as a pick leaves it.
void Select(PLRA_DlgPellora& dialog, HWND window) { dialog.ShowWindowInfo(window); }

// A user's click on the check box: it toggles itself, then the dialog hears BN_CLICKED.
void ClickSelectedOnTop(PLRA_DlgPellora& dialog) {
    SendMessageA(dialog.selectedOnTopCheckBox, BM_CLICK, 0, 0);
}

bool IsChecked(PLRA_DlgPellora& dialog) {
    return IsDlgButtonChecked(dialog.dialogWindow, PLRA_ID_SELECTED_ON_TOP) == BST_CHECKED;
}

RECT WindowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

void ExpectSelectionDropped(PLRA_DlgPellora& dialog) {
    EXPECT_EQ(dialog.pointedWindow, nullptr);
    EXPECT_EQ(dialog.rootWindow, nullptr);
    EXPECT_FALSE(dialog.shownTopmost);
    EXPECT_FALSE(IsChecked(dialog));
    EXPECT_FALSE(IsWindowEnabled(dialog.selectedOnTopCheckBox));
    EXPECT_FALSE(IsWindowEnabled(dialog.copyButton));
    for (HWND field : dialog.valueFields) EXPECT_EQ(test::WindowText(field), "");
}

TEST(SelectedWindowTopmost, PinsAndReleasesAWindowOfAnotherProcessWithoutMovingOrActivatingIt) {
    test::TargetProcess target;
    ASSERT_TRUE(target.window());
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) {
        Select(dialog, target.window());
        ASSERT_EQ(dialog.rootWindow, target.window());
        ASSERT_TRUE(IsWindowEnabled(dialog.selectedOnTopCheckBox));
        ASSERT_FALSE(test::IsTopmost(target.window()));
        RECT before = WindowRect(target.window());
        HWND foreground = GetForegroundWindow();
        test::SoundRecorder sounds;

        ClickSelectedOnTop(dialog);
        EXPECT_TRUE(test::IsTopmost(target.window()));
        EXPECT_TRUE(IsChecked(dialog));
        EXPECT_TRUE(dialog.shownTopmost);
        EXPECT_EQ(dialog.rootWindow, target.window());
        EXPECT_TRUE(WindowRect(target.window()) == before);
        EXPECT_EQ(GetForegroundWindow(), foreground);
        EXPECT_NE(GetForegroundWindow(), target.window());

        ClickSelectedOnTop(dialog);
        EXPECT_FALSE(test::IsTopmost(target.window()));
        EXPECT_FALSE(IsChecked(dialog));
        EXPECT_FALSE(dialog.shownTopmost);
        EXPECT_TRUE(IsWindowEnabled(dialog.selectedOnTopCheckBox));
        EXPECT_TRUE(WindowRect(target.window()) == before);
        EXPECT_EQ(GetForegroundWindow(), foreground);
        EXPECT_EQ(sounds.Sounds(), (std::vector<int>{PLRA_WAV_TICKED, PLRA_WAV_CLEARED}));
    });
}

TEST(SelectedWindowTopmost, CheckBoxMirrorsAWindowThatAnotherProgramPinned) {
    test::TargetProcess target;
    ASSERT_TRUE(target.window());
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) {
        ASSERT_TRUE(target.Send(test::target::kSetTopmost, TRUE));
        Select(dialog, target.window());
        EXPECT_TRUE(IsChecked(dialog));
        EXPECT_TRUE(dialog.shownTopmost);
        test::SoundRecorder sounds;
        ClickSelectedOnTop(dialog);  // the user releases it
        EXPECT_FALSE(test::IsTopmost(target.window()));
        EXPECT_FALSE(IsChecked(dialog));
        EXPECT_EQ(sounds.Sounds(), std::vector<int>{PLRA_WAV_CLEARED});
        // Pinned again by its own program: the next refresh shows it.
        ASSERT_TRUE(target.Send(test::target::kSetTopmost, TRUE));
        Select(dialog, dialog.pointedWindow);
        EXPECT_TRUE(IsChecked(dialog));
    });
}

TEST(SelectedWindowTopmost, PinsTheTopLevelWindowOfAPointedChild) {
    test::TargetProcess target;
    ASSERT_TRUE(target.child());
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) {
        ASSERT_TRUE(dialog.autoFindRootParent);
        Select(dialog, target.child());
        ASSERT_EQ(dialog.pointedWindow, target.child());
        ASSERT_EQ(dialog.rootWindow, target.window());
        test::SoundRecorder sounds;
        ClickSelectedOnTop(dialog);
        EXPECT_TRUE(test::IsTopmost(target.window()));
        EXPECT_TRUE(IsChecked(dialog));
        EXPECT_EQ(dialog.pointedWindow, target.child());
        EXPECT_EQ(sounds.Sounds(), std::vector<int>{PLRA_WAV_TICKED});
    });
}

TEST(SelectedWindowTopmost, OtherNotificationsOfTheCheckBoxChangeNothing) {
    test::TargetProcess target;
    ASSERT_TRUE(target.window());
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) {
        Select(dialog, target.window());
        CheckDlgButton(dialog.dialogWindow, PLRA_ID_SELECTED_ON_TOP, BST_CHECKED);
        test::SoundRecorder sounds;
        for (WORD code : {BN_SETFOCUS, BN_KILLFOCUS, BN_DOUBLECLICKED}) {
            SendMessageA(dialog.dialogWindow, WM_COMMAND, MAKEWPARAM(PLRA_ID_SELECTED_ON_TOP, code),
                         reinterpret_cast<LPARAM>(dialog.selectedOnTopCheckBox));
        }
        EXPECT_FALSE(test::IsTopmost(target.window()));
        EXPECT_EQ(dialog.rootWindow, target.window());
        EXPECT_TRUE(sounds.Sounds().empty());
    });
}

struct FailureCase {
    const char* name;
    bool popup;  // GetParent gives the owner only for pop-up windows
    // Changes the selected window after the pick; `other` is a further window of the test.
    std::function<void(test::TargetProcess& target, HWND other)> change;
};

const FailureCase kFailures[] = {
    {"WindowClosed", false, [](test::TargetProcess& target, HWND) { target.Close(); }},
    {"GivenAnOwner", true,
     [](test::TargetProcess& target, HWND other) {
         target.Send(test::target::kSetOwner, reinterpret_cast<WPARAM>(other));
     }},
    {"GivenChildStyle", false,
     [](test::TargetProcess& target, HWND) { target.Send(test::target::kSetChildStyle); }},
    {"ZOrderRefused", false,
     [](test::TargetProcess& target, HWND) { target.Send(test::target::kRefuseZOrder); }},
    {"TopmostUndone", false,
     [](test::TargetProcess& target, HWND) { target.Send(test::target::kUndoTopmost); }},
};

class SelectedWindowTopmostFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(SelectedWindowTopmostFailure, DropsTheSelectionAndSoundsTheFailure) {
    const FailureCase& c = GetParam();
    test::TargetProcess::Options options;
    options.popup = c.popup;
    test::TargetProcess target(options);
    ASSERT_TRUE(target.window());
    HWND other = CreateWindowExA(0, "Static", "other", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) {
        Select(dialog, target.window());
        ASSERT_EQ(dialog.rootWindow, target.window());
        ASSERT_TRUE(IsWindowEnabled(dialog.selectedOnTopCheckBox));
        SetFocus(dialog.selectedOnTopCheckBox);
        c.change(target, other);
        test::SoundRecorder sounds;
        ClickSelectedOnTop(dialog);
        EXPECT_EQ(sounds.Sounds(), std::vector<int>{PLRA_WAV_FAILED});
        ExpectSelectionDropped(dialog);
        // The focus left the disabled check box for the Menu button.
        EXPECT_EQ(GetFocus(), dialog.menuButton);
    });
    DestroyWindow(other);
}

INSTANTIATE_TEST_SUITE_P(Cases, SelectedWindowTopmostFailure, testing::ValuesIn(kFailures),
                         [](const testing::TestParamInfo<FailureCase>& p) { return p.param.name; });

}  // namespace
