// Reading a window's text with the two text messages rather than the title function, so that
// a control of another program gives its own contents (an edit box's text, for one).
#include "inspector/window_text.h"

#include "inspector/window_query.h"

#include <cstring>
#include <vector>

namespace plra {

namespace {

constexpr UINT kBoundedSend = SMTO_ABORTIFHUNG | SMTO_BLOCK;

bool OnThisThread(HWND window) {
    return PLRA_QUERY(::GetWindowThreadProcessId(window, nullptr)) == ::GetCurrentThreadId();
}

// The most bytes one character of the ANSI code page takes (2 for double-byte code pages).
long long AnsiBytesPerCharacter() {
    CPINFO info{};
    return ::GetCPInfo(CP_ACP, &info) && info.MaxCharSize > 0 ? info.MaxCharSize : 2;
}

}  // namespace

std::size_t TextBufferCapacity(long long length) {
    if (length < 0) return 0;
    if (static_cast<unsigned long long>(length) > kMaxWindowTextLength) length = kMaxWindowTextLength;
    return static_cast<std::size_t>(length) + 1;
}

std::size_t TextCountToKeep(long long count, const char* buffer, std::size_t capacity) {
    if (capacity == 0) return 0;
    if (count == -1) return ::strnlen(buffer, capacity - 1);
    if (count < 0 || static_cast<unsigned long long>(count) > capacity - 1) return 0;
    return static_cast<std::size_t>(count);
}

std::string ReadWindowText(HWND window) {
    std::string text;
    const bool ownThread = OnThisThread(window);

    long long length = 0;
    if (ownThread) {
        length = PLRA_QUERY(::SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
    } else {
        // The wide form: Wine ignores the time-out of the ANSI form of this message to a hung
        // window of another process. It counts characters; the ANSI text may need more bytes.
        DWORD_PTR characters = 0;
        if (!PLRA_QUERY(::SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, kBoundedSend,
                                              kWindowTextTimeoutMs, &characters)))
            return text;
        length = static_cast<long long>(static_cast<LRESULT>(characters));
        if (length > 0 && static_cast<unsigned long long>(length) <= kMaxWindowTextLength)
            length *= AnsiBytesPerCharacter();
    }

    const std::size_t capacity = TextBufferCapacity(length);
    if (capacity <= 1) return text;
    // The last byte is never offered to the window, so the text always ends in a NUL.
    std::vector<char> buffer(capacity, '\0');
    long long count = 0;
    if (ownThread) {
        count = PLRA_QUERY(::SendMessageA(window, WM_GETTEXT, capacity, reinterpret_cast<LPARAM>(buffer.data())));
    } else {
        DWORD_PTR answer = 0;
        if (!PLRA_QUERY(::SendMessageTimeoutA(window, WM_GETTEXT, capacity, reinterpret_cast<LPARAM>(buffer.data()),
                                              kBoundedSend, kWindowTextTimeoutMs, &answer)))
            return text;
        count = static_cast<LRESULT>(answer);
    }
    buffer[capacity - 1] = '\0';
    text.assign(buffer.data(), TextCountToKeep(count, buffer.data(), capacity));
    return text;
}

}  // namespace plra
