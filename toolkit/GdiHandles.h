#pragma once
// Owners for GDI handles: an object deleted with DeleteObject, a memory DC with the object selected
// into it put back before the DC is deleted.
#include <windows.h>

#include <utility>

template <class Handle>
class TGdiObject {
public:
    TGdiObject() = default;
    explicit TGdiObject(Handle handle) : FHandle(handle) {}
    ~TGdiObject() { Reset(); }
    TGdiObject(TGdiObject&& other) noexcept : FHandle(std::exchange(other.FHandle, nullptr)) {}
    TGdiObject& operator=(TGdiObject&& other) noexcept {
        if (this != &other) {
            Reset();
            FHandle = std::exchange(other.FHandle, nullptr);
        }
        return *this;
    }
    TGdiObject(const TGdiObject&) = delete;
    TGdiObject& operator=(const TGdiObject&) = delete;

    Handle Get() const { return FHandle; }
    explicit operator bool() const { return FHandle != nullptr; }
    void Reset(Handle handle = nullptr) {
        if (FHandle) DeleteObject(FHandle);
        FHandle = handle;
    }

private:
    Handle FHandle = nullptr;
};

// A memory DC compatible with the screen, holding one selected bitmap.
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

// The screen's device context, released when it goes out of use.
class TScreenDC {
public:
    TScreenDC() : FDC(GetDC(nullptr)) {}
    ~TScreenDC() { ReleaseDC(nullptr, FDC); }
    TScreenDC(const TScreenDC&) = delete;
    TScreenDC& operator=(const TScreenDC&) = delete;
    HDC Get() const { return FDC; }

private:
    HDC FDC;
};
