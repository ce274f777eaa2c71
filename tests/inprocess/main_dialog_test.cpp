// The main dialog object inside the test process: what needs its own handles (icons, fonts)
// or its fields.
#include "support/dialog_fixture.h"
#include "support/harness.h"

#include <gtest/gtest.h>

namespace {

TEST(MainDialogObject, OpensWithItsPicturesAndThePrivateFaceAndEndsWithOne) {
    INT_PTR result = test::RunMainDialogWith([](PLRA_DlgPellora& dialog) {
        HWND window = dialog.dialogWindow;
        EXPECT_NE(SendMessageA(dialog.targetControl, STM_GETIMAGE, IMAGE_ICON, 0), 0);
        EXPECT_NE(SendMessageA(dialog.copyButton, BM_GETIMAGE, IMAGE_ICON, 0), 0);
        EXPECT_NE(SendMessageA(dialog.menuButton, BM_GETIMAGE, IMAGE_ICON, 0), 0);
        EXPECT_NE(SendMessageA(window, WM_GETICON, ICON_SMALL, 0), 0);
        HFONT font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
        LOGFONTA logFont{};
        ASSERT_TRUE(GetObjectA(font, sizeof logFont, &logFont));
        EXPECT_STREQ(logFont.lfFaceName, "Segoe UI");
        EXPECT_NE(dialog.dragCursor, nullptr);
        EXPECT_EQ(dialog.templateName, "#196");
        // The target icon's rectangle in client coordinates: 20 x 20 dialog units at (216, 6).
        RECT units{216, 6, 236, 26};
        MapDialogRect(window, &units);
        EXPECT_EQ(dialog.targetRect.left, units.left);
        EXPECT_EQ(dialog.targetRect.top, units.top);
        EXPECT_EQ(GetFocus(), dialog.menuButton);
    });
    EXPECT_EQ(result, 1);
}

TEST(MainDialogObject, OtherCommandIdsAreLeftToTheSystem) {
    test::RunMainDialogWith([](PLRA_DlgPellora& dialog) {
        plra::CurrentMessage message{dialog.dialogWindow, WM_COMMAND, MAKEWPARAM(555, BN_CLICKED), 0, 0, 0, 0};
        const plra::CurrentMessage* saved = dialog.currentMessage;
        dialog.currentMessage = &message;
        EXPECT_EQ(dialog.HandleMessage(), FALSE);
        message.wParam = MAKEWPARAM(102, BN_SETFOCUS);
        EXPECT_EQ(dialog.HandleMessage(), TRUE);
        dialog.currentMessage = saved;
        EXPECT_TRUE(dialog.keepDialogOnTop);
    });
}

}  // namespace
namespace {
TEST(ProbeTarget, Print) {
    test::RunMainDialogWith([](PLRA_DlgPellora& dialog) {
        RECT units{216, 6, 236, 26};
        MapDialogRect(dialog.dialogWindow, &units);
        RECT now; GetWindowRect(dialog.targetControl, &now); MapWindowPoints(nullptr, dialog.dialogWindow, (POINT*)&now, 2);
        printf("PROBE target %ld %ld %ld %ld units %ld %ld %ld %ld now %ld %ld %ld %ld\n", dialog.targetRect.left, dialog.targetRect.top, dialog.targetRect.right, dialog.targetRect.bottom, units.left, units.top, units.right, units.bottom, now.left, now.top, now.right, now.bottom);
    });
}
}
