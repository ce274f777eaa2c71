// Stand-in for winmm.dll beside a test copy of Pellora.exe: records which sound the program
// asked for, one line per request ("<resource id> <flags in hex>"), in the file named by the
// environment variable PELLORA_SOUND_LOG. Plays nothing.
#define WIN32_LEAN_AND_MEAN  // keeps mmsystem.h (and its dllimport PlaySoundA) out
#include <windows.h>

#include <cstdio>

extern "C" __declspec(dllexport) BOOL WINAPI PlaySoundA(LPCSTR sound, HMODULE, DWORD flags) {
    char path[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("PELLORA_SOUND_LOG", path, sizeof path);
    if (length == 0 || length >= sizeof path) return TRUE;
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return TRUE;
    char line[64];
    int size = IS_INTRESOURCE(sound)
                   ? std::snprintf(line, sizeof line, "%u %08lx\r\n",
                                   static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(sound)), flags)
                   : std::snprintf(line, sizeof line, "name %08lx\r\n", flags);
    DWORD written = 0;
    WriteFile(file, line, static_cast<DWORD>(size), &written, nullptr);
    CloseHandle(file);
    return TRUE;
}
