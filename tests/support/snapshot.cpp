// snapshot <Pellora.exe> <picture.bmp|png>: starts Pellora, waits for its dialog, saves a
// picture of the whole screen as a 24-bit BMP (tools/run.sh turns it into a PNG), sends the
// exit command and prints the exit code in full.
#include "support/harness.h"

#include <cstdio>
#include <vector>

namespace {

bool SaveScreen(const char* path) {
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    DWORD stride = ((width * 3 + 3) & ~3), size = stride * height;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + size;
    FILE* out = std::fopen(path, "wb");
    bool ok = out && std::fwrite(&file, sizeof file, 1, out) == 1 &&
              std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
              std::fwrite(bits, size, 1, out) == 1;
    if (out) std::fclose(out);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: snapshot <Pellora.exe> <picture.bmp>\n");
        return 2;
    }
    test::PelloraProcess::Options options;
    options.executable = argv[1];
    options.recordSounds = false;
    test::PelloraProcess pellora(options);
    // Generous: where i386 programs run under emulation, the 32-bit build takes a minute to start.
    HWND dialog = pellora.WaitForDialog(std::chrono::minutes(5));
    if (!dialog) {
        std::printf("Pellora's dialog did not appear; exit code %lu\n", pellora.WaitForExit());
        return 1;
    }
    Sleep(700);  // let every control paint
    if (SaveScreen(argv[2])) std::printf("Screenshot of the dialog: %s\n", argv[2]);
    PostMessageA(dialog, WM_COMMAND, 0x7FFF, 0);
    std::printf("Pellora exited with code %lu\n", pellora.WaitForExit(std::chrono::minutes(2)));
    return 0;
}
