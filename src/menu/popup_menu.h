// The popup menu behind the Menu button.
#pragma once

#include "inspector/main_dialog.h"

namespace plra {

// The chosen command (1 to 5), 0 when dismissed, -1 when the menu cannot be built.
int ShowPopupMenu(PLRA_DlgPellora& dialog);

}  // namespace plra
