// The copy button's work inside the test process: the text read from the dialog's own
// labels and fields, handed to the clipboard and read back by another process; the clipboard
// closed on every path; the failures that leave other programs' contents alone.
#include "inspector/clipboard_copy.h"

#include "resources/resource_ids.h"
#include "support/dialog_fixture.h"
#include "support/harness.h"
#include "support/sound_recorder.h"
#include "support/target_process.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <limits>
#include <new>

namespace {

const char* const kTemplateEmptyText =
    "Title          :  \r\n"
    "Class          :  \r\n"
    "Descriptor     :  \r\n"
    "Identifier     :  \r\n"
    "Style          :  \r\n"
    "Extended style :  \r\n"
    "Parent         :  \r\n"
    "Rectangle      :  \r\n";

void SetValues(HWND dialog, const char* const (&values)[8]) {
    for (int i = 0; i < 8; ++i) SetDlgItemTextA(dialog, PLRA_ID_TITLE + i, values[i]);
}

void ClickCopy(PLRA_DlgPellora& dialog) {
    SendMessageA(dialog.dialogWindow, WM_COMMAND, MAKEWPARAM(PLRA_ID_COPY, BN_CLICKED),
                 reinterpret_cast<LPARAM>(dialog.copyButton));
}

TEST(CopyInformation, PutsTheFieldsAsTheyStandForAnotherProcessToRead) {
    test::RunMainDialogWith([](PLRA_DlgPellora& dialog) {
        const char* const values[8] = {" Notes: draft 3 ", "EditorFrame", "0x000B04F2", "-1",
                                       "0x14CF0000", "0x00000100", "0x00000000",
                                       "(100, 50), (740, 530)   640 \xD7 480"};
        SetValues(dialog.dialogWindow, values);
        test::SoundRecorder sounds;
        ClickCopy(dialog);
        EXPECT_EQ(sounds.Sounds(), std::vector<int>{PLRA_WAV_COPIED});
        EXPECT_EQ(GetOpenClipboardWindow(), nullptr);
        EXPECT_EQ(GetClipboardOwner(), dialog.dialogWindow);
        test::ClipboardRead read = test::ReadClipboardFromAnotherProcess();
        ASSERT_TRUE(read.ok);
        EXPECT_EQ(read.text,
                  "Title          :   Notes: draft 3 \r\n"
                  "Class          :  EditorFrame\r\n"
                  "Descriptor     :  0x000B04F2\r\n"
                  "Identifier     :  -1\r\n"
                  "Style          :  0x14CF0000\r\n"
                  "Extended style :  0x00000100\r\n"
                  "Parent         :  0x00000000\r\n"
                  "Rectangle      :  (100, 50), (740, 530)   640 \xD7 480\r\n");
    });
}

std::string Hex8(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return text;
}

// A picked window of another process, copied and read back by a third: the panel's texts,
// its title's colon and outer blanks and the rectangle's 0xD7 byte included.
TEST(CopyInformation, CopiesASelectedWindowOfAnotherProcessByteForByte) {
    test::TargetProcess::Options options;
    options.title = "  Notes: draft 3  ";
    options.rect = {120, 140, 760, 620};
    test::TargetProcess target(options);
    ASSERT_TRUE(target.window());
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) {
        dialog.ShowWindowInfo(target.window());
        ASSERT_EQ(dialog.rootWindow, target.window());
        ASSERT_TRUE(plra::CopyInformationToClipboard(dialog));
        HWND window = target.window();
        std::string expected =
            "Title          :    Notes: draft 3  \r\n"
            "Class          :  PelloraTarget\r\n"
            "Descriptor     :  " +
            Hex8(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window))) +
            "\r\n"
            "Identifier     :  0\r\n"
            "Style          :  " +
            Hex8(static_cast<std::uint32_t>(GetWindowLongA(window, GWL_STYLE))) +
            "\r\n"
            "Extended style :  " +
            Hex8(static_cast<std::uint32_t>(GetWindowLongA(window, GWL_EXSTYLE))) +
            "\r\n"
            "Parent         :  0x00000000\r\n"
            "Rectangle      :  (120, 140), (760, 620)   640 \xD7 480\r\n";
        test::ClipboardRead read = test::ReadClipboardFromAnotherProcess();
        ASSERT_TRUE(read.ok);
        EXPECT_EQ(read.text, expected);
    });
}

TEST(CopyInformation, CopiesEightLabelledLinesWhenTheFieldsAreEmpty) {
    test::RunMainDialogWith([](PLRA_DlgPellora& dialog) {
        test::SetClipboardTextHere("something else");
        // The panel starts empty; the copy does not ask for a selection.
        EXPECT_TRUE(plra::CopyInformationToClipboard(dialog));
        test::ClipboardRead read = test::ReadClipboardFromAnotherProcess();
        ASSERT_TRUE(read.ok);
        EXPECT_EQ(read.text, kTemplateEmptyText);
    });
}

// A window laid out like the panel, with other label texts: the column follows the longest.
class LabelledFields {
public:
    explicit LabelledFields(const char* const (&labels)[8]) {
        window_ = CreateWindowExA(0, "Static", "fields", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        for (int i = 0; i < 8; ++i) {
            Child("Static", labels[i], 301 + i);
            Child("Edit", "", PLRA_ID_TITLE + i);
        }
    }
    ~LabelledFields() { DestroyWindow(window_); }
    HWND window() const { return window_; }

private:
    void Child(const char* className, const char* text, int id) {
        CreateWindowExA(0, className, text, WS_CHILD, 0, 0, 10, 10, window_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    }
    HWND window_;
};

TEST(CopyInformation, PadsToTheLongestLabelOfTheDialog) {
    test::InitializeAppOnce();
    const char* const labels[8] = {"Title :",  "Window class: name :", "Descriptor :", "Id :",
                                   "Style :", "Ex:style :",            "Parent :",     "Rect :"};
    LabelledFields fields(labels);
    const char* const values[8] = {"a", "b", "c", "d", "e", "f", "g", "h"};
    SetValues(fields.window(), values);
    PLRA_DlgPellora dialog(nullptr);
    dialog.dialogWindow = fields.window();
    ASSERT_TRUE(plra::CopyInformationToClipboard(dialog));
    dialog.dialogWindow = nullptr;
    EXPECT_EQ(test::ReadClipboardHere().text,
              "Title             :  a\r\n"
              "Window class name :  b\r\n"
              "Descriptor        :  c\r\n"
              "Id                :  d\r\n"
              "Style             :  e\r\n"
              "Exstyle           :  f\r\n"
              "Parent            :  g\r\n"
              "Rect              :  h\r\n");
}

TEST(CopyInformation, FailsWithoutTouchingTheClipboardThatAnotherProgramHolds) {
    test::TargetProcess holder;
    ASSERT_TRUE(holder.window());
    ASSERT_TRUE(test::SetClipboardTextHere("the other program's text"));
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) {
        ASSERT_TRUE(holder.Send(test::target::kHoldClipboard));
        DWORD sequence = GetClipboardSequenceNumber();
        test::SoundRecorder sounds;
        ClickCopy(dialog);
        EXPECT_EQ(sounds.Sounds(), std::vector<int>{PLRA_WAV_FAILED});
        EXPECT_EQ(GetOpenClipboardWindow(), holder.window());
        EXPECT_EQ(GetClipboardSequenceNumber(), sequence);
        EXPECT_TRUE(holder.Send(test::target::kReleaseClipboard));
    });
    test::ClipboardRead read = test::ReadClipboardHere();
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.text, "the other program's text");
}

TEST(CopyText, RunningOutOfMemoryWhileBuildingLeavesTheClipboardUnopened) {
    HWND owner = CreateWindowExA(0, "Static", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(test::SetClipboardTextHere("kept"));
    DWORD sequence = GetClipboardSequenceNumber();
    bool openWhileBuilding = true;
    bool result = plra::CopyTextToClipboard(owner, [&]() -> std::string {
        openWhileBuilding = GetOpenClipboardWindow() == owner;
        throw std::bad_alloc();
    });
    EXPECT_FALSE(result);
    EXPECT_FALSE(openWhileBuilding);
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr);
    DestroyWindow(owner);
    EXPECT_EQ(GetClipboardSequenceNumber(), sequence);
    EXPECT_EQ(test::ReadClipboardHere().text, "kept");
}

struct PutCase {
    const char* name;
    bool openFirst;       // the caller opened the clipboard, as it must
    std::size_t length;   // bytes of "stored text" to store
    bool result;
    bool textAfter;       // CF_TEXT is on the clipboard afterwards
    const char* expected; // and reads so
};

const PutCase kPuts[] = {
    {"Stored", true, 11, true, true, "stored text"},
    {"StoredUpToTheLength", true, 6, true, true, "stored"},
    {"Empty", true, 0, true, true, ""},
    // An allocation that cannot succeed: the clipboard is left empty and closed.
    {"NoMemoryForTheBlock", true, std::numeric_limits<std::size_t>::max() / 2, false, false, ""},
    {"NoRoomForTheNul", true, std::numeric_limits<std::size_t>::max(), false, false, ""},
    // Not opened by the caller: nothing can be emptied or stored; other contents stay.
    {"ClipboardNotOpen", false, 11, false, true, "previous"},
};

class PutText : public testing::TestWithParam<PutCase> {};

TEST_P(PutText, ClosesTheClipboardOnEveryPath) {
    const PutCase& c = GetParam();
    ASSERT_TRUE(test::SetClipboardTextHere("previous"));
    if (c.openFirst) {
        ASSERT_TRUE(OpenClipboard(nullptr));
    }
    EXPECT_EQ(plra::PutTextOnClipboard("stored text", c.length), c.result);
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr);
    EXPECT_TRUE(OpenClipboard(nullptr)) << "still held open";
    CloseClipboard();
    test::ClipboardRead read = test::ReadClipboardHere();
    EXPECT_EQ(read.ok, c.textAfter);
    EXPECT_EQ(read.text, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Paths, PutText, testing::ValuesIn(kPuts),
                         [](const testing::TestParamInfo<PutCase>& p) { return p.param.name; });

}  // namespace
