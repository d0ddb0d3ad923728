#include "FileFind.h"

#include "LocaleText.h"
#include "Paths.h"

namespace {
constexpr DWORD kVolumeLabel = 8;
constexpr DWORD kErrorOnInvalidChars = 0x80;  // WC_ERR_INVALID_CHARS, hidden by the headers' Windows version
constexpr DWORD kSkippedUnlessAsked =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | kVolumeLabel | FILE_ATTRIBUTE_DIRECTORY;

// Converts `name` into `out` (with its terminating zero); false when a character has no exact
// counterpart in the code page or the result does not fit.
bool NarrowExactly(const wchar_t* name, char* out, int size) {
    static const UINT codePage = GetACP();
    if (codePage == CP_UTF8)  // every valid name converts back unchanged; only broken surrogates fail
        return WideCharToMultiByte(CP_UTF8, kErrorOnInvalidChars, name, -1, out, size, nullptr, nullptr) > 0;
    BOOL usedDefault = FALSE;
    const int written = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name, -1, out, size, nullptr, &usedDefault);
    return written > 0 && !usedDefault;
}

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
