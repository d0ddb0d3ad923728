#pragma once
// Owners of the graphics handles: GDI objects (through the scoped handle), device contexts (a
// window's or the screen's, a paint's, a memory DC) and an object selected into a DC; with the
// system's handle owners (files, finds, kernel objects) of ScopedHandle.h. The menu's owner is
// Menus.h's, beside the menus. No other file calls the release functions of these handles.
#include <windows.h>

#include "ScopedHandle.h"

template <class H>
struct TGdiObjectTraits {
    using Handle = H;
    static H Null() { return nullptr; }
    static bool Valid(H handle) { return handle != nullptr; }
    static void Close(H handle) { DeleteObject(handle); }
};

template <class H>
using TGdiObject = TScopedHandle<TGdiObjectTraits<H>>;

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
