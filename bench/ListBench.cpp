#include "ListBench.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "Format.h"
#include "Handles.h"
#include "LocaleText.h"
#include "Paths.h"

namespace {

// The plain sort: CompareStringA at every step.
void SortIgnoringCase(std::vector<std::string>& names) {
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                              static_cast<int>(b.size())) == CSTR_LESS_THAN;
    });
}

// The file list's work without the list: each pattern of the mask enumerated, plain files kept, sorted.
double FileFloorSeconds(const std::string& dir, size_t& count) {
    const double start = Now();
    ChangeDir(dir);
    std::vector<std::string> names;
    for (const char* pattern : {"*.gif", "*.jpg"}) {
        WIN32_FIND_DATAA data;
        const TFindHandle find(FindFirstFileA(pattern, &data));
        if (!find) continue;
        do {
            if (!(data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)))
                names.emplace_back(data.cFileName);
        } while (FindNextFileA(find.Get(), &data));
    }
    SortIgnoringCase(names);
    count = names.size();
    return Now() - start;
}

// The directory list's work without the list: every entry enumerated, subdirectories kept, sorted.
double DirectoryFloorSeconds(const std::string& dir, size_t& count) {
    const double start = Now();
    ChangeDir(dir);
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    if (const TFindHandle find(FindFirstFileA(JoinPath(dir, "*.*").c_str(), &data)); find) {
        do {
            const std::string name = data.cFileName;
            if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != "..")
                names.push_back(name);
        } while (FindNextFileA(find.Get(), &data));
    }
    SortIgnoringCase(names);
    count = names.size();
    return Now() - start;
}

// One bare enumeration of every entry of the directory, sorted.
double OpenFloorSeconds(const std::string& dir, size_t& count) {
    const double start = Now();
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    if (const TFindHandle find(FindFirstFileA(JoinPath(dir, "*").c_str(), &data)); find) {
        do {
            names.emplace_back(data.cFileName);
        } while (FindNextFileA(find.Get(), &data));
    }
    SortIgnoringCase(names);
    count = names.size();
    return Now() - start;
}

}  // namespace

TBenchRow FileListRow(TFileListBox& list, const std::string& dir, const std::string& empty, int expected, int runs) {
    TBenchRow row("file list read, " + Thousands(expected) + " images", runs, true);
    size_t listed = 0, found = 0;
    // Turn about which goes first, so that neither always finds the directory fresher in the caches.
    for (int run = 0; run < runs; ++run) {
        if (run % 2 == 0) row.Floor = std::min(row.Floor, FileFloorSeconds(dir, found));
        list.SetCurrentDir(empty);  // the move below reads the images
        const double start = Now();
        list.SetCurrentDir(dir);
        row.Seconds = std::min(row.Seconds, Now() - start);
        listed = static_cast<size_t>(list.Items().Count());
        if (run % 2 == 1) row.Floor = std::min(row.Floor, FileFloorSeconds(dir, found));
    }
    if (listed != found || static_cast<int>(listed) != expected)
        row.Remark = Format("(counts differ: list %d, floor %d)", static_cast<int>(listed), static_cast<int>(found));
    row.Goal = 1.2;
    return row;
}

TBenchRow OpenDirectoryRow(TDirectoryListBox& list, const std::string& dir, int expected, int runs) {
    TBenchRow row("open a directory of " + Thousands(expected) + " images", runs, true);
    const std::string parent = ExtractFilePath(dir);
    size_t found = 0;
    int listed = 0;
    for (int run = 0; run < runs; ++run) {
        if (run % 2 == 0) row.Floor = std::min(row.Floor, OpenFloorSeconds(dir, found));
        list.SetCurrentDir(parent);
        int line = -1;
        for (int i = 0; i < list.Items().Count() && line < 0; ++i)
            if (AnsiSameText(list.LinePath(i), dir)) line = i;
        list.SetItemIndex(line);
        const double start = Now();
        list.OpenSelectedLine();
        row.Seconds = std::min(row.Seconds, Now() - start);
        listed = list.FileList() ? list.FileList()->Items().Count() : -1;
        if (run % 2 == 1) row.Floor = std::min(row.Floor, OpenFloorSeconds(dir, found));
    }
    list.SetCurrentDir(parent);
    // The floor's names are the images and the two dot entries.
    if (listed != expected || found != static_cast<size_t>(expected) + 2)
        row.Remark = Format("(counts differ: list %d, floor %d)", listed, static_cast<int>(found));
    row.Goal = 2.0;
    return row;
}

TBenchRow DirectoryListRow(TDirectoryListBox& list, const std::string& dir, const std::string& empty, int expected,
                           int runs) {
    TBenchRow row("directory list, " + Thousands(expected) + " subdirectories", runs, true);
    size_t found = 0;
    int listed = 0;
    for (int run = 0; run < runs; ++run) {
        if (run % 2 == 0) row.Floor = std::min(row.Floor, DirectoryFloorSeconds(dir, found));
        list.SetCurrentDir(empty);
        const double start = Now();
        list.SetCurrentDir(dir);
        row.Seconds = std::min(row.Seconds, Now() - start);
        // The lines after the current directory's line are its subdirectories.
        int current = -1;
        for (int i = 0; i < list.Items().Count() && current < 0; ++i)
            if (AnsiSameText(list.LinePath(i), list.CurrentDir())) current = i;
        listed = list.Items().Count() - current - 1;
        if (run % 2 == 1) row.Floor = std::min(row.Floor, DirectoryFloorSeconds(dir, found));
    }
    if (listed != static_cast<int>(found) || listed != expected)
        row.Remark = Format("(counts differ: list %d, floor %d)", listed, static_cast<int>(found));
    row.Goal = 1.3;
    return row;
}
