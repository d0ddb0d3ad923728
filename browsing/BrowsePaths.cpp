#include "BrowsePaths.h"

#include <windows.h>

#include "Canvas.h"
#include "Exceptions.h"
#include "Paths.h"

namespace {

// Replaces the first folder of `dir` (or the "...\" that stands for earlier ones and the folder
// after it) with "...\".
void DropFirstFolder(std::string& dir) {
    if (dir == "\\") {
        dir.clear();
        return;
    }
    const bool rooted = !dir.empty() && dir[0] == '\\';
    std::string rest = dir.substr(rooted ? 1 : 0);
    if (!rest.empty() && rest[0] == '.') rest.erase(0, 4);
    const size_t separator = rest.find('\\');
    std::string result = rooted ? "\\" : "";
    if (separator != std::string::npos) {
        result += "...\\";
        result += rest.substr(separator + 1);
    } else if (!rooted) {
        result.clear();
    }
    dir = result;
}

}  // namespace

bool IsExistingFile(const std::string& name) {
    const DWORD attributes = GetFileAttributesA(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsPattern(const std::string& name) { return name.find_first_of("*?") != std::string::npos; }

bool HasLeftRemovedDir(const std::string& shown) {
    const std::string processDir = GetCurrentDir();
    if (processDir.empty() || processDir == shown) return false;
    const DWORD attributes = GetFileAttributesA(shown.c_str());
    return attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TTargetPath SplitTargetPath(const std::string& text) {
    const std::string saved = GetCurrentDir();
    TTargetPath result;
    result.Drive = saved.empty() ? 0 : saved[0];
    std::string dir = text;
    if (dir.size() >= 2 && dir.front() == '[' && dir.back() == ']') {
        dir = dir.substr(1, dir.size() - 2);
    } else if (dir.find(':') == 1) {
        result.Drive = dir[0];
        dir.erase(0, 2);
    }
    try {
        if (saved.empty() || result.Drive != saved[0]) ChangeDir(std::string(1, result.Drive) + ":");
        // The whole name part: a longer name than the platform allows must fail, not be cut short.
        const size_t nameStart = dir.find_last_of("\\:");
        std::string file = nameStart == std::string::npos ? dir : dir.substr(nameStart + 1);
        if (dir.size() == file.size() + 1) {
            dir.assign(1, '\\');
        } else if (dir.size() > file.size()) {
            dir.resize(dir.size() - file.size() - 1);
        } else {
            const std::string current = GetCurrentDir();
            dir = current.size() > 2 ? current.substr(2) : std::string();
        }
        if (!dir.empty()) ChangeDir(dir);
        if (!file.empty() && !IsPattern(file) && !IsExistingFile(file)) {
            ChangeDir(file);
            if (dir != "\\") dir += '\\';
            dir += file;
            file.clear();
        }
        result.Dir = dir;
        result.File = file;
    } catch (...) {
        try {
            ChangeDir(saved);
        } catch (...) {
        }
        throw;  // the first failure is the one the user needs to see
    }
    // The saved directory may have been removed since; the path checked is what counts.
    try {
        ChangeDir(saved);
    } catch (const EInOutError&) {
    }
    return result;
}

TTargetPath SplitTargetPathOrFollow(const std::string& text, const std::function<void()>& follow) {
    try {
        return SplitTargetPath(text);
    } catch (const EInOutError&) {
        try {
            follow();
        } catch (const Exception&) {
        }
        throw;
    }
}

std::string EnterDirFrom(const std::string& from, const std::string& path) {
    try {
        ChangeDir(from);
    } catch (const EInOutError&) {
    }
    ChangeDir(path);
    return GetCurrentDir();
}

std::string ShortenPathToWidth(const std::string& path, TCanvas& canvas, int width) {
    std::string result = path;
    std::string dir = ExtractFilePath(path);
    const std::string name = path.substr(dir.size());
    std::string drive;
    if (dir.size() >= 2 && dir[1] == ':') {
        drive = dir.substr(0, 2);
        dir.erase(0, 2);
    }
    while ((!dir.empty() || !drive.empty()) && canvas.TextWidth(result) > width) {
        if (dir == "\\...\\") {
            drive.clear();
            dir = "...\\";
        } else if (dir.empty()) {
            drive.clear();
        } else {
            DropFirstFolder(dir);
        }
        result = drive + dir + name;
    }
    return result;
}
