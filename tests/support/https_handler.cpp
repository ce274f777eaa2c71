#include "support/https_handler.h"

namespace test {

HttpsHandler::HttpsHandler(const std::string& command) {
    RegCreateKeyExA(HKEY_CLASSES_ROOT, "https\\shell\\open\\command", 0, nullptr, 0, KEY_ALL_ACCESS,
                    nullptr, &key_, nullptr);
    char old[1024];
    DWORD size = sizeof old;
    if (RegQueryValueExA(key_, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(old), &size) == ERROR_SUCCESS)
        old_.assign(old, size);
    RegSetValueExA(key_, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                   static_cast<DWORD>(command.size() + 1));
}

HttpsHandler::~HttpsHandler() {
    if (!old_.empty())
        RegSetValueExA(key_, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(old_.data()),
                       static_cast<DWORD>(old_.size()));
    RegCloseKey(key_);
}

}  // namespace test
