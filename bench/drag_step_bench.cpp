// The cost of one drag step: the window search plus the panel update for an unchanged window,
// over a window of another process holding 1,000 controls nested four levels deep
// (fixture_window.exe many). Window-manager queries are counted through the seam of
// inspector/window_query.h (this program builds the search and the panel with it), and the
// figures are given as ratios against a straightforward baseline measured in the same run.
//   drag_step_bench.exe [steps per point] [grid spacing in pixels]
#include "app/app_context.h"
#include "app/startup.h"
#include "bench/baseline_search.h"
#include "inspector/main_dialog.h"
#include "inspector/panel_text.h"
#include "inspector/window_query.h"
#include "inspector/window_search.h"
#include "inspector/window_text.h"
#include "resources/resource_ids.h"
#include "tests/support/fixture_layout.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

long plra::windowQueryCount = 0;

namespace {

// What reaches the panel's controls: texts set, enable changes, check changes.
long panelSends = 0;
WNDPROC originalProcedures[32];
HWND countedControls[32];
int countedCount = 0;

LRESULT CALLBACK CountingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT || message == WM_ENABLE || message == BM_SETCHECK) ++panelSends;
    for (int i = 0; i < countedCount; ++i)
        if (countedControls[i] == window) return CallWindowProcA(originalProcedures[i], window, message, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

void CountSendsTo(HWND control) {
    countedControls[countedCount] = control;
    originalProcedures[countedCount++] = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingProcedure)));
}

// The baseline panel: the same rows, all eight set and every control state set unconditionally.
void BaselineShowWindowInfo(PLRA_DlgPellora& dialog, HWND window) {
    HWND root = window;
    bool refused = !window || !PLRA_QUERY(IsWindow(window)) || window == dialog.dialogWindow;
    for (HWND up = refused ? nullptr : PLRA_QUERY(GetParent(window)); up; up = PLRA_QUERY(GetParent(up))) {
        if (up == dialog.dialogWindow) { refused = true; break; }
        root = up;
    }
    std::string texts[8];
    bool shown = false, hasParent = false, topmost = false;
    if (!refused) {
        HWND subject = dialog.autoFindRootParent ? root : window;
        char className[257];
        WINDOWINFO info{};
        info.cbSize = sizeof info;
        if (PLRA_QUERY(GetClassNameA(subject, className, sizeof className)) && PLRA_QUERY(GetWindowInfo(subject, &info))) {
            shown = true;
            HWND parent = PLRA_QUERY(GetParent(subject));
            hasParent = parent != nullptr;
            topmost = (info.dwExStyle & WS_EX_TOPMOST) != 0;
            RECT r = info.rcWindow;
            if (subject != root) {
                PLRA_QUERY(ScreenToClient(root, reinterpret_cast<POINT*>(&r.left)));
                PLRA_QUERY(ScreenToClient(root, reinterpret_cast<POINT*>(&r.right)));
            }
            auto value = [](HWND h) { return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(h)); };
            texts[0] = plra::ReadWindowText(subject);
            texts[1] = className;
            texts[2] = plra::FormatHandleText(value(subject));
            texts[3] = plra::FormatIdentifierText(static_cast<std::int32_t>(PLRA_QUERY(GetWindowLongA(subject, GWL_ID))));
            texts[4] = plra::FormatStyleText(info.dwStyle);
            texts[5] = plra::FormatStyleText(info.dwExStyle);
            texts[6] = plra::FormatHandleText(value(parent));
            texts[7] = plra::FormatRectangleText(r.left, r.top, r.right, r.bottom);
        }
    }
    for (int row = 0; row < 8; ++row)
        SendMessageA(dialog.valueFields[row], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(texts[row].c_str()));
    for (int label = PLRA_ID_TITLE_LABEL; label <= PLRA_ID_RECTANGLE_LABEL; ++label)
        EnableWindow(GetDlgItem(dialog.dialogWindow, label), shown);
    EnableWindow(dialog.selectedOnTopCheckBox, shown && !hasParent);
    CheckDlgButton(dialog.dialogWindow, PLRA_ID_SELECTED_ON_TOP, topmost ? BST_CHECKED : BST_UNCHECKED);
    EnableWindow(dialog.copyButton, shown);
}

// The reference: a descent with the system's own child-from-point search.
HWND FindWithChildWindowFromPoint(int x, int y) {
    HWND under = PLRA_QUERY(WindowFromPoint(POINT{x, y}));
    if (!under) return nullptr;
    HWND current = PLRA_QUERY(GetAncestor(under, GA_ROOT));
    while (current) {
        POINT client{x, y};
        PLRA_QUERY(ScreenToClient(current, &client));
        HWND child = PLRA_QUERY(ChildWindowFromPointEx(current, client, CWP_SKIPINVISIBLE));
        if (!child || child == current) break;
        current = child;
    }
    return current;
}

struct Figures {
    double queries = 0;
    double sends = 0;
    double microseconds = 0;
};

template <typename Step>
Figures Measure(int steps, Step step) {
    step();  // the first step fills the panel; the measured ones find it unchanged
    plra::windowQueryCount = 0;
    panelSends = 0;
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < steps; ++i) step();
    auto elapsed = std::chrono::steady_clock::now() - start;
    Figures figures;
    figures.queries = static_cast<double>(plra::windowQueryCount) / steps;
    figures.sends = static_cast<double>(panelSends) / steps;
    figures.microseconds = std::chrono::duration<double, std::micro>(elapsed).count() / steps;
    return figures;
}

HWND DescendantWithId(HWND root, int id) {
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    EnumChildWindows(
        root,
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (static_cast<int>(GetWindowLongA(window, GWL_ID)) != s->id) return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

void Report(const char* what, const Figures& mine, const Figures& baseline, const Figures& reference) {
    std::printf("%s\n", what);
    std::printf("  queries per step:    optimised %8.1f   baseline %8.1f   reference %8.1f   ratio %.3f\n", mine.queries,
                baseline.queries, reference.queries, mine.queries / baseline.queries);
    std::printf("  panel sends per step: optimised %7.1f   baseline %8.1f\n", mine.sends, baseline.sends);
    std::printf("  microseconds per step: optimised %6.1f   baseline %8.1f   reference %8.1f   ratio %.3f\n",
                mine.microseconds, baseline.microseconds, reference.microseconds,
                mine.microseconds / baseline.microseconds);
}

}  // namespace

int main(int argc, char** argv) {
    const int steps = argc > 1 ? std::atoi(argv[1]) : 200;
    plra::InitializeApplication(GetModuleHandleA(nullptr), "", SW_SHOWDEFAULT);

    // The fixture: another process, to the right of the dialog.
    char folder[MAX_PATH];
    GetModuleFileNameA(nullptr, folder, sizeof folder);
    std::string exe(folder);
    exe = exe.substr(0, exe.find_last_of('\\') + 1) + "..\\tests\\e2e\\fixture_window.exe";
    std::string commandLine = "\"" + exe + "\" many 420 20";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::printf("cannot start %s\n", exe.c_str());
        return 1;
    }
    HWND fixture = nullptr;
    for (int i = 0; i < 400 && !fixture; ++i) {
        Sleep(50);
        fixture = FindWindowA(nullptr, test::kManyCaption);
        if (fixture && !IsWindowVisible(fixture)) fixture = nullptr;  // still filling
    }
    if (!fixture) {
        std::printf("the fixture window did not appear\n");
        TerminateProcess(process.hProcess, 1);
        return 1;
    }
    Sleep(300);

    PLRA_DlgPellora dialog(nullptr);
    CreateDialogParamA(plra::App().instance, MAKEINTRESOURCEA(PLRA_DLG_MAIN), nullptr, PLRA_DlgPellora::DialogProcedure,
                       reinterpret_cast<LPARAM>(&dialog));
    if (!dialog.dialogWindow) {
        std::printf("the dialog could not be created\n");
        TerminateProcess(process.hProcess, 1);
        return 1;
    }
    SetWindowPos(dialog.dialogWindow, nullptr, 0, 670, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    dialog.autoFindRootParent = false;
    for (HWND field : dialog.valueFields) CountSendsTo(field);
    for (int label = PLRA_ID_TITLE_LABEL; label <= PLRA_ID_RECTANGLE_LABEL; ++label)
        CountSendsTo(GetDlgItem(dialog.dialogWindow, label));
    CountSendsTo(dialog.selectedOnTopCheckBox);
    CountSendsTo(dialog.copyButton);
    Pump();

    // Over an innermost control late in the enumeration (outer panel 9, last middle and inner
    // panel, last control) and over the empty client area below the panels.
    HWND innermost = DescendantWithId(fixture, 1000 + ((8 * 3 + 2) * 4 + 3) * 7 + 6);
    RECT r;
    GetWindowRect(innermost, &r);
    POINT overControl{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    POINT overEmpty{817, 632};
    ClientToScreen(fixture, &overEmpty);

    struct Case {
        const char* name;
        POINT at;
    } cases[] = {{"Point over an innermost control", overControl}, {"Point over the empty client area", overEmpty}};
    for (const Case& c : cases) {
        const int x = c.at.x, y = c.at.y;
        HWND mineFound = plra::FindWindowAtPoint(x, y);
        HWND baseFound = bench::FindWindowAtPointBaseline(x, y);
        Figures mine = Measure(steps, [&] { dialog.ShowWindowInfo(plra::FindWindowAtPoint(x, y)); });
        Figures baseline = Measure(steps, [&] { BaselineShowWindowInfo(dialog, bench::FindWindowAtPointBaseline(x, y)); });
        Figures reference = Measure(steps, [&] { dialog.ShowWindowInfo(FindWithChildWindowFromPoint(x, y)); });
        char title[160];
        std::snprintf(title, sizeof title, "%s (%ld, %ld): found %s the baseline's window", c.name, c.at.x, c.at.y,
                      mineFound == baseFound ? "the same as" : "NOT");
        Report(title, mine, baseline, reference);
        // The unchanged step of the optimised panel, alone.
        Figures unchanged = Measure(steps, [&] { dialog.ShowWindowInfo(mineFound); });
        std::printf("  unchanged panel update alone: %.1f sends, %.1f queries\n", unchanged.sends, unchanged.queries);
    }

    // Every point of a grid over the fixture window: the same window as the baseline.
    RECT area;
    GetWindowRect(fixture, &area);
    long points = 0, differences = 0, referenceDifferences = 0;
    // A coarse grid: under Wine each baseline search over the 1,000 controls costs a few
    // hundred milliseconds of server round trips.
    const int spacing = argc > 2 ? std::atoi(argv[2]) : 37;
    for (int y = area.top + 2; y < area.bottom; y += spacing)
        for (int x = area.left + 2; x < area.right; x += spacing) {
            HWND base = bench::FindWindowAtPointBaseline(x, y);
            ++points;
            differences += plra::FindWindowAtPoint(x, y) != base;
            referenceDifferences += FindWithChildWindowFromPoint(x, y) != base;
        }
    std::printf("Grid of %ld points (every %d pixels, mirrored panels included): %ld differ from the baseline "
                "(the ChildWindowFromPointEx descent: %ld)\n",
                points, spacing, differences, referenceDifferences);

    DestroyWindow(dialog.dialogWindow);
    TerminateProcess(process.hProcess, 0);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return differences == 0 ? 0 : 2;
}
