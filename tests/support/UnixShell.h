#pragma once
// Commands that a test runs outside Wine, as another program of the machine: removing a
// directory that this process stands in, or starting a native browser.
#include <string>
#include <vector>

// The Unix path of a Windows path, as Wine maps it; empty when it has none.
std::string UnixPath(const std::string& windowsPath);

// Runs `script` with /bin/sh outside Wine and waits (polling, up to `timeoutMs`) until it has
// ended. The script must not hold double quotes. Its exit code, or -1 when it did not end in time.
int RunOutsideWine(const std::string& script, int timeoutMs);

// Makes empty files and folders in the directory `dir` from outside Wine, under Linux names that
// Windows may not allow (any bytes but NUL and '/'), in one run. False when one could not be made.
bool MakeOutsideWine(const std::string& dir, const std::vector<std::string>& files,
                     const std::vector<std::string>& folders = {});

// Removes `path` and all inside it from outside Wine, names this process cannot reach included.
bool RemoveOutsideWine(const std::string& path);

// A directory whose full path has exactly `length` characters, made with the folders above it
// inside `base` from outside Wine (this process may not make paths that long), and removed the same
// way. Its own name has 20 characters, so that its parent stays short enough to be entered.
class DeepDir {
public:
    DeepDir(const std::string& base, size_t length);
    ~DeepDir();
    DeepDir(const DeepDir&) = delete;
    DeepDir& operator=(const DeepDir&) = delete;

    const std::string& Path() const { return FPath; }
    std::string Parent() const { return FPath.substr(0, FPath.rfind('\\')); }
    std::string Name() const { return FPath.substr(FPath.rfind('\\') + 1); }
    // Makes an empty file in it.
    bool Touch(const std::string& name) const;

private:
    std::string FUnixBase;
    std::string FFirst;  // the first folder made inside `base`, which removal takes away
    std::string FPath;
    std::string FUnixPath;
};
