#include "menu/menu_bitmap.h"

#include "menu/dib_buffer.h"
#include "platform/scoped.h"

namespace plra {

HBITMAP IconToMenuBitmap(HICON icon, std::uint32_t background) {
    ICONINFO info{};
    if (!::GetIconInfo(icon, &info)) return nullptr;
    // Both bitmaps are copies that now belong to us, whatever happens below.
    UniqueBitmap color(info.hbmColor);
    UniqueBitmap mask(info.hbmMask);

    // Transparency comes from the colour bitmap's alpha bytes only; the mask is never read.
    // A monochrome icon has no colour bitmap, and GetObject of a null handle fails.
    BITMAP size{};
    if (!::GetObjectA(color.get(), sizeof size, &size)) return nullptr;
    const int width = size.bmWidth;
    const int height = size.bmHeight;

    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    if (!dc) return nullptr;

    DibBuffer iconPixels;
    DibBuffer backgroundPixels;
    if (!iconPixels.Resize(width, height, false, 0)) return nullptr;
    if (!backgroundPixels.Resize(width, height, true, background)) return nullptr;

    // GetDIBits may write into the header it is given: hand it a copy.
    BITMAPINFO request = iconPixels.header;
    if (::GetDIBits(dc.get(), color.get(), 0, height, iconPixels.pixels, &request, DIB_RGB_COLORS) != height)
        return nullptr;

    CompositeOver(height, width, backgroundPixels, iconPixels);

    UniqueBitmap result(::CreateBitmap(width, height, 1, 32, nullptr));
    if (!result) return nullptr;
    if (!::GdiFlush()) return nullptr;
    if (::SetDIBits(dc.get(), result.get(), 0, height, backgroundPixels.pixels, &backgroundPixels.header,
                    DIB_RGB_COLORS) != height)
        return nullptr;
    return result.release();
}

}  // namespace plra
