#pragma once
// The move-only scoped handle that owns each of the platform's handles, with a traits class per kind,
// and the owners of the system's own handles (files and other kernel objects, find handles). A handle
// held by an owner goes on every way out, exceptions included.
#include <windows.h>

#include <utility>

// Holds one handle of the kind the traits describe: Handle (the type), Null() (the value that holds
// nothing), Valid(handle) (whether a value is a handle at all) and Close(handle). Taking a handle
// keeps the last error, which a caller reads after making the owner of what an API call answered.
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
    explicit operator bool() const { return Traits::Valid(FHandle); }
    // Closes the handle held, if any, and holds `handle` instead.
    void Reset(Handle handle = Traits::Null()) {
        if (Traits::Valid(FHandle)) {
            const DWORD error = GetLastError();
            Traits::Close(FHandle);
            SetLastError(error);
        }
        FHandle = handle;
    }
    // Gives the handle up without closing it.
    [[nodiscard]] Handle Release() { return std::exchange(FHandle, Traits::Null()); }

private:
    Handle FHandle = Traits::Null();
};

// Files, processes, threads: CreateFile answers INVALID_HANDLE_VALUE when it fails, the others null,
// so neither is a handle.
struct TKernelObjectTraits {
    using Handle = HANDLE;
    static HANDLE Null() { return nullptr; }
    static bool Valid(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE handle) { CloseHandle(handle); }
};

struct TFindTraits {
    using Handle = HANDLE;
    static HANDLE Null() { return INVALID_HANDLE_VALUE; }
    static bool Valid(HANDLE handle) { return handle != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE handle) { FindClose(handle); }
};

using TKernelHandle = TScopedHandle<TKernelObjectTraits>;
using TFileHandle = TKernelHandle;
using TFindHandle = TScopedHandle<TFindTraits>;

