// Opening the program's web addresses in the user's browser.
#pragma once

#include "platform/win.h"

namespace plra {

// Opens `address` with the shell; on failure tells the user in an error box owned by `owner`.
void OpenWebAddress(const char* address, HWND owner);

// "<address>\n\nUnable to open this website address." in an error box; always false.
bool ShowWebsiteError(const char* address, HWND owner);

}  // namespace plra
