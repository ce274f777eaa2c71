#include "menu/popup_menu.h"

namespace plra {

// Arrives with the menu work.
int ShowPopupMenu(PLRA_DlgPellora&) { return 0; }

}  // namespace plra
