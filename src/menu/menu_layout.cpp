#include "menu/menu_layout.h"

#include <algorithm>

namespace plra {

SIZE MenuPictureSize(int checkWidth, int checkHeight) {
    return {std::max(checkWidth, 16), std::max(checkHeight, 16)};
}

std::uint32_t MenuBackgroundPixel(COLORREF color) {
    return 0xFF000000u | std::uint32_t{GetRValue(color)} << 16 | std::uint32_t{GetGValue(color)} << 8 |
           std::uint32_t{GetBValue(color)};
}

POINT MenuAnchor(const RECT& button) {
    return {button.left + (button.right - button.left) / 2, button.top + (button.bottom - button.top) / 2};
}

}  // namespace plra
