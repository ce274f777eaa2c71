// The texts of the start-up failure messages, composed by the system message formatter.
#include "app/app_context.h"
#include "app/startup.h"

#include <gtest/gtest.h>

namespace {

struct MessageCase {
    int code;
    const char* file;
    std::uint64_t version;
    const char* expected;
};

const MessageCase kMessages[] = {
    {1002, "", 0,
     "ERROR CODE 1002\r\n\r\nFile :  \"\"\r\nVersion :  0.0.0.0\r\n\r\n ========================\r\n\r\n"
     "Unable to get the application file name or its version number."},
    {1003, "C:\\Tools\\Pellora.exe", 0,
     "ERROR CODE 1003\r\n\r\nFile :  \"C:\\Tools\\Pellora.exe\"\r\nVersion :  0.0.0.0\r\n\r\n"
     " ========================\r\n\r\nUnable to get the application file name or its version number."},
    // The version parts are unsigned 16-bit numbers, most significant first.
    {1003, "x", 0xFFFF000100020003ULL,
     "ERROR CODE 1003\r\n\r\nFile :  \"x\"\r\nVersion :  65535.1.2.3\r\n\r\n ========================\r\n\r\n"
     "Unable to get the application file name or its version number."},
    {1009, "ignored", 0,
     "ERROR CODE 1009\r\n\r\nUnable to get the location of the current directory."},
    {1011, nullptr, 0, "ERROR CODE 1011\r\n\r\nUnable to initialize the Windows COM library."},
    {1012, nullptr, 0,
     "ERROR CODE 1012\r\n\r\nEither \"compobj.dll\" or \"ole2.dll\" has been updated to a version that is "
     "incompatible with the other file.\r\n\r\nTo correct this problem, replace both of these files with "
     "compatible versions for your operating system.\r\n(Those files are used by the Windows COM library.)"},
    {1020, nullptr, 0, "ERROR CODE 1020\r\n\r\nUnable to install the private fonts."},
    // Codes without a message box.
    {1001, nullptr, 0, ""},
    {1027, nullptr, 0, ""},
};

class StartupMessage : public testing::TestWithParam<MessageCase> {};

TEST_P(StartupMessage, IsComposedFromItsTemplate) {
    const MessageCase& c = GetParam();
    EXPECT_EQ(plra::ComposeStartupMessage(c.code, c.file, c.version), c.expected);
}

INSTANTIATE_TEST_SUITE_P(EveryCode, StartupMessage, testing::ValuesIn(kMessages));

TEST(VersionParts, SplitMostSignificantFirst) {
    plra::VersionParts parts = plra::SplitVersion(0x0001000300000000ULL);
    EXPECT_EQ(parts.part[0], 1);
    EXPECT_EQ(parts.part[1], 3);
    EXPECT_EQ(parts.part[2], 0);
    EXPECT_EQ(parts.part[3], 0);
}

}  // namespace
