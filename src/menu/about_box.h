// The about box (dialog 103): the product's version, two pictures and two web links.
#pragma once

#include "platform/win.h"

#include <cstdint>
#include <string>

namespace plra {

// "Pellora\nVersion a.b.c.d" from a file version held as four 16-bit parts.
std::string FormatAboutVersionText(std::uint64_t fileVersion);

// The about box's dialog procedure; the box ends with IDOK (its button) or IDCANCEL.
INT_PTR CALLBACK AboutDialogProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);

// Runs the about box modally over `owner`: IDOK or IDCANCEL, or -1 when it cannot be created.
INT_PTR RunAboutBox(HWND owner);

}  // namespace plra
