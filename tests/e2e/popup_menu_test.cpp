// The Menu button as a user meets it: a real click opens the menu at the button's centre with
// its pictures, keys choose its entries, and each command shows its outcome.
#include "support/harness.h"
#include "support/https_handler.h"

#include "platform/scoped.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstdlib>

namespace {

constexpr const char* kOstrelKey = "Software\\Ostrel";
constexpr const char* kProgramKey = "Software\\Ostrel\\Pellora V1";

HWND FocusOf(HWND dialog) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info);
    return info.hwndFocus;
}

std::string DesktopLink() {
    char desktop[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, desktop);
    return std::string(desktop) + "\\Pellora.lnk";
}


class MenuButton : public testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, kOstrelKey);
        DeleteFileA(DesktopLink().c_str());
        pellora_ = std::make_unique<test::PelloraProcess>();
        ASSERT_TRUE(pellora_->WaitForDialog());
        dialog_ = pellora_->dialog();
        ASSERT_TRUE(test::WaitUntil([&] { return FocusOf(dialog_) == pellora_->Control(1); }));
    }
    void TearDown() override {
        pellora_.reset();
        RegDeleteTreeA(HKEY_CURRENT_USER, kOstrelKey);
        DeleteFileA(DesktopLink().c_str());
    }
    // Clicks the Menu button and waits for the open menu window.
    HWND OpenMenu() {
        POINT centre = test::CenterOf(pellora_->Control(1));
        test::ClickAt(centre.x, centre.y);
        HWND menu = nullptr;
        test::WaitUntil([&] { return (menu = test::FindProcessWindow(pellora_->id(), "#32768", nullptr)) != nullptr; });
        return menu;
    }
    bool MenuClosed() {
        return test::WaitUntil([&] { return !test::FindProcessWindow(pellora_->id(), "#32768", nullptr); });
    }
    void Choose(char letter) {
        ASSERT_TRUE(OpenMenu());
        test::PressKey(static_cast<WORD>(letter));
        ASSERT_TRUE(MenuClosed());
    }

    std::unique_ptr<test::PelloraProcess> pellora_;
    HWND dialog_ = nullptr;
};

// Rows of the menu's left margin (where the pictures are) that hold saturated colours: the
// menu's own grey, black text and white have none.
int CountPictureBands(HWND menu) {
    RECT r;
    GetWindowRect(menu, &r);
    HDC screen = GetDC(nullptr);
    int bands = 0;
    bool inBand = false;
    for (int y = r.top; y < r.bottom; ++y) {
        bool coloured = false;
        for (int x = r.left; x < r.left + 40 && !coloured; ++x) {
            COLORREF c = GetPixel(screen, x, y);
            int red = GetRValue(c), green = GetGValue(c), blue = GetBValue(c);
            coloured = std::abs(red - green) > 48 || std::abs(green - blue) > 48 || std::abs(red - blue) > 48;
        }
        if (coloured && !inBand) ++bands;
        inBand = coloured;
    }
    ReleaseDC(nullptr, screen);
    return bands;
}

TEST_F(MenuButton, OpensItsMenuAtTheButtonsCentreWithFourPictures) {
    const POINT centre = test::CenterOf(pellora_->Control(1));
    HWND menu = OpenMenu();
    ASSERT_TRUE(menu);
    RECT r;
    GetWindowRect(menu, &r);
    EXPECT_EQ(r.left, centre.x);
    EXPECT_EQ(r.top, centre.y);
    Sleep(300);  // let it paint
    EXPECT_EQ(CountPictureBands(menu), 4);
    test::PressKey(VK_ESCAPE);
    ASSERT_TRUE(MenuClosed());
}

TEST_F(MenuButton, DismissingItOrClosingItDoesNothing) {
    ASSERT_TRUE(OpenMenu());
    test::PressKey(VK_ESCAPE);
    ASSERT_TRUE(MenuClosed());
    Choose('U');
    ASSERT_TRUE(OpenMenu());
    RECT dialogRect;
    GetWindowRect(dialog_, &dialogRect);
    // Outside the menu. The pointer goes there first and the menu loop is given a moment to
    // take the mouse: under Wine a click sent at once after the menu appears can be lost.
    test::MoveMouseTo(dialogRect.right + 200, dialogRect.bottom + 200);
    Sleep(300);
    test::MouseButton(true);
    test::MouseButton(false);
    ASSERT_TRUE(MenuClosed());
    Sleep(300);
    EXPECT_TRUE(IsWindowVisible(dialog_));
    EXPECT_TRUE(pellora_->Sounds().empty());
    EXPECT_FALSE(test::FindProcessWindow(pellora_->id(), "#32770", "About Pellora"));
    EXPECT_EQ(WaitForSingleObject(pellora_->handle(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
}

TEST_F(MenuButton, SaveWritesTheOptionsAndThePlacementWithItsSound) {
    Choose('V');
    ASSERT_TRUE(pellora_->WaitForSounds(1));
    EXPECT_EQ(pellora_->Sounds(), std::vector<int>{159});
    for (const char* name : {"KeepDialogOnTop", "AutoFindRootParent", "DrawInvertedFrame"}) {
        DWORD value = 7, size = sizeof value;
        EXPECT_EQ(RegGetValueA(HKEY_CURRENT_USER, kProgramKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size),
                  ERROR_SUCCESS)
            << name;
        EXPECT_EQ(value, 1u) << name;
    }
    HKEY placement = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, (std::string(kProgramKey) + "\\MainWindow").c_str(), 0, KEY_READ,
                            &placement),
              ERROR_SUCCESS);
    if (placement) RegCloseKey(placement);
}

TEST_F(MenuButton, SaveIntoAKeyThatCannotBeWrittenPlaysTheFailureSound) {
    // Below a volatile key only volatile keys can be made: the program's key cannot be created.
    HKEY ostrel = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kOstrelKey, 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                              &ostrel, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(ostrel);
    Choose('V');
    ASSERT_TRUE(pellora_->WaitForSounds(1));
    EXPECT_EQ(pellora_->Sounds(), std::vector<int>{147});
}

TEST_F(MenuButton, TheShortcutEntryWritesTheDesktopLinkWithItsSound) {
    Choose('D');
    ASSERT_TRUE(pellora_->WaitForSounds(1));
    EXPECT_EQ(pellora_->Sounds(), std::vector<int>{130});
    ASSERT_NE(GetFileAttributesA(DesktopLink().c_str()), INVALID_FILE_ATTRIBUTES);

    plra::ComPtr<IShellLinkA> link;
    CoInitialize(nullptr);
    ASSERT_HRESULT_SUCCEEDED(
        CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.put()));
    plra::ComPtr<IPersistFile> file;
    ASSERT_HRESULT_SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.put()));
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, DesktopLink().c_str(), -1, wide, MAX_PATH);
    ASSERT_HRESULT_SUCCEEDED(file->Load(wide, STGM_READ));
    char text[MAX_PATH] = "";
    link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
    EXPECT_STRCASEEQ(text, (test::ExecutableFolder() + "Pellora.exe").c_str());
    link->GetWorkingDirectory(text, MAX_PATH);
    EXPECT_STRCASEEQ(text, pellora_->folder().c_str());
    link->GetDescription(text, MAX_PATH);
    EXPECT_STREQ(text, "Launch the Pellora application");
    int show = 0;
    link->GetShowCmd(&show);
    EXPECT_EQ(show, SW_SHOWNORMAL);

    // The second time the same file is rewritten.
    Choose('D');
    ASSERT_TRUE(pellora_->WaitForSounds(2));
    EXPECT_EQ(pellora_->Sounds(), (std::vector<int>{130, 130}));
}

TEST_F(MenuButton, TheAboutEntryOpensTheBoxWhoseLinksGoToTheShell) {
    // Every address Pellora opens then ends in its error box.
    test::HttpsHandler handler("C:\\windows\\no-such-browser.exe \"%1\"");
    Choose('A');
    HWND box = pellora_->WaitForWindow("About Pellora");
    ASSERT_TRUE(box);
    EXPECT_EQ(GetWindow(box, GW_OWNER), dialog_);
    EXPECT_EQ(test::WindowText(GetDlgItem(box, 1026)), "Pellora\nVersion 1.3.0.0");
    // Centred over the main dialog.
    POINT boxCentre = test::CenterOf(box), dialogCentre = test::CenterOf(dialog_);
    EXPECT_LE(std::abs(boxCentre.x - dialogCentre.x), 1);
    EXPECT_LE(std::abs(boxCentre.y - dialogCentre.y), 1);

    for (int id : {1061, 213}) {
        test::MessageBoxWatcher watcher(pellora_->id(), "Error");
        // A real click on the link's text, at its left end.
        RECT r;
        GetWindowRect(GetDlgItem(box, id), &r);
        test::ClickAt(r.left + 12, (r.top + r.bottom) / 2);
        EXPECT_TRUE(test::WaitUntil([&] { return watcher.count() > 0; }));
        test::MessageBoxContent shown = watcher.Result();
        EXPECT_EQ(shown.text, std::string(id == 1061 ? "https://pellora.example.org/"
                                                     : "https://contributors.example.org/pellora/") +
                                  "\n\nUnable to open this website address.");
        EXPECT_TRUE(IsWindowVisible(box));
    }

    ASSERT_TRUE(test::ActivateWindow(box));
    test::PressKey(VK_ESCAPE);
    EXPECT_TRUE(test::WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_TRUE(pellora_->Sounds().empty());
}

TEST_F(MenuButton, ExitEndsTheProgramWithCodeZero) {
    Choose('X');
    EXPECT_EQ(pellora_->WaitForExit(), 0u);
    EXPECT_TRUE(pellora_->Sounds().empty());
}

}  // namespace
