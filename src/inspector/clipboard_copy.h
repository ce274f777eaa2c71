// Copying the panel's details to the clipboard as text.
#pragma once

#include "inspector/main_dialog.h"

#include <cstddef>
#include <functional>
#include <string>

namespace plra {

// Reads the eight labels (301 to 308) and values (201 to 208) of the dialog at this moment
// and puts their text on the clipboard, owned by the dialog. True when the text is there.
// Looks neither at the selection nor at whether the controls are enabled.
bool CopyInformationToClipboard(PLRA_DlgPellora& dialog);

// The clipboard part of the copy: the text is built first, and only then is the clipboard
// opened, for the shortest span. Running out of memory while building gives false before
// the clipboard is touched.
bool CopyTextToClipboard(HWND owner, const std::function<std::string()>& buildText);

// For a clipboard the caller has opened: empties it, stores `length` bytes of `text` and a
// NUL as CF_TEXT, and closes it on every path. True only when the text is stored and the
// clipboard closed.
bool PutTextOnClipboard(const char* text, std::size_t length);

}  // namespace plra
