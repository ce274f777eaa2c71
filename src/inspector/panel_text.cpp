#include "inspector/panel_text.h"

#include <cinttypes>
#include <cstdio>

namespace plra {

std::string FormatHandleText(std::uint32_t handle) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08" PRIX32, handle);
    return text;
}

std::string FormatIdentifierText(std::int32_t identifier) {
    char text[24];
    std::snprintf(text, sizeof text, "%" PRId64, static_cast<std::int64_t>(identifier));
    return text;
}

std::string FormatStyleText(std::uint32_t style) { return FormatHandleText(style); }

std::string FormatRectangleText(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
    // The differences are taken in 64 bits: extreme rectangles from other programs must not
    // overflow a signed 32-bit subtraction.
    char text[96];
    std::snprintf(text, sizeof text, "(%" PRId32 ", %" PRId32 "), (%" PRId32 ", %" PRId32 ")   %" PRId64 " \xD7 %" PRId64,
                  left, top, right, bottom, static_cast<std::int64_t>(right) - left,
                  static_cast<std::int64_t>(bottom) - top);
    return text;
}

}  // namespace plra
