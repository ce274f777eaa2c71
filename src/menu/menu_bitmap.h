// Menu entry pictures made from the program's 32-bit icons with soft alpha edges.
#pragma once

#include "platform/win.h"

#include <cstdint>

namespace plra {

// An opaque 32-bit bitmap of the icon's colour-bitmap size: the icon blended over `background`
// (0xAARRGGBB). Null on any failure, including an icon without a colour bitmap. The icon stays
// the caller's; the bitmap becomes the caller's, to be deleted with DeleteObject.
HBITMAP IconToMenuBitmap(HICON icon, std::uint32_t background);

}  // namespace plra
