// The product itself: the 32-bit Pellora.exe of build/i686, started as its own process.
// Everything else is tested on the 64-bit build of the same sources; this checks that the
// real product starts, shows its dialog from its own resources and ends with code 0.
#include "support/harness.h"

#include <gtest/gtest.h>

namespace {

TEST(ProductBuild, The32BitExecutableOpensItsDialogAndEndsWithCodeZero) {
    test::PelloraProcess::Options options;
    options.executable = test::ExecutableFolder() + "..\\..\\..\\i686\\Pellora.exe";
    ASSERT_NE(GetFileAttributesA(options.executable.c_str()), INVALID_FILE_ATTRIBUTES)
        << options.executable << " is missing: build it with tools/build.sh i686";
    options.recordSounds = false;
    test::PelloraProcess pellora(options);
    ASSERT_TRUE(pellora.started());
    // Generous: under emulation a 32-bit process takes a minute or more to start.
    HWND dialog = pellora.WaitForDialog(std::chrono::minutes(12));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(test::WindowText(dialog), "Pellora");
    EXPECT_EQ(pellora.Text(1), " Men&u");
    EXPECT_TRUE(pellora.IsChecked(102));
    EXPECT_NE(GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    PostMessageA(dialog, WM_COMMAND, 0x7FFF, 0);
    EXPECT_EQ(pellora.WaitForExit(std::chrono::minutes(3)), 0u);
}

}  // namespace
