// The texts of the information panel's rows, as plain functions of the values they show.
#pragma once

#include <cstdint>
#include <string>

namespace plra {

// A window handle as "0x" and exactly eight upper-case hexadecimal digits of its 32-bit value.
std::string FormatHandleText(std::uint32_t handle);
// A control identifier (GWL_ID) sign-extended to 64 bits, in decimal: 0xFFFFFFFF reads -1.
std::string FormatIdentifierText(std::int32_t identifier);
// A style word as "0x" and eight upper-case hexadecimal digits.
std::string FormatStyleText(std::uint32_t style);
// "(left, top), (right, bottom)   width × height", the × being the byte 0xD7 (Windows-1252).
std::string FormatRectangleText(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);

}  // namespace plra
