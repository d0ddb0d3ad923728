#pragma once
// Real files for tests: a temporary directory removed with everything in it, and whole-file I/O.
#include <string>
#include <vector>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The directory's full path, without a trailing backslash.
    const std::string& Path() const { return FPath; }
    // The full path of a name inside it.
    std::string operator/(const std::string& name) const { return FPath + "\\" + name; }

private:
    std::string FPath;
};

void WriteWholeFile(const std::string& path, const std::string& bytes);
// The file's bytes; fails the test when it cannot be read.
std::string ReadWholeFile(const std::string& path);
bool FileExists(const std::string& path);
void MakeDirectory(const std::string& path);
// The names of the files and folders in a directory, sorted.
std::vector<std::string> EntriesIn(const std::string& directory);
// Removes a file or a directory tree, read-only entries included.
void RemoveTree(const std::string& path);
