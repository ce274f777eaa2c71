// Windows that lie about their text or never answer: the text read stays within its buffer,
// the panel stays correct and the program does not wait on them. (Across processes Wine
// corrects lying counts itself, so the liars live in the test process: on the test thread,
// where the plain send is used, and on a thread of their own, where the bounded send is.)
#include "inspector/window_text.h"
#include "support/dialog_fixture.h"
#include "support/fixture_process.h"
#include "support/harness.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cstring>

namespace {

struct Lie {
    const char* name;
    LONG_PTR length;   // the answer to WM_GETTEXTLENGTH
    LONG_PTR count;    // the answer to WM_GETTEXT (after writing `written` within the buffer)
    const char* written;
    const char* expected;
};

// The liar's answers, read by its window procedure; one liar at a time.
const Lie* current = nullptr;
size_t largestOffer = 0;

LRESULT CALLBACK Liar(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (current && message == WM_GETTEXTLENGTH) return current->length;
    if (current && message == WM_GETTEXT) {
        largestOffer = std::max<size_t>(largestOffer, wParam);
        if (wParam > 0) {
            size_t n = std::min(std::strlen(current->written), static_cast<size_t>(wParam) - 1);
            std::memcpy(reinterpret_cast<char*>(lParam), current->written, n);
            reinterpret_cast<char*>(lParam)[n] = '\0';
        }
        return current->count;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateLiar() {
    static bool registered = [] {
        WNDCLASSA liar{};
        liar.lpfnWndProc = Liar;
        liar.hInstance = GetModuleHandleA(nullptr);
        liar.lpszClassName = "PelloraLiar";
        return RegisterClassA(&liar) != 0;
    }();
    (void)registered;
    return CreateWindowExA(0, "PelloraLiar", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
}

const Lie kLies[] = {
    {"Truthful", 5, 5, "Hello", "Hello"},
    {"NegativeLength", -5, 5, "Hello", ""},
    {"MinimalLength", LONG_PTR(-1) << 31, 5, "Hello", ""},
    {"LengthTooShort", 2, 5, "Hello", ""},  // a count beyond the offered buffer is impossible
    {"LengthTooShortHonestCount", 2, 2, "Hello", "He"},
    {"AbsurdLength", 0x7FFFFFFF, 5, "Hello", "Hello"},
    {"CountMinusOne", 5, -1, "Hel\0lo", "Hel"},
    {"CountBelowMinusOne", 5, -2, "Hello", ""},
    {"CountFarBeyond", 5, 0x7FFFFFF0, "Hello", ""},
    {"CountNegativeHuge", 5, LONG_PTR(-1) << 40, "Hello", ""},
};

class LyingWindow : public testing::TestWithParam<Lie> {};

TEST_P(LyingWindow, OnTheSameThreadReadsOnlyWhatFits) {
    HWND liar = CreateLiar();
    current = &GetParam();
    largestOffer = 0;
    EXPECT_EQ(plra::ReadWindowText(liar), GetParam().expected);
    EXPECT_LE(largestOffer, plra::kMaxWindowTextLength + 1);
    current = nullptr;
    DestroyWindow(liar);
}

// The liar on a thread of its own, pumping until told to stop.
struct LiarThread {
    HWND window = nullptr;
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE thread = nullptr;
    bool pump = true;
    static DWORD WINAPI Run(void* self) {
        auto* me = static_cast<LiarThread*>(self);
        me->window = CreateLiar();
        SetEvent(me->ready);
        if (!me->pump) {
            Sleep(1500);  // never answers within the time the reader allows
        } else {
            MSG message;
            while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
        }
        DestroyWindow(me->window);
        return 0;
    }
    explicit LiarThread(bool pumping) : pump(pumping) {
        thread = CreateThread(nullptr, 0, Run, this, 0, nullptr);
        WaitForSingleObject(ready, 5000);
    }
    ~LiarThread() {
        PostThreadMessageA(GetThreadId(thread), WM_QUIT, 0, 0);
        WaitForSingleObject(thread, 10000);
        CloseHandle(thread);
        CloseHandle(ready);
    }
};

TEST_P(LyingWindow, OnAnotherThreadReadsOnlyWhatFits) {
    current = &GetParam();
    largestOffer = 0;
    {
        LiarThread liar(true);
        std::string text = plra::ReadWindowText(liar.window);
        // The wide length may be widened for double-byte code pages; what is kept never
        // exceeds what was written within the buffer.
        if (std::strcmp(GetParam().name, "LengthTooShort") == 0)
            EXPECT_TRUE(text.empty() || text == "Hello");
        else if (std::strcmp(GetParam().name, "LengthTooShortHonestCount") == 0)
            EXPECT_EQ(text, "He");
        else
            EXPECT_EQ(text, GetParam().expected);
        EXPECT_LE(largestOffer, 2 * plra::kMaxWindowTextLength + 1);
    }
    current = nullptr;
}

INSTANTIATE_TEST_SUITE_P(Lies, LyingWindow, testing::ValuesIn(kLies),
                         [](const testing::TestParamInfo<Lie>& lie) { return lie.param.name; });

TEST(SilentWindow, ReadsAsEmptyWithinTheTimeOut) {
    LiarThread silent(false);
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(plra::ReadWindowText(silent.window), "");
    auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_LT(waited, std::chrono::milliseconds(3 * plra::kWindowTextTimeoutMs));
}

TEST(SilentWindow, ThePanelShowsItWithAnEmptyTitleAndStaysResponsive) {
    LiarThread silent(false);
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) {
        auto start = std::chrono::steady_clock::now();
        dialog.ShowWindowInfo(silent.window);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(3 * plra::kWindowTextTimeoutMs));
        EXPECT_EQ(test::WindowText(dialog.valueFields[0]), "");
        EXPECT_EQ(test::WindowText(dialog.valueFields[1]), "PelloraLiar");
        EXPECT_EQ(dialog.pointedWindow, silent.window);
    });
}

// A window of another process whose thread never answers: Wine ignores the time-out of the
// ANSI WM_GETTEXTLENGTH to such a window, so this is where the wide form earns its place.
TEST(SilentWindowOfAnotherProcess, ReadsAsEmptyAndThePanelShowsTheRest) {
    test::FixtureProcess hung("hung 900 700", "Pellora Hung Fixture");
    ASSERT_NE(hung.window(), nullptr);
    Sleep(200);  // its thread is asleep by now
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(plra::ReadWindowText(hung.window()), "");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(3 * plra::kWindowTextTimeoutMs));
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) {
        dialog.ShowWindowInfo(hung.window());
        EXPECT_EQ(dialog.pointedWindow, hung.window());
        EXPECT_EQ(test::WindowText(dialog.valueFields[0]), "");
        EXPECT_EQ(test::WindowText(dialog.valueFields[1]), "Static");
    });
}

TEST(LyingWindowInPanel, ShowsAnEmptyTitleAndTheOtherRows) {
    static const Lie lie{"x", 3, 0x40000000, "abc", ""};
    current = &lie;
    HWND liar = CreateLiar();
    test::RunMainDialogWith([&](PLRA_DlgPellora& dialog) {
        dialog.ShowWindowInfo(liar);
        EXPECT_EQ(test::WindowText(dialog.valueFields[0]), "");
        EXPECT_EQ(test::WindowText(dialog.valueFields[1]), "PelloraLiar");
    });
    current = nullptr;
    DestroyWindow(liar);
}

}  // namespace
