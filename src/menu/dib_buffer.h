// Plain 32-bit pixel buffers and the blending of an icon over a background colour. Pixels are
// 0xAARRGGBB values in the layout of a bottom-up 32-bit BI_RGB device-independent bitmap.
#pragma once

#include "platform/win.h"

#include <cstdint>

namespace plra {

// A pixel block with the header that describes it to GDI. Rows are stored bottom-up without
// padding; the buffer owns its block (allocated with std::malloc) and frees it when cleared.
struct DibBuffer {
    std::uint32_t* pixels = nullptr;
    std::uint32_t byteSize = 0;
    BITMAPINFO header;

    DibBuffer();
    ~DibBuffer() { Clear(); }
    DibBuffer(const DibBuffer&) = delete;
    DibBuffer& operator=(const DibBuffer&) = delete;

    int width() const { return header.bmiHeader.biWidth; }
    int height() const { return header.bmiHeader.biHeight; }
    // The pixel in column x of row y counted from the top.
    std::uint32_t& At(int x, int y) { return pixels[(height() - 1 - y) * width() + x]; }
    std::uint32_t At(int x, int y) const { return pixels[(height() - 1 - y) * width() + x]; }

    // false only when memory cannot be had (or the size cannot be represented).
    bool Resize(int newWidth, int newHeight, bool fill, std::uint32_t value);
    // Takes ownership of a std::malloc'ed block; refused when inconsistent or a block is held.
    bool Attach(std::uint32_t* block, std::uint32_t bytes, int newWidth, int newHeight);
    void Fill(std::uint32_t value);
    // Rows counted from the top, ends exclusive; the caller keeps the rectangle inside.
    void FillRect(std::uint32_t value, int x0, int y0, int x1, int y1);
    void Clear();
};

// One icon pixel `source` over `destination`, weighted by the source's alpha, rounded to nearest.
std::uint32_t BlendPixel(std::uint32_t destination, std::uint32_t source);

// Blends `icon` onto `background` in place over `rows` x `columns` pixels, both buffers aligned
// at their top-left corners.
void CompositeOver(int rows, int columns, DibBuffer& background, const DibBuffer& icon);

}  // namespace plra
