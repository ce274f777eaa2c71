// Scoped owners: one small type per acquire/release pair. The constructor takes ownership,
// the destructor releases, copies are forbidden and moves hand ownership over. Borrowed
// handles (other programs' windows, shared cursors) stay plain handles and never go in here.
#pragma once

#include "platform/win.h"

#include <utility>

namespace plra {

// An owned handle with a release function; Invalid is the value that owns nothing.
template <typename Handle, auto Release, Handle Invalid = Handle{}>
class Owned {
public:
    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {}
    ~Owned() { reset(); }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& other) noexcept : handle_(other.release()) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Invalid; }
    Handle release() { return std::exchange(handle_, Invalid); }
    void reset(Handle handle = Invalid) {
        Handle old = std::exchange(handle_, handle);
        if (old != Invalid) Release(old);
    }

private:
    Handle handle_ = Invalid;
};

namespace detail {
inline void DestroyIconHandle(HICON icon) { ::DestroyIcon(icon); }
inline void DeleteGdiObject(HGDIOBJ object) { ::DeleteObject(object); }
inline void DeleteBitmapHandle(HBITMAP bitmap) { ::DeleteObject(bitmap); }
inline void DeleteMemoryDc(HDC dc) { ::DeleteDC(dc); }
inline void DestroyMenuHandle(HMENU menu) { ::DestroyMenu(menu); }
inline void CloseRegistryKey(HKEY key) { ::RegCloseKey(key); }
inline void FreeGlobal(HGLOBAL block) { ::GlobalFree(block); }
inline void FreeLocal(HLOCAL block) { ::LocalFree(block); }
inline void FreeLibraryHandle(HMODULE module) { ::FreeLibrary(module); }
}  // namespace detail

using UniqueIcon = Owned<HICON, detail::DestroyIconHandle>;
using UniqueBitmap = Owned<HBITMAP, detail::DeleteBitmapHandle>;
using UniqueGdiObject = Owned<HGDIOBJ, detail::DeleteGdiObject>;
using UniqueMemoryDc = Owned<HDC, detail::DeleteMemoryDc>;
using UniqueMenu = Owned<HMENU, detail::DestroyMenuHandle>;
using UniqueRegistryKey = Owned<HKEY, detail::CloseRegistryKey>;
using UniqueGlobal = Owned<HGLOBAL, detail::FreeGlobal>;
using UniqueLocal = Owned<HLOCAL, detail::FreeLocal>;
using UniqueModule = Owned<HMODULE, detail::FreeLibraryHandle>;

// A device context from GetDC/GetDCEx, given back to its window with ReleaseDC.
class WindowDc {
public:
    WindowDc(HWND window, HDC dc) : window_(window), dc_(dc) {}
    ~WindowDc() { if (dc_) ::ReleaseDC(window_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// An object selected into a DC; the previous one is selected back on destruction.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ~SelectedObject() { if (previous_ && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    explicit operator bool() const { return previous_ && previous_ != HGDI_ERROR; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A COM interface pointer, released on destruction.
template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    Interface* get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    // For the out-parameter of CoCreateInstance and QueryInterface.
    void** put() { reset(); return reinterpret_cast<void**>(&pointer_); }
    void reset() { if (pointer_) std::exchange(pointer_, nullptr)->Release(); }

private:
    Interface* pointer_ = nullptr;
};

// An open clipboard, closed on destruction unless something else closed it first.
class ClipboardSession {
public:
    explicit ClipboardSession(HWND owner) : open_(::OpenClipboard(owner) != FALSE) {}
    ~ClipboardSession() { if (open_) ::CloseClipboard(); }
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
    bool isOpen() const { return open_; }
    // Called when the clipboard was closed by other code (it must not be closed twice).
    void forget() { open_ = false; }

private:
    bool open_;
};

}  // namespace plra
