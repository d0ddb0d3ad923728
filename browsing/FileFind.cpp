#include "FileFind.h"

namespace {
constexpr DWORD kVolumeLabel = 8;
constexpr DWORD kSkippedUnlessAsked =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | kVolumeLabel | FILE_ATTRIBUTE_DIRECTORY;
}  // namespace

TFileFind::TFileFind(const std::string& pattern, DWORD attributes) : FAttributes(attributes) {
    FHandle = FindFirstFileA(pattern.c_str(), &FData);
    FPending = FHandle != INVALID_HANDLE_VALUE;
}

TFileFind::~TFileFind() {
    if (FHandle != INVALID_HANDLE_VALUE) FindClose(FHandle);
}

bool TFileFind::Passes() const {
    return (FData.dwFileAttributes & kSkippedUnlessAsked & ~FAttributes) == 0;
}

bool TFileFind::Next() {
    if (FHandle == INVALID_HANDLE_VALUE) return false;
    for (;;) {
        if (FPending) {
            FPending = false;
        } else if (!FindNextFileA(FHandle, &FData)) {
            return false;
        }
        if (Passes()) return true;
    }
}
