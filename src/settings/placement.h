// The remembered position of the main dialog, fitted to the monitors of today.
#pragma once

#include "platform/win.h"

namespace plra {

// Where the dialog goes: left and top of the result; `current` when nothing was saved.
RECT RestoreDialogPlacement(const char* keyPath, const RECT& current);

}  // namespace plra
