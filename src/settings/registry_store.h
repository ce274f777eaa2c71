// The three options of the main dialog in the current user's registry.
#pragma once

namespace plra {

// Each present flag is set from the registry, or true when its value is absent.
void LoadOptions(bool* keepDialogOnTop, bool* autoFindRootParent, bool* drawInvertedFrame);

}  // namespace plra
