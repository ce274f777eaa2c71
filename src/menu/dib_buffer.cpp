#include "menu/dib_buffer.h"

#include <cstdlib>

namespace plra {

namespace {
// The resolution written into every header: 75 dots per inch.
constexpr LONG kPixelsPerMeter = 2952;
}  // namespace

DibBuffer::DibBuffer() : header{} {
    BITMAPINFOHEADER& h = header.bmiHeader;
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biPlanes = 1;
    h.biBitCount = 32;
    h.biCompression = BI_RGB;
    h.biXPelsPerMeter = kPixelsPerMeter;
    h.biYPelsPerMeter = kPixelsPerMeter;
}

bool DibBuffer::Resize(int newWidth, int newHeight, bool fill, std::uint32_t value) {
    if (newWidth <= 0 || newHeight <= 0) {
        Clear();
        return true;
    }
    // Computed wide: a product beyond 32 bits would otherwise wrap to a small block.
    const std::uint64_t bytes = std::uint64_t(newWidth) * std::uint64_t(newHeight) * 4u;
    if (bytes > 0x7FFFFFFFu) return false;
    if (bytes == byteSize) {
        // A block of the same size serves any shape.
        header.bmiHeader.biWidth = newWidth;
        header.bmiHeader.biHeight = newHeight;
    } else {
        Clear();
        auto* block = static_cast<std::uint32_t*>(std::malloc(static_cast<size_t>(bytes)));
        if (!block) return false;
        Attach(block, static_cast<std::uint32_t>(bytes), newWidth, newHeight);
    }
    if (fill) Fill(value);
    return true;
}

bool DibBuffer::Attach(std::uint32_t* block, std::uint32_t bytes, int newWidth, int newHeight) {
    const bool someBlock = block && bytes != 0 && newWidth > 0 && newHeight > 0;
    const bool noBlock = !block && bytes == 0 && newWidth == 0 && newHeight == 0;
    if (!(someBlock || noBlock) || pixels) return false;
    pixels = block;
    byteSize = bytes;
    header.bmiHeader.biWidth = newWidth;
    header.bmiHeader.biHeight = newHeight;
    return true;
}

void DibBuffer::Fill(std::uint32_t value) {
    if (pixels) FillRect(value, 0, 0, width(), height());
}

void DibBuffer::FillRect(std::uint32_t value, int x0, int y0, int x1, int y1) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) At(x, y) = value;
}

void DibBuffer::Clear() {
    std::free(pixels);
    pixels = nullptr;
    byteSize = 0;
    header.bmiHeader.biWidth = 0;
    header.bmiHeader.biHeight = 0;
}

std::uint32_t BlendPixel(std::uint32_t destination, std::uint32_t source) {
    const std::uint32_t alpha = source >> 24;
    const std::uint32_t weight = (alpha * 255 + 127) / 255;  // equals alpha
    const std::uint32_t rest = 255 - weight;
    std::uint32_t result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const std::uint32_t d = (destination >> shift) & 0xFF;
        const std::uint32_t s = (source >> shift) & 0xFF;
        result |= ((d * rest + s * weight + 127) / 255) << shift;
    }
    const std::uint32_t resultAlpha = weight + ((destination >> 24) * rest + 127) / 255;
    return result | (resultAlpha << 24);
}

void CompositeOver(int rows, int columns, DibBuffer& background, const DibBuffer& icon) {
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < columns; ++x) background.At(x, y) = BlendPixel(background.At(x, y), icon.At(x, y));
}

}  // namespace plra
