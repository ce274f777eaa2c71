// The process-wide application record: what start-up learnt about the program and what it
// acquired for the whole run. Read-only while the main dialog runs.
#pragma once

#include "platform/win.h"

#include <cstdint>

namespace plra {

using DwmIsCompositionEnabledFn = HRESULT(WINAPI*)(BOOL* enabled);
using DwmGetWindowAttributeFn = HRESULT(WINAPI*)(HWND window, DWORD attribute, PVOID value,
                                                 DWORD size);

struct AppContext {
    char startDirectory[MAX_PATH];   // empty until recorded, emptied again once restored
    char moduleFileName[MAX_PATH];
    HINSTANCE instance;
    const char* commandLine;         // never interpreted: the program takes no arguments
    int showCommand;                 // unused: the dialog template carries WS_VISIBLE
    int exitCode;
    std::uint64_t fileVersion;       // major, minor, build, revision as 16-bit parts
    std::uint64_t productVersion;
    char* registryKeyPath;           // "Software\Ostrel\Pellora V<major>", relative to HKCU
    bool comInitialized;
    HANDLE privateFont;
    HMODULE dwmLibrary;
    DwmIsCompositionEnabledFn dwmIsCompositionEnabled;
    DwmGetWindowAttributeFn dwmGetWindowAttribute;
};

// Set by the record's static construction, cleared by its exit-time release.
extern AppContext* g_appContext;

inline AppContext& App() { return *g_appContext; }

// The four 16-bit parts of a version, most significant first.
struct VersionParts {
    unsigned short part[4];
};
VersionParts SplitVersion(std::uint64_t version);

}  // namespace plra
