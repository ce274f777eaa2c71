#include "settings/registry_store.h"

#include <initializer_list>

namespace plra {

// Arrives with the settings work: until then every option keeps its default (on).
void LoadOptions(bool* keepDialogOnTop, bool* autoFindRootParent, bool* drawInvertedFrame) {
    for (bool* flag : {keepDialogOnTop, autoFindRootParent, drawInvertedFrame})
        if (flag) *flag = true;
}

}  // namespace plra
