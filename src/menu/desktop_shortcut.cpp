#include "menu/desktop_shortcut.h"

#include "platform/scoped.h"
#include "platform/sound.h"
#include "resources/resource_ids.h"

#include <shlobj.h>
#include <shlwapi.h>

#include <cstring>

namespace plra {

namespace {

constexpr HRESULT kOwnFailure = -1;
constexpr const char* kDescription = "Launch the Pellora application";
// A negative icon index names the icon resource by its identifier: the application icon.
constexpr int kIconIndex = -PLRA_ICO_APP;

bool IsAbsolute(const char* path) { return path[0] != '\0' && !::PathIsRelativeA(path); }

}  // namespace

bool CreateDesktopShortcut(const AppContext& app) {
    bool written = app.moduleFileName[0] != '\0' &&
                   PlaceShortcutOnDesktop(app.startDirectory, app.moduleFileName, app.moduleFileName) >= 0;
    PlayResourceSound(written ? PLRA_WAV_SHORTCUT : PLRA_WAV_FAILED);
    return written;
}

HRESULT PlaceShortcutOnDesktop(const char* workingDirectory, const char* target, const char* iconFile) {
    char desktop[MAX_PATH];
    desktop[0] = '\0';
    HRESULT found = ::SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, desktop);
    if (found != S_OK) {
        desktop[0] = '\0';
        found = ::SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_DEFAULT, desktop);
        if (found != S_OK && found != S_FALSE) return found;
    }

    if (!IsAbsolute(desktop) || !EnsureDirectory(desktop)) return kOwnFailure;

    // The shortcut lies directly in the desktop folder (an empty sub-folder name).
    char folder[MAX_PATH];
    std::memcpy(folder, desktop, MAX_PATH);
    if (!::PathAppendA(folder, "")) return kOwnFailure;

    char file[MAX_PATH];
    std::memcpy(file, folder, MAX_PATH);
    if (!::PathAppendA(file, "Pellora")) return kOwnFailure;
    const size_t length = std::strlen(file);
    static const char kExtension[] = ".lnk";
    if (length + sizeof kExtension - 1 > MAX_PATH - 1) return kOwnFailure;
    std::memcpy(file + length, kExtension, sizeof kExtension);

    if (!target || !IsAbsolute(target)) return kOwnFailure;
    if (iconFile && iconFile[0] != '\0' && ::PathIsRelativeA(iconFile)) return kOwnFailure;

    const DWORD attributes = ::GetFileAttributesA(file);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
        !::SetFileAttributesA(file, attributes & ~DWORD{FILE_ATTRIBUTE_READONLY}))
        return kOwnFailure;

    if (::PathFileExistsA(target)) {
        if (!EnsureDirectory(folder)) return kOwnFailure;
        return SaveShellLink(file, target, workingDirectory, iconFile);
    }
    // The program's file is gone: a shortcut to it would lead nowhere, so an old one goes too.
    if (::PathFileExistsA(file) && !::DeleteFileA(file)) return kOwnFailure;
    return S_OK;
}

HRESULT SaveShellLink(const char* shortcutFile, const char* target, const char* workingDirectory,
                      const char* iconFile) {
    ComPtr<IShellLinkA> link;
    HRESULT result = ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                        link.put());
    if (FAILED(result)) return result;
    ComPtr<IPersistFile> file;
    result = link->QueryInterface(IID_IPersistFile, file.put());
    if (FAILED(result)) return result;

    // The persist interface is declared last, so it is released first.
    if (FAILED(result = link->SetPath(target))) return result;
    if (workingDirectory && FAILED(result = link->SetWorkingDirectory(workingDirectory))) return result;
    if (FAILED(result = link->SetDescription(kDescription))) return result;
    if (iconFile && FAILED(result = link->SetIconLocation(iconFile, kIconIndex))) return result;
    if (FAILED(result = link->SetShowCmd(SW_SHOWNORMAL))) return result;
    if (FAILED(result = link->SetHotkey(0))) return result;

    wchar_t wideName[MAX_PATH];
    if (!::MultiByteToWideChar(CP_ACP, 0, shortcutFile, -1, wideName, MAX_PATH)) return kOwnFailure;
    return file->Save(wideName, TRUE);
}

bool EnsureDirectory(const char* path) {
    if (!path || path[0] == '\0') return false;
    const size_t length = std::strlen(path);
    if (length >= MAX_PATH) return false;
    if (::PathFileExistsA(path)) return ::PathIsDirectoryA(path) != FALSE;

    // Climb one folder up after each failure and come one back down after each success, until
    // the whole path exists or there is nothing left above.
    int levels = 1;
    char candidate[MAX_PATH];
    std::memcpy(candidate, path, length + 1);
    for (;;) {
        levels += ::CreateDirectoryA(candidate, nullptr) ? -1 : 1;
        if (levels == 0) return true;
        std::memcpy(candidate, path, length + 1);
        for (int strip = 0; strip < levels - 1; ++strip)
            if (!::PathRemoveFileSpecA(candidate)) return false;
        if (candidate[0] == '\0') return false;
    }
}

}  // namespace plra
