// The drag on the real dialog inside the test process, driven by real mouse input through the
// system's input queue, over the windows of another process (fixture_window.exe).
#include "support/dialog_fixture.h"
#include "support/fixture_layout.h"
#include "support/fixture_process.h"
#include "support/harness.h"

#include "inspector/window_text.h"
#include "resources/resource_ids.h"

#include <gtest/gtest.h>

namespace {

class DragOverOtherProgram : public testing::Test {
protected:
    static void SetUpTestSuite() {
        fixture = new test::FixtureProcess("660 60", test::kFixtureCaption);
    }
    static void TearDownTestSuite() {
        delete fixture;
        fixture = nullptr;
    }
    void SetUp() override {
        ASSERT_NE(fixture->window(), nullptr);
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Ostrel");
    }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Ostrel"); }

    static HWND Fixture(int id) { return test::FindDescendant(fixture->window(), id); }

    static void Press(PLRA_DlgPellora& dialog) {
        test::ActivateWindow(dialog.dialogWindow);
        POINT corner{dialog.targetRect.left, dialog.targetRect.top};
        ClientToScreen(dialog.dialogWindow, &corner);
        test::MoveMouseTo(corner.x, corner.y);
        test::MouseButton(true);
        ASSERT_TRUE(test::WaitUntil([&] { return dialog.dragging; }, std::chrono::seconds(3)));
    }
    // Moves in a few steps, as a hand does, and waits until the dialog has seen the last one.
    static void MoveTo(PLRA_DlgPellora& dialog, POINT to, HWND expectedPointed) {
        POINT from;
        GetCursorPos(&from);
        for (int step = 1; step <= 4; ++step)
            test::MoveMouseTo(from.x + (to.x - from.x) * step / 4, from.y + (to.y - from.y) * step / 4);
        test::WaitUntil([&] { return dialog.pointedWindow == expectedPointed; }, std::chrono::seconds(3));
    }
    static void Release(PLRA_DlgPellora& dialog) {
        test::MouseButton(false);
        test::WaitUntil([&] { return !dialog.dragging; }, std::chrono::seconds(3));
        test::PumpMessages();
    }
    static std::string Row(PLRA_DlgPellora& dialog, int id) { return plra::ReadWindowText(dialog.valueFields[id - PLRA_ID_TITLE]); }
    static bool Enabled(PLRA_DlgPellora& dialog, int id) {
        return IsWindowEnabled(GetDlgItem(dialog.dialogWindow, id)) != FALSE;
    }

    static test::FixtureProcess* fixture;
};
test::FixtureProcess* DragOverOtherProgram::fixture = nullptr;

TEST_F(DragOverOtherProgram, ShowsTheWindowLiveAndKeepsItAfterTheRelease) {
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) {
        Press(dialog);
        for (int id : {PLRA_ID_MENU, PLRA_ID_KEEP_ON_TOP, PLRA_ID_FIND_ROOT, PLRA_ID_DRAW_FRAME, PLRA_ID_SELECTED_ON_TOP,
                       PLRA_ID_COPY})
            EXPECT_FALSE(Enabled(dialog, id)) << id;
        HWND edit = Fixture(test::kGroupEditId);
        MoveTo(dialog, test::CenterOf(edit), edit);
        // The root option is on at first: the edit is pointed, its top-level window shown.
        EXPECT_TRUE(dialog.dragging);
        EXPECT_EQ(dialog.pointedWindow, edit);
        EXPECT_EQ(dialog.rootWindow, fixture->window());
        EXPECT_EQ(Row(dialog, PLRA_ID_TITLE), test::kFixtureCaption);
        EXPECT_EQ(Row(dialog, PLRA_ID_CLASS), "PelloraFixtureTop");
        EXPECT_TRUE(Enabled(dialog, PLRA_ID_COPY));
        EXPECT_EQ(dialog.framedWindow, nullptr);  // no frame while the root option is on

        HWND deep = Fixture(test::kDeepButtonId);
        MoveTo(dialog, test::CenterOf(deep), deep);
        EXPECT_EQ(dialog.pointedWindow, deep);
        Release(dialog);
        EXPECT_FALSE(dialog.dragging);
        EXPECT_EQ(dialog.pointedWindow, deep);
        EXPECT_EQ(Row(dialog, PLRA_ID_TITLE), test::kFixtureCaption);
        EXPECT_TRUE(Enabled(dialog, PLRA_ID_MENU));
        EXPECT_TRUE(Enabled(dialog, PLRA_ID_KEEP_ON_TOP));
        EXPECT_TRUE(Enabled(dialog, PLRA_ID_FIND_ROOT));
        EXPECT_FALSE(Enabled(dialog, PLRA_ID_DRAW_FRAME));
        EXPECT_EQ(GetFocus(), dialog.menuButton);
    });
}

TEST_F(DragOverOtherProgram, TheFrameFollowsTheControlsWithoutTheRootOption) {
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) {
        dialog.autoFindRootParent = false;
        dialog.drawInvertedFrame = true;
        Press(dialog);
        HWND edit = Fixture(test::kGroupEditId);
        MoveTo(dialog, test::CenterOf(edit), edit);
        EXPECT_EQ(dialog.framedWindow, edit);
        EXPECT_EQ(Row(dialog, PLRA_ID_CLASS), "Edit");
        EXPECT_EQ(Row(dialog, PLRA_ID_TITLE), test::kFixtureEditText);
        EXPECT_EQ(Row(dialog, PLRA_ID_IDENTIFIER), "11");
        HWND group = Fixture(test::kGroupBoxId);
        RECT r;
        GetWindowRect(group, &r);
        MoveTo(dialog, POINT{r.left + 10, r.bottom - 10}, group);
        EXPECT_EQ(dialog.framedWindow, group);
        Release(dialog);
        EXPECT_EQ(dialog.framedWindow, nullptr);
        EXPECT_EQ(dialog.pointedWindow, group);
        EXPECT_TRUE(Enabled(dialog, PLRA_ID_DRAW_FRAME));
    });
}

TEST_F(DragOverOtherProgram, ReleaseOverThePanelSelectsNothing) {
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) {
        dialog.autoFindRootParent = false;
        Press(dialog);
        MoveTo(dialog, test::CenterOf(fixture->window()), fixture->window());
        EXPECT_EQ(dialog.framedWindow, fixture->window());
        MoveTo(dialog, test::CenterOf(dialog.valueFields[2]), nullptr);
        EXPECT_EQ(dialog.framedWindow, nullptr);  // Pellora's own dialog is never framed
        EXPECT_EQ(Row(dialog, PLRA_ID_CLASS), "");
        Release(dialog);
        EXPECT_EQ(dialog.pointedWindow, nullptr);
        EXPECT_EQ(Row(dialog, PLRA_ID_TITLE), "");
        EXPECT_FALSE(Enabled(dialog, PLRA_ID_COPY));
    });
}

TEST_F(DragOverOtherProgram, AnotherWindowTakingTheCaptureEndsTheDragKeepingTheLastWindow) {
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) {
        dialog.autoFindRootParent = false;
        Press(dialog);
        HWND edit = Fixture(test::kGroupEditId);
        MoveTo(dialog, test::CenterOf(edit), edit);
        ASSERT_EQ(dialog.framedWindow, edit);
        HWND thief = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        SetCapture(thief);
        test::PumpMessages();
        EXPECT_FALSE(dialog.dragging);
        EXPECT_EQ(dialog.framedWindow, nullptr);
        EXPECT_EQ(dialog.pointedWindow, edit);
        EXPECT_EQ(Row(dialog, PLRA_ID_CLASS), "Edit");
        EXPECT_TRUE(Enabled(dialog, PLRA_ID_KEEP_ON_TOP));
        ReleaseCapture();
        test::MouseButton(false);
        DestroyWindow(thief);
        test::PumpMessages();
        EXPECT_EQ(dialog.pointedWindow, edit);
    });
}

}  // namespace
