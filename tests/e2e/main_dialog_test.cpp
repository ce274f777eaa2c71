// The main dialog as a user meets it: its controls on a first run, the option check boxes
// with their sounds, the keys, and the ways to close it.
#include "support/harness.h"
#include "support/settings_key.h"

#include <gtest/gtest.h>

namespace {

struct ControlCase {
    int id;
    const char* className;
    const char* text;
    DWORD style;  // besides WS_CHILD | WS_VISIBLE
};

// In tab order. Identifier -1 (the static texts and the group box) appears as 0xFFFF.
const ControlCase kControls[] = {
    {0xFFFF, "Static", "Click and drag the target icon over a window to select it, then release the mouse button.", SS_LEFT | WS_GROUP},
    {101, "Static", "", SS_ICON | SS_REALSIZEIMAGE | WS_GROUP},
    {102, "Button", "&Keep this dialog box on top of other windows ", BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP},
    {103, "Button", "&Automatically find the root parent window of the pointed window ", BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP},
    {104, "Button", "&Draw an inverted frame around the pointed window ", BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP | WS_DISABLED},
    {0xFFFF, "Button", "Window currently selected :", BS_GROUPBOX},
    {301, "Static", "Title :", SS_LEFT | WS_GROUP},
    {201, "Edit", "", ES_READONLY | ES_AUTOHSCROLL},
    {302, "Static", "Class :", SS_LEFT | WS_GROUP},
    {202, "Edit", "", ES_READONLY | ES_AUTOHSCROLL},
    {303, "Static", "Descriptor :", SS_LEFT | WS_GROUP},
    {203, "Edit", "", ES_READONLY | ES_AUTOHSCROLL},
    {304, "Static", "Identifier :", SS_LEFT | WS_GROUP},
    {204, "Edit", "", ES_READONLY | ES_AUTOHSCROLL},
    {305, "Static", "Style :", SS_LEFT | WS_GROUP},
    {205, "Edit", "", ES_READONLY | ES_AUTOHSCROLL},
    {306, "Static", "Extended style :", SS_LEFT | WS_GROUP},
    {206, "Edit", "", ES_READONLY | ES_AUTOHSCROLL},
    {307, "Static", "Parent :", SS_LEFT | WS_GROUP},
    {207, "Edit", "", ES_READONLY | ES_AUTOHSCROLL},
    {308, "Static", "Rectangle :", SS_LEFT | WS_GROUP},
    {208, "Edit", "", ES_READONLY | ES_AUTOHSCROLL},
    {209, "Button", "Keep this selected &window on top of other windows ", BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP | WS_DISABLED},
    {401, "Button", " &Copy the information to the Clipboard", BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP | WS_DISABLED},
    {1, "Button", " Men&u", BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP},
};

HWND FocusOf(HWND dialog) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info);
    return info.hwndFocus;
}

bool IsTopmost(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

class MainDialog : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pellora.WaitForDialog());
        dialog = pellora.dialog();
        ASSERT_TRUE(test::WaitUntil([&] { return FocusOf(dialog) == pellora.Control(1); }));
    }
    void Click(int id) {
        POINT at = test::CenterOf(pellora.Control(id));
        // Check boxes: click on the box itself, at the left end of the control.
        RECT r;
        GetWindowRect(pellora.Control(id), &r);
        if (id >= 102 && id <= 104) at.x = r.left + 6;
        test::ClickAt(at.x, at.y);
    }
    // Declared first so that the key is gone before Pellora starts: every case is a first run.
    test::FreshSettings fresh;
    test::PelloraProcess pellora;
    HWND dialog = nullptr;
};

TEST_F(MainDialog, FirstRunShowsEveryControlAsTheTemplateSays) {
    EXPECT_EQ(test::WindowText(dialog), "Pellora");
    EXPECT_TRUE(IsTopmost(dialog));
    EXPECT_EQ(GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW, WS_EX_APPWINDOW);
    DWORD style = GetWindowLongA(dialog, GWL_STYLE);
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME),
              static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));

    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    ASSERT_EQ(children.size(), std::size(kControls));
    for (size_t i = 0; i < children.size(); ++i) {
        const ControlCase& c = kControls[i];
        SCOPED_TRACE(c.text);
        EXPECT_EQ(GetDlgCtrlID(children[i]) & 0xFFFF, c.id);
        EXPECT_EQ(test::ClassName(children[i]), c.className);
        EXPECT_EQ(test::WindowText(children[i]), c.text);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(children[i], GWL_STYLE)),
                  c.style | WS_CHILD | WS_VISIBLE);
    }
    EXPECT_TRUE(pellora.IsChecked(102));
    EXPECT_TRUE(pellora.IsChecked(103));
    EXPECT_FALSE(pellora.IsChecked(104));
    EXPECT_FALSE(pellora.IsChecked(209));
}

TEST_F(MainDialog, KeepOnTopFollowsItsCheckBoxWithSounds) {
    Click(102);
    ASSERT_TRUE(test::WaitUntil([&] { return !IsTopmost(dialog); }));
    EXPECT_FALSE(pellora.IsChecked(102));
    Click(102);
    ASSERT_TRUE(test::WaitUntil([&] { return IsTopmost(dialog); }));
    EXPECT_TRUE(pellora.IsChecked(102));
    ASSERT_TRUE(pellora.WaitForSounds(2));
    EXPECT_EQ(pellora.Sounds(), (std::vector<int>{167, 144}));
}

TEST_F(MainDialog, RootOptionDrivesTheFrameCheckBoxWhileTheFrameOptionKeepsItsValue) {
    // Root on (first run): 104 cleared and disabled although the frame option is on.
    Click(103);  // root off: 104 shows the frame option, ticked and enabled
    ASSERT_TRUE(test::WaitUntil([&] { return pellora.IsEnabled(104); }));
    EXPECT_FALSE(pellora.IsChecked(103));
    EXPECT_TRUE(pellora.IsChecked(104));
    Click(104);  // frame off
    ASSERT_TRUE(test::WaitUntil([&] { return !pellora.IsChecked(104); }));
    Click(103);  // root on again: 104 disabled and cleared
    ASSERT_TRUE(test::WaitUntil([&] { return !pellora.IsEnabled(104); }));
    EXPECT_FALSE(pellora.IsChecked(104));
    Click(103);  // root off: 104 comes back with the value it had, cleared
    ASSERT_TRUE(test::WaitUntil([&] { return pellora.IsEnabled(104); }));
    EXPECT_FALSE(pellora.IsChecked(104));
    ASSERT_TRUE(pellora.WaitForSounds(4));
    EXPECT_EQ(pellora.Sounds(), (std::vector<int>{167, 167, 144, 167}));
}

TEST_F(MainDialog, NotificationsOtherThanClickedChangeNothing) {
    for (int id : {102, 103, 104, 209, 401}) {
        LRESULT handled = SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_DOUBLECLICKED),
                                       reinterpret_cast<LPARAM>(pellora.Control(id)));
        (void)handled;
    }
    EXPECT_TRUE(IsTopmost(dialog));
    EXPECT_TRUE(pellora.IsChecked(102));
    EXPECT_TRUE(pellora.IsChecked(103));
    EXPECT_FALSE(pellora.IsEnabled(104));
    // The exit command still works afterwards, so the messages were all answered.
    PostMessageA(dialog, WM_COMMAND, 0x7FFF, 0);
    EXPECT_EQ(pellora.WaitForExit(), 0u);
    EXPECT_TRUE(pellora.Sounds().empty());
}

TEST_F(MainDialog, EscapeWhileIdleKeepsTheDialogOpen) {
    ASSERT_TRUE(test::ActivateWindow(dialog));
    test::PressKey(VK_ESCAPE);
    test::PressKey(VK_ESCAPE);
    Sleep(300);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(WaitForSingleObject(pellora.handle(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
}

TEST_F(MainDialog, EnterOnACheckBoxMovesTheFocusToTheMenuButton) {
    ASSERT_TRUE(test::ActivateWindow(dialog));
    test::PressKeys({VK_SHIFT, VK_TAB});  // back to 209? it is disabled: lands on a check box
    ASSERT_TRUE(test::WaitUntil([&] { return FocusOf(dialog) != pellora.Control(1); }));
    HWND focused = FocusOf(dialog);
    EXPECT_EQ(test::ClassName(focused), "Button");
    test::PressKey(VK_RETURN);
    EXPECT_TRUE(test::WaitUntil([&] { return FocusOf(dialog) == pellora.Control(1); }));
}

struct CloseCase {
    const char* name;
    void (*close)(HWND dialog);
};

const CloseCase kCloses[] = {
    {"CloseBox", [](HWND dialog) {
         // The close box sits at the right end of the caption.
         RECT r;
         GetWindowRect(dialog, &r);
         int caption = GetSystemMetrics(SM_CYCAPTION), frame = GetSystemMetrics(SM_CXFIXEDFRAME);
         test::ClickAt(r.right - frame - caption / 2 - 1, r.top + frame + caption / 2);
     }},
    {"AltF4", [](HWND dialog) {
         test::ActivateWindow(dialog);
         test::PressKeys({VK_MENU, VK_F4});
     }},
    {"SystemMenuClose", [](HWND dialog) {
         test::ActivateWindow(dialog);
         PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
     }},
};

class Closing : public MainDialog, public testing::WithParamInterface<CloseCase> {};

TEST_P(Closing, EndsTheProgramWithExitCodeZero) {
    GetParam().close(dialog);
    EXPECT_EQ(pellora.WaitForExit(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Ways, Closing, testing::ValuesIn(kCloses),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainDialog, MinimisingStillWorks) {
    PostMessageA(dialog, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(test::WaitUntil([&] { return IsIconic(dialog) != FALSE; }));
    PostMessageA(dialog, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(test::WaitUntil([&] { return IsIconic(dialog) == FALSE; }));
    EXPECT_EQ(WaitForSingleObject(pellora.handle(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
}

}  // namespace
