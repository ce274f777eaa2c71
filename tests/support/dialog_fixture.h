// Running the real main dialog inside a test process, for tests that need its object.
#pragma once

#include "inspector/main_dialog.h"

#include <functional>

namespace test {

// Fills the application record once for this test process, as start-up does (instance,
// version, registry key path, COM, private font).
void InitializeAppOnce();

// Runs the main dialog modally on this thread, calls `body` from inside its modal loop once
// the dialog is up, then sends the exit command. Returns the dialog's result.
INT_PTR RunMainDialogWith(const std::function<void(PLRA_DlgPellora&)>& body);

}  // namespace test
