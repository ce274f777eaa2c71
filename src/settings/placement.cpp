#include "settings/placement.h"

namespace plra {

// Arrives with the settings work: until then the dialog stays where the system put it.
RECT RestoreDialogPlacement(const char*, const RECT& current) { return current; }

}  // namespace plra
