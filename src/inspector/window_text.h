// Reading the text of any window, the program's own controls and other programs' windows alike.
#pragma once

#include "platform/win.h"

#include <cstddef>
#include <string>

namespace plra {

// The longest text kept: a longer title is cut here rather than allocated without bound.
constexpr std::size_t kMaxWindowTextLength = 64 * 1024;
// How long a window of another thread may take to answer one text message.
constexpr unsigned kWindowTextTimeoutMs = 300;

// The whole text of `window` (WM_GETTEXTLENGTH, then WM_GETTEXT), in the ANSI code page.
// Answers are not trusted: an impossible length or count reads as an empty text, a window
// of another thread that does not answer in time reads as empty, and a text longer than
// kMaxWindowTextLength is cut there.
std::string ReadWindowText(HWND window);

// The number of text bytes to keep from one WM_GETTEXT answer: `count` as the window returned
// it, `buffer` the bytes it was given (`capacity` of them, the last one reserved for the NUL).
// -1 means "up to the first NUL"; other negative counts and counts beyond the buffer are
// impossible answers and keep nothing.
std::size_t TextCountToKeep(long long count, const char* buffer, std::size_t capacity);

// The buffer capacity (NUL included) for a window that reports `length` characters:
// 0 for a negative (impossible) length, and never more than kMaxWindowTextLength + 1.
std::size_t TextBufferCapacity(long long length);

}  // namespace plra
