#include "TestFiles.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>

#include "Handles.h"

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    char base[MAX_PATH + 1] = {};
    GetTempPathA(sizeof base, base);
    std::string root(base);
    if (!root.empty() && root.back() == '\\') root.pop_back();
    for (int attempt = 0; attempt < 1000; ++attempt) {
        FPath = root + "\\tess" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(counter++);
        if (CreateDirectoryA(FPath.c_str(), nullptr)) return;
    }
    ADD_FAILURE() << "cannot make a temporary directory in " << root;
}

TempDir::~TempDir() {
    // A test may have left the process inside the directory.
    char current[MAX_PATH + 1] = {};
    GetCurrentDirectoryA(sizeof current, current);
    if (_strnicmp(current, FPath.c_str(), FPath.size()) == 0) {
        char base[MAX_PATH + 1] = {};
        GetTempPathA(sizeof base, base);
        SetCurrentDirectoryA(base);
    }
    RemoveTree(FPath);
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
    DWORD written = 0;
    {
        const TFileHandle file(
            CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(file) << "cannot create " << path;
        WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }
    ASSERT_EQ(written, bytes.size()) << "short write to " << path;
}

std::string ReadWholeFile(const std::string& path) {
    const TFileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        ADD_FAILURE() << "cannot open " << path;
        return std::string();
    }
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    return bytes;
}

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void MakeDirectory(const std::string& path) {
    if (!CreateDirectoryA(path.c_str(), nullptr)) ADD_FAILURE() << "cannot make directory " << path;
}

std::vector<std::string> EntriesIn(const std::string& directory) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    if (const TFindHandle find(FindFirstFileA((directory + "\\*").c_str(), &data)); find) {
        do {
            const std::string name = data.cFileName;
            if (name != "." && name != "..") names.push_back(name);
        } while (FindNextFileA(find.Get(), &data));
    }
    std::sort(names.begin(), names.end());
    return names;
}

void RemoveTree(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileA(path.c_str());
        return;
    }
    WIN32_FIND_DATAA data;
    if (const TFindHandle find(FindFirstFileA((path + "\\*").c_str(), &data)); find) {
        do {
            const std::string name = data.cFileName;
            if (name != "." && name != "..") RemoveTree(path + "\\" + name);
        } while (FindNextFileA(find.Get(), &data));
    }
    RemoveDirectoryA(path.c_str());
}
