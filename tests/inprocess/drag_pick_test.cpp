// The drag on the real dialog inside the test process, driven by real input through the
// system's input queue, over windows of another process (fixture_window.exe).
#include "support/dialog_fixture.h"
#include "support/fixture_layout.h"
#include "support/fixture_process.h"
#include "support/harness.h"

#include "resources/resource_ids.h"

#include <gtest/gtest.h>

namespace {

TEST(DragProbe, Moves) {
    test::FixtureProcess fixture("700 100", test::kFixtureCaption);
    ASSERT_NE(fixture.window(), nullptr);
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) {
        test::ActivateWindow(dialog.dialogWindow);
        POINT corner{dialog.targetRect.left, dialog.targetRect.top};
        ClientToScreen(dialog.dialogWindow, &corner);
        test::MoveMouseTo(corner.x, corner.y);
        test::MouseButton(true);
        test::WaitUntil([&] { return dialog.dragging; }, std::chrono::seconds(3));
        EXPECT_TRUE(dialog.dragging);
        POINT to = test::CenterOf(fixture.window());
        for (int step = 1; step <= 4; ++step) {
            test::MoveMouseTo(corner.x + (to.x - corner.x) * step / 4, corner.y + (to.y - corner.y) * step / 4);
            test::PumpMessages();
        }
        test::WaitUntil([&] { return dialog.pointedWindow != nullptr; }, std::chrono::seconds(3));
        EXPECT_NE(dialog.pointedWindow, nullptr);
        test::MouseButton(false);
        test::PumpMessages();
    });
}

}  // namespace
