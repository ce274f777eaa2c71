// The three options of the main dialog in the current user's registry. Every registry access
// of the program goes through ReadRegistryDword and WriteRegistryDword; key paths are relative
// to HKEY_CURRENT_USER and each call opens and closes its key itself.
#pragma once

#include "platform/win.h"

#include <cstdint>

namespace plra {

struct RegistryDword {
    LONG error;            // Windows system error code, 0 = success
    std::uint32_t value;   // the default value whenever error is not 0
};

RegistryDword ReadRegistryDword(const char* keyPath, const char* valueName, std::uint32_t defaultValue);
LONG WriteRegistryDword(const char* keyPath, const char* valueName, std::uint32_t value);

// Each present flag is set from the registry, or true when its value is absent.
void LoadOptions(bool* keepDialogOnTop, bool* autoFindRootParent, bool* drawInvertedFrame);
// Writes all three (as 0 or 1) even after a failure; 0 when all three succeeded.
LONG SaveOptions(bool keepDialogOnTop, bool autoFindRootParent, bool drawInvertedFrame);

}  // namespace plra
