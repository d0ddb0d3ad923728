// Measures how long the file list takes to read a directory of 10,000 and of 100,000 image files,
// against the floor: enumerating the same patterns with FindFirstFileA and sorting the names with
// CompareStringA, in the same process. Prints the times and their ratio.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "Application.h"
#include "FileCtrl.h"
#include "Form.h"
#include "LocaleText.h"
#include "Paths.h"

namespace {

const char* const kMask = "*.gif;*.jpg";

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string MakeImageDirectory(const std::string& root, int count) {
    const std::string dir = root + "\\bench" + std::to_string(count);
    CreateDirectoryA(dir.c_str(), nullptr);
    // Names in a scrambled order, half GIF and half JPG, in mixed letter case.
    for (int i = 0; i < count; ++i) {
        const int n = static_cast<int>((static_cast<long long>(i) * 7919) % count);
        char name[64];
        snprintf(name, sizeof name, "%s\\%s%06d.%s", dir.c_str(), (n % 3) ? "img" : "IMG", n, (n % 2) ? "gif" : "JPG");
        HANDLE file = CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }
    return dir;
}

void RemoveDirectoryTree(const std::string& dir) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((dir + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = data.cFileName;
            if (name != "." && name != "..") DeleteFileA((dir + "\\" + name).c_str());
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(dir.c_str());
}

double FloorSeconds(const std::string& dir, size_t& count) {
    const double start = Now();
    ChangeDir(dir);
    std::vector<std::string> names;
    for (const char* pattern : {"*.gif", "*.jpg"}) {
        WIN32_FIND_DATAA data;
        HANDLE find = FindFirstFileA(pattern, &data);
        if (find == INVALID_HANDLE_VALUE) continue;
        do {
            if (!(data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)))
                names.emplace_back(data.cFileName);
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    std::stable_sort(names.begin(), names.end(),
                     [](const std::string& a, const std::string& b) { return AnsiCompareText(a, b) < 0; });
    count = names.size();
    return Now() - start;
}

double ListSeconds(TFileListBox& list, const std::string& dir, const std::string& elsewhere, size_t& count) {
    list.SetCurrentDir(elsewhere);  // an empty directory: the move below reads the images
    const double start = Now();
    list.SetCurrentDir(dir);
    const double seconds = Now() - start;
    count = static_cast<size_t>(list.Items().Count());
    return seconds;
}

}  // namespace

int main() {
    TApplication application;
    application.Initialize();
    application.Title = "Tessellor bench";

    char temp[MAX_PATH + 1] = {};
    GetTempPathA(sizeof temp, temp);
    std::string root = std::string(temp) + "tessbench" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(root.c_str(), nullptr);
    const std::string empty = root + "\\empty";
    CreateDirectoryA(empty.c_str(), nullptr);

    TForm form(&application);
    form.SetClientSize(300, 400);
    auto* list = new TFileListBox(&form);
    list->SetMask(kMask);
    list->SetCurrentDir(empty);
    list->SetParent(&form);
    list->SetBounds(8, 8, 280, 380);
    form.HandleNeeded();

    printf("file list read of image files (mask %s), best of 3 runs\n", kMask);
    printf("%10s %12s %12s %8s\n", "files", "list (s)", "floor (s)", "ratio");
    for (int count : {10000, 100000}) {
        const std::string dir = MakeImageDirectory(root, count);
        double best = 1e9, floor = 1e9;
        size_t listed = 0, found = 0;
        for (int run = 0; run < 3; ++run) {
            floor = std::min(floor, FloorSeconds(dir, found));
            best = std::min(best, ListSeconds(*list, dir, empty, listed));
        }
        printf("%10d %12.3f %12.3f %8.2f%s\n", count, best, floor, best / floor,
               listed == found && static_cast<int>(listed) == count ? "" : "  (counts differ!)");
        fflush(stdout);
        list->SetCurrentDir(empty);
        SetCurrentDirectoryA(root.c_str());
        RemoveDirectoryTree(dir);
    }
    SetCurrentDirectoryA(temp);
    RemoveDirectoryTree(empty);
    RemoveDirectoryA(root.c_str());
    return 0;
}
