#include "inspector/clipboard_copy.h"

#include "inspector/clipboard_text.h"
#include "inspector/window_text.h"
#include "platform/scoped.h"
#include "resources/resource_ids.h"

#include <cstring>
#include <limits>
#include <new>

namespace plra {

namespace {

constexpr int kFirstLabelId = 301;
constexpr int kFirstValueId = PLRA_ID_TITLE;

}  // namespace

bool PutTextOnClipboard(const char* text, std::size_t length) {
    bool stored = [&] {
        if (!::EmptyClipboard()) return false;
        // One more byte for the NUL; a length that leaves no room for it cannot be stored.
        if (length == std::numeric_limits<std::size_t>::max()) return false;
        UniqueGlobal block(::GlobalAlloc(GMEM_MOVEABLE, length + 1));
        if (!block) return false;
        void* memory = ::GlobalLock(block.get());
        if (!memory) return false;
        if (length) std::memcpy(memory, text, length);
        static_cast<char*>(memory)[length] = '\0';
        ::GlobalUnlock(block.get());
        if (!::SetClipboardData(CF_TEXT, block.get())) return false;
        block.release();  // the clipboard owns it now
        return true;
    }();
    // Closed on every path; a failed close spoils even a stored text.
    bool closed = ::CloseClipboard() != FALSE;
    return stored && closed;
}

bool CopyTextToClipboard(HWND owner, const std::function<std::string()>& buildText) {
    std::string text;
    try {
        text = buildText();
    } catch (const std::bad_alloc&) {
        return false;
    }
    ClipboardSession clipboard(owner);
    if (!clipboard.isOpen()) return false;
    clipboard.forget();  // PutTextOnClipboard closes it
    return PutTextOnClipboard(text.data(), text.size());
}

bool CopyInformationToClipboard(PLRA_DlgPellora& dialog) {
    HWND window = dialog.dialogWindow;
    return CopyTextToClipboard(window, [window] {
        PanelTexts labels, values;
        for (int i = 0; i < kPanelRows; ++i)
            labels[i] = ReadWindowText(::GetDlgItem(window, kFirstLabelId + i));
        for (int i = 0; i < kPanelRows; ++i)
            values[i] = ReadWindowText(::GetDlgItem(window, kFirstValueId + i));
        return BuildClipboardText(labels, values);
    });
}

}  // namespace plra
