// The shortcut to the program on the current user's desktop.
#pragma once

#include "app/app_context.h"
#include "platform/win.h"

namespace plra {

// The menu command: places "Pellora.lnk" on the desktop and plays WAVE 130 on success, 147 on
// failure. True when the shortcut was written, or when the program's file is gone and no stale
// shortcut remains.
bool CreateDesktopShortcut(const AppContext& app);

// Finds the desktop folder, checks the paths and writes the shortcut. Results as COM results:
// negative on failure (-1 for the program's own failures). workingDirectory and iconFile may be
// null; iconFile may be empty.
HRESULT PlaceShortcutOnDesktop(const char* workingDirectory, const char* target, const char* iconFile);

// Writes the shell link file `shortcutFile`. A null workingDirectory or iconFile is not set.
HRESULT SaveShellLink(const char* shortcutFile, const char* target, const char* workingDirectory,
                      const char* iconFile);

// True when `path` exists as a folder on return; creates missing folders, parents first.
bool EnsureDirectory(const char* path);

}  // namespace plra
