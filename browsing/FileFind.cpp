#include "FileFind.h"

#include "LocaleText.h"
#include "Paths.h"

namespace {
constexpr DWORD kVolumeLabel = 8;
constexpr DWORD kSkippedUnlessAsked =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | kVolumeLabel | FILE_ATTRIBUTE_DIRECTORY;

// Whether Windows could hold `name` as a file or folder name: no character of \ / : * ? " < > |
// or code 1 to 31, and no dot or blank at the end ("." and ".." aside). Wine hands Linux names
// through unchanged; such a name would open something else, match as a wildcard, or carry script.
bool IsWindowsName(const wchar_t* name) {
    if ((name[0] == L'.' && name[1] == 0) || (name[0] == L'.' && name[1] == L'.' && name[2] == 0)) return true;
    const wchar_t* c = name;
    for (; *c; ++c) {
        if (*c < 32) return false;
        switch (*c) {
            case L'\\': case L'/': case L':': case L'*': case L'?': case L'"': case L'<': case L'>': case L'|':
                return false;
            default: break;
        }
    }
    return c != name && c[-1] != L'.' && c[-1] != L' ';
}

}  // namespace

TFileFind::TFileFind(const std::string& pattern, DWORD attributes) : FAttributes(attributes) {
    FHandle.Reset(FindFirstFileW(AnsiToWide(pattern).c_str(), &FData));  // after FData is made
    FPending = static_cast<bool>(FHandle);
}

bool TFileFind::Passes() {
    return (FData.dwFileAttributes & kSkippedUnlessAsked & ~FAttributes) == 0 && IsWindowsName(FData.cFileName) &&
           NarrowExactly(FData.cFileName, FName, static_cast<int>(sizeof FName)) && !IsDeviceName(FName);
}

bool TFileFind::Next() {
    if (!FHandle) return false;
    for (;;) {
        if (FPending) {
            FPending = false;
        } else if (!FindNextFileW(FHandle.Get(), &FData)) {
            return false;
        }
        if (Passes()) return true;
    }
}
