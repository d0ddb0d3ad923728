#pragma once
// The move-only scoped handle that owns each of the platform's handles, with a traits class per kind,
// and the owners of the system's own handles (files and other kernel objects, find handles). A handle
// held by an owner goes on every way out, exceptions included.
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

using TFileHandle = TScopedHandle<TFileTraits>;
using TKernelHandle = TScopedHandle<TKernelObjectTraits>;
using TFindHandle = TScopedHandle<TFindTraits>;

