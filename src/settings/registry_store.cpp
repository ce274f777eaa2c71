#include "settings/registry_store.h"

#include "app/app_context.h"
#include "platform/scoped.h"

namespace plra {

RegistryDword ReadRegistryDword(const char* keyPath, const char* valueName, std::uint32_t defaultValue) {
    HKEY opened = nullptr;
    LONG error = ::RegOpenKeyExA(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, &opened);
    if (error != ERROR_SUCCESS) return {error, defaultValue};
    UniqueRegistryKey key(opened);

    DWORD type = REG_NONE;
    BYTE data[4] = {};
    DWORD size = sizeof data;
    LONG queryError = ::RegQueryValueExA(key.get(), valueName, nullptr, &type, data, &size);
    // Closed here rather than by the owner: a failed close also makes the value unreadable.
    LONG closeError = ::RegCloseKey(key.release());

    if (queryError != ERROR_SUCCESS) return {queryError, defaultValue};
    if (type != REG_DWORD) return {ERROR_INVALID_DATATYPE, defaultValue};
    if (closeError != ERROR_SUCCESS) return {closeError, defaultValue};
    // The program always writes four bytes; shorter data would leave the upper bytes undefined.
    if (size != sizeof data) return {ERROR_INVALID_DATA, defaultValue};
    std::uint32_t value = static_cast<std::uint32_t>(data[0]) | static_cast<std::uint32_t>(data[1]) << 8 |
                          static_cast<std::uint32_t>(data[2]) << 16 | static_cast<std::uint32_t>(data[3]) << 24;
    return {ERROR_SUCCESS, value};
}

LONG WriteRegistryDword(const char* keyPath, const char* valueName, std::uint32_t value) {
    HKEY created = nullptr;
    char emptyClass[] = "";
    LONG error = ::RegCreateKeyExA(HKEY_CURRENT_USER, keyPath, 0, emptyClass, REG_OPTION_NON_VOLATILE,
                                   KEY_ALL_ACCESS, nullptr, &created, nullptr);
    if (error != ERROR_SUCCESS) return error;
    UniqueRegistryKey key(created);

    const BYTE data[4] = {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8),
                          static_cast<BYTE>(value >> 16), static_cast<BYTE>(value >> 24)};
    LONG setError = ::RegSetValueExA(key.get(), valueName, 0, REG_DWORD, data, sizeof data);
    LONG closeError = ::RegCloseKey(key.release());
    return setError != ERROR_SUCCESS ? setError : closeError;
}

void LoadOptions(bool* keepDialogOnTop, bool* autoFindRootParent, bool* drawInvertedFrame) {
    const char* keyPath = App().registryKeyPath;
    const struct {
        bool* flag;
        const char* name;
    } options[] = {{keepDialogOnTop, kKeepDialogOnTopName},
                   {autoFindRootParent, kAutoFindRootParentName},
                   {drawInvertedFrame, kDrawInvertedFrameName}};
    for (const auto& option : options) {
        // A failed read yields the default, which is all the dialog needs to know.
        std::uint32_t value = ReadRegistryDword(keyPath, option.name, 1).value;
        if (option.flag) *option.flag = value != 0;
    }
}

LONG SaveOptions(bool keepDialogOnTop, bool autoFindRootParent, bool drawInvertedFrame) {
    return SaveOptionsWith(WriteRegistryDword, App().registryKeyPath, keepDialogOnTop, autoFindRootParent,
                           drawInvertedFrame);
}

LONG SaveOptionsWith(const DwordWriter& write, const char* keyPath, bool keepDialogOnTop,
                     bool autoFindRootParent, bool drawInvertedFrame) {
    const struct {
        const char* name;
        bool on;
    } options[] = {{kKeepDialogOnTopName, keepDialogOnTop},
                   {kAutoFindRootParentName, autoFindRootParent},
                   {kDrawInvertedFrameName, drawInvertedFrame}};
    LONG firstError = ERROR_SUCCESS;
    // Every write is attempted: a failure leaves the others' values as fresh as possible.
    for (const auto& option : options) {
        LONG error = write(keyPath, option.name, option.on ? 1u : 0u);
        if (firstError == ERROR_SUCCESS) firstError = error;
    }
    return firstError;
}

}  // namespace plra
