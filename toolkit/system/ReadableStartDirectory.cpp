#include "ReadableStartDirectory.h"

#include <windows.h>

#include "Exceptions.h"
#include "Paths.h"

namespace {

std::wstring CurrentDirectoryW() {
    const DWORD size = GetCurrentDirectoryW(0, nullptr);
    std::wstring path(size, L'\0');
    const DWORD length = size ? GetCurrentDirectoryW(size, path.data()) : 0;
    path.resize(length < size ? length : 0);
    return path;
}

// True when the process's current directory can be entered by the name the code page gives it,
// and that name leads back to the same directory.
bool CanBeNamed() {
    const std::wstring actual = CurrentDirectoryW();
    const std::string named = GetCurrentDir();
    if (named.empty() || !SetCurrentDirectoryA(named.c_str())) return false;
    if (CurrentDirectoryW() == actual) return true;
    SetCurrentDirectoryW(actual.c_str());  // a look-alike name led elsewhere: back where it stood
    return false;
}

}  // namespace

void EnterReadableStartDirectory() {
    if (CanBeNamed()) return;
    const int code = GetCurrentDir().empty() ? ERROR_FILENAME_EXCED_RANGE : ERROR_INVALID_NAME;
    // ".." works from the directory itself, whatever its name; the root ends the climb.
    for (int level = 0; level < MAX_PATH; ++level) {
        if (!SetCurrentDirectoryW(L"..") || CanBeNamed()) break;
    }
    throw EInOutError(InOutErrorMessage(code), code);
}
