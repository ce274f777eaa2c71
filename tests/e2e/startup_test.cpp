// Pellora.exe from start to exit: the normal end, and each start-up failure reached by a real
// executable or a real condition, with the message the user reads and the exit code.
#include "support/harness.h"

#include <gtest/gtest.h>

namespace {

const char kCaption[] = "Error during initialization";

TEST(Startup, ExitCommandEndsWithCodeZero) {
    test::PelloraProcess pellora;
    ASSERT_TRUE(pellora.WaitForDialog());
    PostMessageA(pellora.dialog(), WM_COMMAND, 0x7FFF, 0);
    EXPECT_EQ(pellora.WaitForExit(), 0u);
}

struct FailureCase {
    const char* variant;     // folder under tests\variants
    DWORD exitCode;
    const char* messageEnd;  // the last line of the box, or null when no box is shown
};

const FailureCase kFailures[] = {
    {"no-version", 1003, "Unable to get the application file name or its version number."},
    {"bad-font", 1020, "Unable to install the private fonts."},
    {"no-cursor", 1027, nullptr},
    {"no-dialog", 1027, nullptr},
};

class StartupFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(StartupFailure, IsReportedOnceAndBecomesTheExitCode) {
    const FailureCase& c = GetParam();
    test::PelloraProcess::Options options;
    options.executable = test::ExecutableFolder() + "..\\variants\\" + c.variant + "\\Pellora.exe";
    test::PelloraProcess pellora(options);
    ASSERT_TRUE(pellora.started());
    test::MessageBoxWatcher watcher(pellora.id(), kCaption);
    DWORD code = pellora.WaitForExit();
    test::MessageBoxContent box = watcher.Result();
    EXPECT_EQ(code, c.exitCode);
    if (c.messageEnd) {
        EXPECT_EQ(watcher.count(), 1);
        EXPECT_EQ(box.caption, kCaption);
        std::string codeLine = "ERROR CODE " + std::to_string(c.exitCode) + "\r\n\r\n";
        EXPECT_EQ(box.text.rfind(codeLine, 0), 0u) << box.text;
        std::string end = c.messageEnd;
        ASSERT_GE(box.text.size(), end.size());
        EXPECT_EQ(box.text.substr(box.text.size() - end.size()), end);
    } else {
        EXPECT_EQ(watcher.count(), 0);
    }
    // The main dialog never opened.
    EXPECT_EQ(test::FindProcessWindow(pellora.id(), "#32770", "Pellora"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Variants, StartupFailure, testing::ValuesIn(kFailures),
                         [](const auto& param) {
                             std::string name = param.param.variant;
                             for (char& ch : name) if (ch == '-') ch = '_';
                             return name;
                         });

TEST(Startup, MissingVersionMessageNamesTheRealFile) {
    test::PelloraProcess::Options options;
    options.executable = test::ExecutableFolder() + "..\\variants\\no-version\\Pellora.exe";
    test::PelloraProcess pellora(options);
    test::MessageBoxWatcher watcher(pellora.id(), kCaption);
    EXPECT_EQ(pellora.WaitForExit(), 1003u);
    char full[MAX_PATH];
    GetFullPathNameA(options.executable.c_str(), MAX_PATH, full, nullptr);
    EXPECT_EQ(watcher.Result().text,
              std::string("ERROR CODE 1003\r\n\r\nFile :  \"") + full +
                  "\"\r\nVersion :  0.0.0.0\r\n\r\n ========================\r\n\r\n"
                  "Unable to get the application file name or its version number.");
}

TEST(Startup, WithoutAFontResourceStartsNormally) {
    test::PelloraProcess::Options options;
    options.executable = test::ExecutableFolder() + "..\\variants\\no-font\\Pellora.exe";
    test::PelloraProcess pellora(options);
    ASSERT_TRUE(pellora.WaitForDialog());
    PostMessageA(pellora.dialog(), WM_COMMAND, 0x7FFF, 0);
    EXPECT_EQ(pellora.WaitForExit(), 0u);
}

}  // namespace
