// The program's registry key as tests see it: starting from a first run, leaving nothing behind,
// reading values raw, and asking Wine's own reg tool from outside the test process.
#pragma once

#include "platform/win.h"

#include <string>
#include <vector>

namespace test {

// Relative to HKEY_CURRENT_USER. The maker's key is what a test removes.
inline constexpr const char* kMakerKey = "Software\\Ostrel";
inline constexpr const char* kProgramKey = "Software\\Ostrel\\Pellora V1";
inline constexpr const char* kMainWindowKey = "Software\\Ostrel\\Pellora V1\\MainWindow";

// Removes HKCU\Software\Ostrel with everything below it (nothing happens when it is absent).
void DeleteSettings();

// Removes the settings when made and again when destroyed: the test between starts from a first
// run and leaves the shared prefix as it found it.
class FreshSettings {
public:
    FreshSettings() { DeleteSettings(); }
    ~FreshSettings() { DeleteSettings(); }
    FreshSettings(const FreshSettings&) = delete;
    FreshSettings& operator=(const FreshSettings&) = delete;
};

bool KeyExists(const std::string& keyPath);

struct RawValue {
    bool exists = false;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};
RawValue ReadRawValue(const std::string& keyPath, const char* name);
// Creates the key as needed and stores the bytes with that type.
void WriteRawValue(const std::string& keyPath, const char* name, DWORD type, const std::vector<BYTE>& data);
void WriteDword(const std::string& keyPath, const char* name, DWORD value);
// Names of the values directly in a key.
std::vector<std::string> ValueNames(const std::string& keyPath);

// Runs a console program of the prefix and returns what it wrote to its standard output.
std::string RunAndCapture(const std::string& commandLine, DWORD* exitCode = nullptr);
// `C:\windows\system32\reg.exe query "HKCU\<keyPath>"`: Wine's own view of the key.
std::string RegToolQuery(const std::string& keyPath);

}  // namespace test
