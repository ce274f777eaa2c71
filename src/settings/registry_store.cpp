#include "settings/registry_store.h"

#include <initializer_list>

namespace plra {

// Arrives with the settings work: until then nothing is read or written.
RegistryDword ReadRegistryDword(const char*, const char*, std::uint32_t defaultValue) {
    return {ERROR_CALL_NOT_IMPLEMENTED, defaultValue};
}

LONG WriteRegistryDword(const char*, const char*, std::uint32_t) { return ERROR_CALL_NOT_IMPLEMENTED; }

void LoadOptions(bool* keepDialogOnTop, bool* autoFindRootParent, bool* drawInvertedFrame) {
    for (bool* flag : {keepDialogOnTop, autoFindRootParent, drawInvertedFrame})
        if (flag) *flag = true;
}

LONG SaveOptions(bool, bool, bool) { return ERROR_CALL_NOT_IMPLEMENTED; }

}  // namespace plra
