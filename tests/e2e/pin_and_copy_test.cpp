// Picking a window of another process with a real drag, then pinning it with check box 209
// and copying its details with the copy button, all observed from outside as a user would.
#include "resources/resource_ids.h"
#include "support/harness.h"
#include "support/target_process.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <tuple>

namespace {

std::string Hex8(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return text;
}

// An edit field's contents: across processes GetWindowText gives only the creation-time text.
std::string FieldText(HWND field) {
    char text[512] = {};
    LRESULT count = SendMessageA(field, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return std::string(text, count > 0 ? static_cast<size_t>(count) : 0);
}

RECT WindowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

class PinAndCopy : public testing::Test {
protected:
    static test::TargetProcess::Options TargetOptions() {
        test::TargetProcess::Options options;
        options.title = "Pick me: a target";
        options.rect = {620, 420, 1020, 720};
        return options;
    }
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Ostrel");
        ASSERT_TRUE(target.window());
        ASSERT_TRUE(pellora.WaitForDialog());
    }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Ostrel"); }

    // Presses the button on the target icon, moves over the target window in steps and
    // releases it there, away from the target's child control.
    void DragToTarget() {
        POINT from = test::CenterOf(pellora.Control(PLRA_ID_TARGET));
        RECT r = WindowRect(target.window());
        POINT to{r.right - 60, r.bottom - 60};
        test::MoveMouseTo(from.x, from.y);
        test::MouseButton(true);
        const int steps = 6;
        for (int i = 1; i <= steps; ++i)
            test::MoveMouseTo(from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps);
        test::MouseButton(false);
    }
    void Click(int id) {
        RECT r = WindowRect(pellora.Control(id));
        // A check box on its box, at the left end; a button in its middle.
        POINT at = id == PLRA_ID_SELECTED_ON_TOP ? POINT{r.left + 6, (r.top + r.bottom) / 2}
                                                 : test::CenterOf(pellora.Control(id));
        test::ClickAt(at.x, at.y);
    }
    bool Picked() {
        return test::WaitUntil([&] {
            return FieldText(pellora.Control(PLRA_ID_CLASS)) == test::target::kClassName &&
                   pellora.IsEnabled(PLRA_ID_SELECTED_ON_TOP) && pellora.IsEnabled(PLRA_ID_COPY);
        });
    }

    test::TargetProcess target{TargetOptions()};
    test::PelloraProcess pellora;
};

TEST_F(PinAndCopy, PickedWindowIsPinnedAndReleasedWithTheCheckBox) {
    DragToTarget();
    ASSERT_TRUE(Picked());
    RECT before = WindowRect(target.window());
    ASSERT_FALSE(test::IsTopmost(target.window()));

    Click(PLRA_ID_SELECTED_ON_TOP);
    ASSERT_TRUE(test::WaitUntil([&] { return test::IsTopmost(target.window()); }));
    EXPECT_TRUE(pellora.IsChecked(PLRA_ID_SELECTED_ON_TOP));
    EXPECT_NE(GetForegroundWindow(), target.window());
    RECT after = WindowRect(target.window());
    EXPECT_EQ(std::make_tuple(after.left, after.top, after.right, after.bottom),
              std::make_tuple(before.left, before.top, before.right, before.bottom));
    ASSERT_TRUE(pellora.WaitForSounds(1));
    EXPECT_EQ(pellora.Sounds().back(), PLRA_WAV_TICKED);

    size_t heard = pellora.Sounds().size();
    Click(PLRA_ID_SELECTED_ON_TOP);
    ASSERT_TRUE(test::WaitUntil([&] { return !test::IsTopmost(target.window()); }));
    EXPECT_FALSE(pellora.IsChecked(PLRA_ID_SELECTED_ON_TOP));
    ASSERT_TRUE(pellora.WaitForSounds(heard + 1));
    EXPECT_EQ(pellora.Sounds().back(), PLRA_WAV_CLEARED);
}

TEST_F(PinAndCopy, CopyButtonPutsThePickedWindowOnTheClipboardByteForByte) {
    DragToTarget();
    ASSERT_TRUE(Picked());
    ASSERT_TRUE(test::SetClipboardTextHere("before the copy"));
    size_t heard = pellora.Sounds().size();
    Click(PLRA_ID_COPY);
    ASSERT_TRUE(pellora.WaitForSounds(heard + 1));
    EXPECT_EQ(pellora.Sounds().back(), PLRA_WAV_COPIED);

    HWND window = target.window();
    RECT r = WindowRect(window);
    char rectangle[96];
    std::snprintf(rectangle, sizeof rectangle, "(%ld, %ld), (%ld, %ld)   %ld \xD7 %ld", r.left, r.top, r.right,
                  r.bottom, r.right - r.left, r.bottom - r.top);
    std::string expected =
        "Title          :  Pick me: a target\r\n"
        "Class          :  PelloraTarget\r\n"
        "Descriptor     :  " + Hex8(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window))) + "\r\n"
        "Identifier     :  0\r\n"
        "Style          :  " + Hex8(static_cast<std::uint32_t>(GetWindowLongA(window, GWL_STYLE))) + "\r\n"
        "Extended style :  " + Hex8(static_cast<std::uint32_t>(GetWindowLongA(window, GWL_EXSTYLE))) + "\r\n"
        "Parent         :  0x00000000\r\n"
        "Rectangle      :  " + std::string(rectangle) + "\r\n";
    test::ClipboardRead read = test::ReadClipboardHere();
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.text, expected);
}

TEST_F(PinAndCopy, CopyFailsAudiblyWhileAnotherProgramHoldsTheClipboard) {
    DragToTarget();
    ASSERT_TRUE(Picked());
    ASSERT_TRUE(test::SetClipboardTextHere("held by the test"));
    ASSERT_TRUE(target.Send(test::target::kHoldClipboard));
    size_t heard = pellora.Sounds().size();
    Click(PLRA_ID_COPY);
    bool failed = pellora.WaitForSounds(heard + 1);
    EXPECT_TRUE(target.Send(test::target::kReleaseClipboard));
    ASSERT_TRUE(failed);
    EXPECT_EQ(pellora.Sounds().back(), PLRA_WAV_FAILED);
    EXPECT_EQ(test::ReadClipboardHere().text, "held by the test");
    // The panel and the selection stay as they were.
    EXPECT_EQ(FieldText(pellora.Control(PLRA_ID_CLASS)), test::target::kClassName);
    EXPECT_TRUE(pellora.IsEnabled(PLRA_ID_SELECTED_ON_TOP));
}

}  // namespace
