#include "support/settings_key.h"

#include "platform/scoped.h"

namespace test {

void DeleteSettings() { RegDeleteTreeA(HKEY_CURRENT_USER, kMakerKey); }

bool KeyExists(const std::string& keyPath) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

RawValue ReadRawValue(const std::string& keyPath, const char* name) {
    RawValue raw;
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return raw;
    plra::UniqueRegistryKey key(opened);
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), name, nullptr, &raw.type, nullptr, &size) != ERROR_SUCCESS) return raw;
    raw.data.resize(size);
    if (RegQueryValueExA(key.get(), name, nullptr, &raw.type, raw.data.data(), &size) != ERROR_SUCCESS) return raw;
    raw.data.resize(size);
    raw.exists = true;
    return raw;
}

void WriteRawValue(const std::string& keyPath, const char* name, DWORD type, const std::vector<BYTE>& data) {
    HKEY created = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &created,
                        nullptr) != ERROR_SUCCESS)
        return;
    plra::UniqueRegistryKey key(created);
    RegSetValueExA(key.get(), name, 0, type, data.data(), static_cast<DWORD>(data.size()));
}

void WriteDword(const std::string& keyPath, const char* name, DWORD value) {
    WriteRawValue(keyPath, name, REG_DWORD,
                  {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8), static_cast<BYTE>(value >> 16),
                   static_cast<BYTE>(value >> 24)});
}

std::vector<std::string> ValueNames(const std::string& keyPath) {
    std::vector<std::string> names;
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return names;
    plra::UniqueRegistryKey key(opened);
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD length = sizeof name;
        if (RegEnumValueA(key.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name, length);
    }
    return names;
}

std::string RunAndCapture(const std::string& commandLine, DWORD* exitCode) {
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) return {};
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process{};
    std::string mutableLine = commandLine;
    BOOL started = CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                  nullptr, nullptr, &startup, &process);
    // Our copy of the write end must go, or the read below never sees the end of the output.
    CloseHandle(writeEnd);
    std::string output;
    if (started) {
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got) output.append(buffer, got);
        WaitForSingleObject(process.hProcess, 30000);
        if (exitCode) GetExitCodeProcess(process.hProcess, exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(readEnd);
    return output;
}

std::string RegToolQuery(const std::string& keyPath) {
    return RunAndCapture("C:\\windows\\system32\\reg.exe query \"HKCU\\" + keyPath + "\"");
}

}  // namespace test
