#include "app/startup.h"

#include "app/app_context.h"
#include "platform/scoped.h"

#include <ole2.h>
#include <shlwapi.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <memory>

namespace plra {

const char* const kStartupErrorCaption = "Error during initialization";

namespace {

const char kCodeFormat[] = "ERROR CODE %1!d!";

const char kFileAndVersionTemplate[] =
    "%1%n%nFile :  \"%2\"%nVersion :  %3!hu!.%4!hu!.%5!hu!.%6!hu!%n%n ========================%n%n"
    "Unable to get the application file name or its version number.";
const char kDirectoryTemplate[] = "%1%n%nUnable to get the location of the current directory.";
const char kComTemplate[] = "%1%n%nUnable to initialize the Windows COM library.";
const char kComVersionTemplate[] =
    "%1%n%nEither \"compobj.dll\" or \"ole2.dll\" has been updated to a version that is "
    "incompatible with the other file.\n\nTo correct this problem, replace both of these files "
    "with compatible versions for your operating system.\n(Those files are used by the Windows "
    "COM library.)";
const char kFontTemplate[] = "%1%n%nUnable to install the private fonts.";

const char* TemplateFor(int code) {
    switch (code) {
    case kNoModuleFileName:
    case kNoVersionBlock: return kFileAndVersionTemplate;
    case kNoCurrentDirectory: return kDirectoryTemplate;
    case kComInitFailed: return kComTemplate;
    case kComVersionMismatch: return kComVersionTemplate;
    case kPrivateFontRefused: return kFontTemplate;
    default: return nullptr;
    }
}

// One pass of the system message formatter over a template with 32-bit arguments.
std::string FormatFromString(const char* format, const DWORD_PTR* arguments) {
    char* buffer = nullptr;
    DWORD length = ::FormatMessageA(
        FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_ARGUMENT_ARRAY,
        format, 0, 0, reinterpret_cast<char*>(&buffer), 0,
        reinterpret_cast<va_list*>(const_cast<DWORD_PTR*>(arguments)));
    UniqueLocal owner(buffer);
    return length ? std::string(buffer, length) : std::string();
}

void Fail(int code) {
    AppContext& app = App();
    app.exitCode = code;
    std::string text = ComposeStartupMessage(code, app.moduleFileName, app.fileVersion);
    ::MessageBoxA(nullptr, text.c_str(), kStartupErrorCaption, MB_OK | MB_ICONERROR);
}

// A path function's answer fits a 260-byte buffer when it is 1 to 259 characters long.
bool FitsPathBuffer(DWORD length) { return length != 0 && length < MAX_PATH; }

}  // namespace

std::string ComposeStartupMessage(int code, const char* moduleFileName, std::uint64_t fileVersion) {
    const char* messageTemplate = TemplateFor(code);
    if (!messageTemplate) return std::string();
    DWORD_PTR codeArguments[1] = {static_cast<DWORD_PTR>(code)};
    std::string codeText = FormatFromString(kCodeFormat, codeArguments);
    VersionParts parts = SplitVersion(fileVersion);
    DWORD_PTR arguments[6] = {reinterpret_cast<DWORD_PTR>(codeText.c_str()),
                              reinterpret_cast<DWORD_PTR>(moduleFileName ? moduleFileName : ""),
                              parts.part[0], parts.part[1], parts.part[2], parts.part[3]};
    return FormatFromString(messageTemplate, arguments);
}

ModuleVersion ReadModuleVersion(const char* path) {
    ModuleVersion result{false, 0, 0};
    DWORD ignored = 0;
    DWORD size = ::GetFileVersionInfoSizeA(path, &ignored);
    if (size == 0) return result;
    std::unique_ptr<unsigned char[]> buffer(new (std::nothrow) unsigned char[size]);
    if (!buffer) return result;
    if (!::GetFileVersionInfoA(path, 0, size, buffer.get())) return result;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!::VerQueryValueA(buffer.get(), "\\", reinterpret_cast<void**>(&fixed), &length) || !fixed)
        return result;
    result.fileVersion = (std::uint64_t{fixed->dwFileVersionMS} << 32) | fixed->dwFileVersionLS;
    result.productVersion =
        (std::uint64_t{fixed->dwProductVersionMS} << 32) | fixed->dwProductVersionLS;
    result.ok = true;
    return result;
}

bool InstallPrivateFont() {
    AppContext& app = App();
    HRSRC resource = ::FindResourceA(app.instance, "SegoeUI.ttf", "PRIVATE_FONT");
    if (!resource) return true;
    DWORD size = ::SizeofResource(app.instance, resource);
    if (size == 0) return true;
    HGLOBAL loaded = ::LoadResource(app.instance, resource);
    if (!loaded) return true;
    void* data = ::LockResource(loaded);
    if (!data) return true;
    DWORD fontCount = 0;
    app.privateFont = ::AddFontMemResourceEx(data, size, nullptr, &fontCount);
    return app.privateFont != nullptr;
}

bool InitializeApplication(HINSTANCE instance, const char* commandLine, int showCommand) {
    AppContext& app = App();
    app.exitCode = 0;
    if (!instance || !commandLine) {
        app.exitCode = kNoInstanceOrCommandLine;
        return false;
    }
    app.instance = instance;
    app.commandLine = commandLine;
    app.showCommand = showCommand;

    _fmode = _O_BINARY;  // files open untranslated: no newline conversion
    std::setlocale(LC_CTYPE, "");
    std::setlocale(LC_COLLATE, "");

    if (!FitsPathBuffer(::GetModuleFileNameA(instance, app.moduleFileName, MAX_PATH))) {
        Fail(kNoModuleFileName);
        return false;
    }

    ModuleVersion version = ReadModuleVersion(app.moduleFileName);
    app.fileVersion = version.fileVersion;
    app.productVersion = version.productVersion;
    if (!version.ok) {
        Fail(kNoVersionBlock);
        return false;
    }

    char keyPath[64];
    std::snprintf(keyPath, sizeof keyPath, "Software\\Ostrel\\Pellora V%u",
                  static_cast<unsigned>(app.fileVersion >> 48));
    if (char* copy = _strdup(keyPath)) {
        std::free(app.registryKeyPath);
        app.registryKeyPath = copy;
    }

    char current[MAX_PATH];
    if (!FitsPathBuffer(::GetCurrentDirectoryA(MAX_PATH, current)) ||
        !FitsPathBuffer(::GetFullPathNameA(current, MAX_PATH, app.startDirectory, nullptr))) {
        app.startDirectory[0] = '\0';
        Fail(kNoCurrentDirectory);
        return false;
    }

    HRESULT ole = ::OleInitialize(nullptr);
    if (ole != S_OK && ole != S_FALSE) {
        Fail(ole == OLE_E_WRONGCOMPOBJ ? kComVersionMismatch : kComInitFailed);
        return false;
    }
    app.comInitialized = true;

    if (!InstallPrivateFont()) {
        Fail(kPrivateFontRefused);
        return false;
    }
    return true;
}

void ReleaseApplication() {
    AppContext* app = g_appContext;
    if (!app) return;
    if (app->privateFont) {
        ::RemoveFontMemResourceEx(app->privateFont);
        app->privateFont = nullptr;
    }
    if (app->comInitialized) {
        ::CoUninitialize();
        app->comInitialized = false;
    }
    if (app->dwmLibrary) {
        app->dwmIsCompositionEnabled = nullptr;
        app->dwmGetWindowAttribute = nullptr;
        ::FreeLibrary(std::exchange(app->dwmLibrary, nullptr));
    }
    if (app->startDirectory[0] != '\0') {
        char copy[MAX_PATH];
        std::memcpy(copy, app->startDirectory, MAX_PATH);
        ::PathRemoveBackslashA(copy);
        ::SetCurrentDirectoryA(copy);
        app->startDirectory[0] = '\0';
    }
}

}  // namespace plra
