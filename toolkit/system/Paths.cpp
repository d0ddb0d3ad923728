#include "Paths.h"

#include <windows.h>

#include "Exceptions.h"
#include "Format.h"

namespace {
size_t LastSeparator(const std::string& path) { return path.find_last_of("\\:"); }
}  // namespace

std::string ExtractFilePath(const std::string& path) {
    const size_t sep = LastSeparator(path);
    return sep == std::string::npos ? std::string() : path.substr(0, sep + 1);
}

std::string ExtractFileName(const std::string& path) {
    const size_t sep = LastSeparator(path);
    return path.substr(sep == std::string::npos ? 0 : sep + 1, 255);
}

std::string ExtractFileExt(const std::string& path) {
    const size_t dot = path.find_last_of(".\\:");
    if (dot == std::string::npos || path[dot] != '.') return std::string();
    return path.substr(dot, 255);
}

bool IsDeviceName(const std::string& name) {
    std::string base = UpperCaseAZ(name.substr(0, name.find('.')));
    base.erase(base.find_last_not_of(' ') + 1);
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL" || base == "CONIN$" || base == "CONOUT$")
        return true;
    return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) && base[3] >= '1' &&
           base[3] <= '9';
}

std::string UpperCaseAZ(const std::string& text) {
    std::string result = text;
    for (char& c : result)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return result;
}

std::string JoinPath(const std::string& directory, const std::string& name) {
    if (!directory.empty() && directory.back() == '\\') return directory + name;
    return directory + "\\" + name;
}

std::string GetCurrentDir() {
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = GetCurrentDirectoryA(sizeof buffer, buffer);
    if (length == 0 || length >= sizeof buffer) return std::string();
    return std::string(buffer, length);
}

std::string ProgramDirectory() {
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return ExtractFilePath(std::string(path, length));
}

std::string InOutErrorMessage(int errorCode) {
    switch (errorCode) {
    case 2: return "File not found";
    case 3: return "Invalid filename";
    case 4: return "Too many open files";
    case 5: return "File access denied";
    default: return Format("I/O error %d", errorCode);
    }
}

namespace {

// Each drive remembers the directory last made current on it, in the environment variable "=X:",
// as the command shell does; a drive-only path goes back there.
std::string DriveVariable(char drive) {
    std::string name = "=?:";
    name[1] = (drive >= 'a' && drive <= 'z') ? static_cast<char>(drive - 'a' + 'A') : drive;
    return name;
}

std::string RememberedDirectory(char drive) {
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = GetEnvironmentVariableA(DriveVariable(drive).c_str(), buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer) return std::string(1, drive) + ":\\";
    return std::string(buffer, length);
}

}  // namespace

void ChangeDir(const std::string& path) {
    // Kept wide, so that going back never depends on what the single-byte calls can report.
    wchar_t before[MAX_PATH * 2] = {};
    const DWORD beforeLength = GetCurrentDirectoryW(MAX_PATH * 2, before);
    const bool driveOnly = path.size() == 2 && path[1] == ':';
    std::string target = driveOnly ? RememberedDirectory(path[0]) : path;
    if (!SetCurrentDirectoryA(target.c_str())) {
        int code = static_cast<int>(GetLastError());
        // A remembered directory that is gone: the drive's root, as for a drive never used.
        if (driveOnly && target.size() > 3) {
            target = std::string(1, path[0]) + ":\\";
            if (SetCurrentDirectoryA(target.c_str())) code = 0;
            else code = static_cast<int>(GetLastError());
        }
        if (code != 0) throw EInOutError(InOutErrorMessage(code), code);
    }
    const std::string now = GetCurrentDir();
    if (now.empty()) {
        // The platform took a path at its length limit that it cannot report back (Wine does, for
        // 260 to 262 characters): nothing could name where the process stands, so the change fails
        // as one to a path too long, and the process goes back.
        if (beforeLength > 0 && beforeLength < MAX_PATH * 2) SetCurrentDirectoryW(before);
        throw EInOutError(InOutErrorMessage(ERROR_FILENAME_EXCED_RANGE), ERROR_FILENAME_EXCED_RANGE);
    }
    if (now.size() >= 2 && now[1] == ':') SetEnvironmentVariableA(DriveVariable(now[0]).c_str(), now.c_str());
}
