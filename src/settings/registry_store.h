// The three options of the main dialog in the current user's registry. Every registry access
// of the program goes through ReadRegistryDword and WriteRegistryDword; key paths are relative
// to HKEY_CURRENT_USER and each call opens and closes its key itself.
#pragma once

#include "platform/win.h"

#include <cstdint>
#include <functional>

namespace plra {

struct RegistryDword {
    LONG error;            // Windows system error code, 0 = success
    std::uint32_t value;   // the default value whenever error is not 0
};

// Never creates a key. Anything but exactly four bytes of REG_DWORD data reads as absent.
RegistryDword ReadRegistryDword(const char* keyPath, const char* valueName, std::uint32_t defaultValue);
// Creates the key and every missing key above it; replaces a value of any type.
LONG WriteRegistryDword(const char* keyPath, const char* valueName, std::uint32_t value);

// Each present flag is set from the registry, or true when its value is absent.
void LoadOptions(bool* keepDialogOnTop, bool* autoFindRootParent, bool* drawInvertedFrame);
// Writes all three (as 0 or 1) even after a failure; 0 when all three succeeded.
LONG SaveOptions(bool keepDialogOnTop, bool autoFindRootParent, bool drawInvertedFrame);

// SaveOptions with the key path and the writer given: what a test can make fail one by one.
using DwordWriter = std::function<LONG(const char* keyPath, const char* valueName, std::uint32_t value)>;
LONG SaveOptionsWith(const DwordWriter& write, const char* keyPath, bool keepDialogOnTop,
                     bool autoFindRootParent, bool drawInvertedFrame);

// The option value names, in the order they are read and written.
inline constexpr const char* kKeepDialogOnTopName = "KeepDialogOnTop";
inline constexpr const char* kAutoFindRootParentName = "AutoFindRootParent";
inline constexpr const char* kDrawInvertedFrameName = "DrawInvertedFrame";

}  // namespace plra
