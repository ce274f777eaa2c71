// The desktop shortcut written into a real folder that stands in for the user's desktop, read
// back through the shell's own link object; and the folder creation it relies on.
#include "menu/desktop_shortcut.h"

#include "app/app_context.h"
#include "platform/scoped.h"
#include "support/dialog_fixture.h"
#include "support/harness.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstring>
#include <fstream>

namespace {

constexpr const char* kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
bool IsFolder(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
void WriteFile(const std::string& path, const char* text) { std::ofstream(path, std::ios::binary) << text; }

int CountFiles(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    int count = 0;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++count;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return count;
}

// What the shell reads back from a link file.
struct LinkFields {
    bool loaded = false;
    std::string path, workingDirectory, description, arguments, iconFile;
    int iconIndex = 0;
    int showCommand = 0;
    WORD hotkey = 0xFFFF;
};

LinkFields ReadLink(const std::string& file) {
    LinkFields fields;
    plra::ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.put())))
        return fields;
    plra::ComPtr<IPersistFile> persist;
    if (FAILED(link->QueryInterface(IID_IPersistFile, persist.put()))) return fields;
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, wide, MAX_PATH);
    if (FAILED(persist->Load(wide, STGM_READ))) return fields;
    fields.loaded = true;
    char text[MAX_PATH] = "";
    link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
    fields.path = text;
    text[0] = '\0';
    link->GetWorkingDirectory(text, MAX_PATH);
    fields.workingDirectory = text;
    text[0] = '\0';
    link->GetDescription(text, MAX_PATH);
    fields.description = text;
    text[0] = '\0';
    link->GetArguments(text, MAX_PATH);
    fields.arguments = text;
    link->GetShowCmd(&fields.showCommand);
    link->GetHotkey(&fields.hotkey);
    // The ANSI interface of Wine answers index -1 after a load; the wide one reads the file.
    plra::ComPtr<IShellLinkW> wideLink;
    if (SUCCEEDED(link->QueryInterface(IID_IShellLinkW, wideLink.put()))) {
        wchar_t icon[MAX_PATH] = L"";
        wideLink->GetIconLocation(icon, MAX_PATH, &fields.iconIndex);
        char narrow[MAX_PATH] = "";
        WideCharToMultiByte(CP_ACP, 0, icon, -1, narrow, MAX_PATH, nullptr, nullptr);
        fields.iconFile = narrow;
    }
    return fields;
}

// Points the current user's desktop at a folder of the test, and back again afterwards.
class DesktopShortcut : public testing::Test {
protected:
    void SetUp() override {
        test::InitializeAppOnce();
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                                  nullptr),
                  ERROR_SUCCESS);
        char old[1024];
        DWORD size = sizeof old;
        if (RegQueryValueExA(key_, "Desktop", nullptr, &oldType_, reinterpret_cast<BYTE*>(old), &size) ==
            ERROR_SUCCESS) {
            hadValue_ = true;
            old_.assign(old, size);
        }
        app_ = plra::App();
        GetModuleFileNameA(nullptr, app_.moduleFileName, MAX_PATH);
        std::snprintf(app_.startDirectory, MAX_PATH, "%s", work_.path().c_str());
        UseDesktop(work_ / "Desktop");
    }
    void TearDown() override {
        if (hadValue_)
            RegSetValueExA(key_, "Desktop", 0, oldType_, reinterpret_cast<const BYTE*>(old_.data()),
                           static_cast<DWORD>(old_.size()));
        else
            RegDeleteValueA(key_, "Desktop");
        RegCloseKey(key_);
    }
    void UseDesktop(const std::string& folder) {
        desktop_ = folder;
        CreateDirectoryA(folder.c_str(), nullptr);
        RegSetValueExA(key_, "Desktop", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                       static_cast<DWORD>(folder.size() + 1));
    }
    std::string Link() const { return desktop_ + "\\Pellora.lnk"; }

    test::TemporaryFolder work_;
    std::string desktop_;
    plra::AppContext app_{};

private:
    HKEY key_ = nullptr;
    bool hadValue_ = false;
    DWORD oldType_ = REG_EXPAND_SZ;
    std::string old_;
};

TEST_F(DesktopShortcut, WritesTheProgramsLinkWithEveryField) {
    ASSERT_TRUE(plra::CreateDesktopShortcut(app_));
    LinkFields link = ReadLink(Link());
    ASSERT_TRUE(link.loaded);
    EXPECT_STRCASEEQ(link.path.c_str(), app_.moduleFileName);
    EXPECT_EQ(link.workingDirectory, work_.path());
    EXPECT_EQ(link.description, "Launch the Pellora application");
    EXPECT_EQ(link.arguments, "");
    EXPECT_STRCASEEQ(link.iconFile.c_str(), app_.moduleFileName);
    EXPECT_EQ(link.iconIndex, -101);
    EXPECT_EQ(link.showCommand, SW_SHOWNORMAL);
    EXPECT_EQ(link.hotkey, 0);

    // A copy for the independent .lnk reader that CTest runs after this test.
    CopyFileA(Link().c_str(), (test::ExecutableFolder() + "desktop-shortcut-sample.lnk").c_str(), FALSE);
}

TEST_F(DesktopShortcut, WrittenTwiceLeavesOneFileRewrittenTheSecondTime) {
    ASSERT_TRUE(plra::CreateDesktopShortcut(app_));
    test::TemporaryFolder otherStart;
    std::snprintf(app_.startDirectory, MAX_PATH, "%s", otherStart.path().c_str());
    ASSERT_TRUE(plra::CreateDesktopShortcut(app_));
    EXPECT_EQ(CountFiles(desktop_), 1);
    EXPECT_EQ(ReadLink(Link()).workingDirectory, otherStart.path());
}

TEST_F(DesktopShortcut, AReadOnlyShortcutIsMadeWritableAndOverwritten) {
    WriteFile(Link(), "not a link");
    ASSERT_TRUE(SetFileAttributesA(Link().c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
    ASSERT_TRUE(plra::CreateDesktopShortcut(app_));
    // Wine lets root overwrite a read-only file: the attribute itself shows the clearing.
    DWORD attributes = GetFileAttributesA(Link().c_str());
    EXPECT_EQ(attributes & FILE_ATTRIBUTE_READONLY, 0u);
    LinkFields link = ReadLink(Link());
    ASSERT_TRUE(link.loaded);
    EXPECT_STRCASEEQ(link.path.c_str(), app_.moduleFileName);
}

TEST_F(DesktopShortcut, ADesktopPathTooLongForTheFileNameFails) {
    // 250 characters: with "\Pellora.lnk" the name would reach 262.
    std::string folder = work_.path() + "\\";
    folder += std::string(250 - folder.size(), 'd');
    ASSERT_EQ(folder.size(), 250u);
    UseDesktop(folder);
    ASSERT_TRUE(IsFolder(folder));
    EXPECT_FALSE(plra::CreateDesktopShortcut(app_));
    EXPECT_EQ(CountFiles(folder), 0);
    EXPECT_EQ(plra::PlaceShortcutOnDesktop(app_.startDirectory, app_.moduleFileName, nullptr), -1);
}

TEST_F(DesktopShortcut, ADesktopPathThatJustFitsIsUsed) {
    // 247 + "\Pellora.lnk" = 259 characters, the longest name a path buffer holds.
    std::string folder = work_.path() + "\\";
    folder += std::string(247 - folder.size(), 'd');
    UseDesktop(folder);
    EXPECT_TRUE(plra::CreateDesktopShortcut(app_));
    EXPECT_TRUE(Exists(folder + "\\Pellora.lnk"));
}

TEST_F(DesktopShortcut, AVanishedProgramFileRemovesTheOldShortcutAndCountsAsSuccess) {
    WriteFile(Link(), "old shortcut");
    std::snprintf(app_.moduleFileName, MAX_PATH, "%s", (work_ / "gone\\Pellora.exe").c_str());
    EXPECT_TRUE(plra::CreateDesktopShortcut(app_));
    EXPECT_FALSE(Exists(Link()));
    EXPECT_TRUE(plra::CreateDesktopShortcut(app_));  // and nothing to remove the second time
    EXPECT_EQ(CountFiles(desktop_), 0);
}

TEST_F(DesktopShortcut, ANoModuleNameOrRelativePathsWriteNothing) {
    plra::AppContext noName = app_;
    noName.moduleFileName[0] = '\0';
    EXPECT_FALSE(plra::CreateDesktopShortcut(noName));
    EXPECT_EQ(plra::PlaceShortcutOnDesktop(app_.startDirectory, "Pellora.exe", app_.moduleFileName), -1);
    EXPECT_EQ(plra::PlaceShortcutOnDesktop(app_.startDirectory, app_.moduleFileName, "Pellora.exe"), -1);
    EXPECT_EQ(CountFiles(desktop_), 0);
    // No icon file at all, or an empty one, is allowed.
    EXPECT_EQ(plra::PlaceShortcutOnDesktop(nullptr, app_.moduleFileName, ""), S_OK);
    LinkFields link = ReadLink(Link());
    EXPECT_EQ(link.workingDirectory, "");
}

TEST(SaveShellLink, LeavesOutWhatIsNotGivenAndFailsForAMissingFolder) {
    test::InitializeAppOnce();
    test::TemporaryFolder folder;
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    ASSERT_GE(plra::SaveShellLink((folder / "bare.lnk").c_str(), self, nullptr, nullptr), 0);
    LinkFields link = ReadLink(folder / "bare.lnk");
    ASSERT_TRUE(link.loaded);
    EXPECT_EQ(link.workingDirectory, "");
    EXPECT_EQ(link.iconFile, "");
    EXPECT_EQ(link.description, "Launch the Pellora application");
    EXPECT_LT(plra::SaveShellLink((folder / "missing\\x.lnk").c_str(), self, nullptr, nullptr), 0);
}

struct FolderCase {
    const char* name;
    const char* relative;  // under a fresh temporary folder; "" for the folder itself
    bool expected;
    bool created;
};

// "file" is a plain file inside the temporary folder.
const FolderCase kFolderCases[] = {
    {"AnExistingFolder", "", true, false},
    {"AMissingFolder", "new", true, true},
    {"MissingParentsToo", "one\\two\\three", true, true},
    {"AFile", "file", false, false},
    {"AFileInTheMiddle", "file\\below", false, false},
    {"AFileInTheMiddleDeeper", "one\\file\\below\\more", false, false},
};

class EnsureDirectory : public testing::TestWithParam<FolderCase> {};

TEST_P(EnsureDirectory, AnswersWhetherTheFolderExistsAfterwards) {
    const FolderCase& c = GetParam();
    test::TemporaryFolder folder;
    WriteFile(folder / "file", "x");
    CreateDirectoryA((folder / "one").c_str(), nullptr);
    WriteFile(folder / "one\\file", "x");
    std::string path = *c.relative ? folder / c.relative : folder.path();
    EXPECT_EQ(plra::EnsureDirectory(path.c_str()), c.expected);
    EXPECT_EQ(IsFolder(path), c.expected);
    if (c.created) {
        EXPECT_TRUE(IsFolder(path));
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, EnsureDirectory, testing::ValuesIn(kFolderCases),
                         [](const testing::TestParamInfo<FolderCase>& param) { return std::string(param.param.name); });

TEST(EnsureDirectoryLimits, NoPathAnEmptyOneOrOneOfTwoHundredSixtyCharactersGiveFalse) {
    EXPECT_FALSE(plra::EnsureDirectory(nullptr));
    EXPECT_FALSE(plra::EnsureDirectory(""));
    test::TemporaryFolder folder;
    std::string longPath = folder.path() + "\\";
    longPath += std::string(MAX_PATH - longPath.size(), 'x');
    ASSERT_EQ(longPath.size(), 260u);
    EXPECT_FALSE(plra::EnsureDirectory(longPath.c_str()));
    EXPECT_FALSE(Exists(longPath));
}

}  // namespace
