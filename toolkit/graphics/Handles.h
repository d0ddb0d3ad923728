#pragma once
// Owners of the platform's handles, and the one file that releases them: a move-only scoped handle
// with a traits class per kind (GDI objects, files and other kernel objects, find handles), owners
// of device contexts (a window's or the screen's, a paint's, a memory DC) and of an object selected
// into a DC. Every handle the program makes is held by one of these, so it goes on every way out,
// exceptions included; no other file calls the release functions.
#include <windows.h>

#include <utility>

// Holds one handle of the kind the traits describe: Handle (the type), Null() (the value that holds
// nothing) and Close(handle).
template <class Traits>
class TScopedHandle {
public:
    using Handle = typename Traits::Handle;

    TScopedHandle() = default;
    explicit TScopedHandle(Handle handle) : FHandle(handle) {}
    ~TScopedHandle() { Reset(); }
    TScopedHandle(TScopedHandle&& other) noexcept : FHandle(other.Release()) {}
    TScopedHandle& operator=(TScopedHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    TScopedHandle(const TScopedHandle&) = delete;
    TScopedHandle& operator=(const TScopedHandle&) = delete;

    Handle Get() const { return FHandle; }
    explicit operator bool() const { return FHandle != Traits::Null(); }
    // Closes the handle held, if any, and holds `handle` instead.
    void Reset(Handle handle = Traits::Null()) {
        if (FHandle != Traits::Null()) Traits::Close(FHandle);
        FHandle = handle;
    }
    // Gives the handle up without closing it.
    [[nodiscard]] Handle Release() { return std::exchange(FHandle, Traits::Null()); }

private:
    Handle FHandle = Traits::Null();
};

template <class H>
struct TGdiObjectTraits {
    using Handle = H;
    static H Null() { return nullptr; }
    static void Close(H handle) { DeleteObject(handle); }
};

// CreateFile answers INVALID_HANDLE_VALUE when it fails.
struct TFileTraits {
    using Handle = HANDLE;
    static HANDLE Null() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE handle) { CloseHandle(handle); }
};

// Processes and threads: no handle is null.
struct TKernelObjectTraits {
    using Handle = HANDLE;
    static HANDLE Null() { return nullptr; }
    static void Close(HANDLE handle) { CloseHandle(handle); }
};

struct TFindTraits {
    using Handle = HANDLE;
    static HANDLE Null() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE handle) { FindClose(handle); }
};

template <class H>
using TGdiObject = TScopedHandle<TGdiObjectTraits<H>>;
using TFileHandle = TScopedHandle<TFileTraits>;
using TKernelHandle = TScopedHandle<TKernelObjectTraits>;
using TFindHandle = TScopedHandle<TFindTraits>;

// The DC of a window's client area, or of the whole screen without a window.
class TClientDC {
public:
    explicit TClientDC(HWND window = nullptr) : FWindow(window), FDC(GetDC(window)) {}
    ~TClientDC() {
        if (FDC) ReleaseDC(FWindow, FDC);
    }
    TClientDC(const TClientDC&) = delete;
    TClientDC& operator=(const TClientDC&) = delete;
    HDC Get() const { return FDC; }

private:
    HWND FWindow;
    HDC FDC;
};

// The DC of one WM_PAINT: the painting is ended also when drawing raises.
class TPaintDC {
public:
    explicit TPaintDC(HWND window) : FWindow(window), FDC(BeginPaint(window, &FPaint)) {}
    ~TPaintDC() { EndPaint(FWindow, &FPaint); }
    TPaintDC(const TPaintDC&) = delete;
    TPaintDC& operator=(const TPaintDC&) = delete;
    HDC Get() const { return FDC; }
    const PAINTSTRUCT& Paint() const { return FPaint; }

private:
    HWND FWindow;
    PAINTSTRUCT FPaint{};
    HDC FDC;
};

// A memory DC compatible with the screen, holding one selected bitmap (or none), which is put back
// out before the DC is deleted.
class TMemoryDC {
public:
    explicit TMemoryDC(HBITMAP bitmap = nullptr) : FDC(CreateCompatibleDC(nullptr)) {
        if (FDC && bitmap) FOld = SelectObject(FDC, bitmap);
    }
    ~TMemoryDC() {
        if (!FDC) return;
        if (FOld) SelectObject(FDC, FOld);
        DeleteDC(FDC);
    }
    TMemoryDC(const TMemoryDC&) = delete;
    TMemoryDC& operator=(const TMemoryDC&) = delete;
    HDC Get() const { return FDC; }

private:
    HDC FDC;
    HGDIOBJ FOld = nullptr;
};

// An object selected into a DC for a scope; the one it replaced is selected again at the end.
class TSelectedObject {
public:
    TSelectedObject(HDC dc, HGDIOBJ object) : FDC(dc), FOld(SelectObject(dc, object)) {}
    ~TSelectedObject() {
        if (FOld) SelectObject(FDC, FOld);
    }
    TSelectedObject(const TSelectedObject&) = delete;
    TSelectedObject& operator=(const TSelectedObject&) = delete;

private:
    HDC FDC;
    HGDIOBJ FOld;
};
