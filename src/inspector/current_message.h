// The record of the message being dispatched to the main dialog. Handlers take no arguments
// and read their message from here.
#pragma once

#include "platform/win.h"

namespace plra {

struct CurrentMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LONG time;
    LONG cursorX;  // from GetMessagePos, as signed 16-bit values widened
    LONG cursorY;
};

}  // namespace plra
