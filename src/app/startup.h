// The road from the entry point to the exit: start-up checks, their failure reports and the
// release of everything start-up acquired.
#pragma once

#include "platform/win.h"

#include <cstdint>
#include <string>

namespace plra {

// Exit codes of start-up failures; 0 is a normal end.
enum StartupFailure : int {
    kNoInstanceOrCommandLine = 1001,
    kNoModuleFileName = 1002,
    kNoVersionBlock = 1003,
    kNoCurrentDirectory = 1009,
    kComInitFailed = 1011,
    kComVersionMismatch = 1012,
    kPrivateFontRefused = 1020,
    kMainDialogNotCreated = 1027,
};

extern const char* const kStartupErrorCaption;  // "Error during initialization"

bool InitializeApplication(HINSTANCE instance, const char* commandLine, int showCommand);
void ReleaseApplication();

struct ModuleVersion {
    bool ok;
    std::uint64_t fileVersion;
    std::uint64_t productVersion;
};
ModuleVersion ReadModuleVersion(const char* path);

bool InstallPrivateFont();

// The text of a start-up failure's message box, composed by the system message formatter.
std::string ComposeStartupMessage(int code, const char* moduleFileName, std::uint64_t fileVersion);

}  // namespace plra
