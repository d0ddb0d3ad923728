#include "ListBench.h"

#include <windows.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "FloorList.h"
#include "Format.h"
#include "Handles.h"
#include "LocaleText.h"
#include "Paths.h"

namespace {

// What any program must do to show a folder's names: `read` enumerates and keeps the names shown, then
// they are sorted and a bare list box is filled with them. The list box is emptied before and after.
template <typename Read>
double FloorSeconds(HWND floorList, size_t& count, Read read) {
    SendMessageA(floorList, LB_RESETCONTENT, 0, 0);
    const double start = Now();
    std::vector<std::string> names;
    read(names);
    SortIgnoringCase(names);
    FillListBox(floorList, names);
    const double seconds = Now() - start;
    count = static_cast<size_t>(SendMessageA(floorList, LB_GETCOUNT, 0, 0));
    SendMessageA(floorList, LB_RESETCONTENT, 0, 0);
    return seconds;
}

// Every entry of `pattern` that `keep` takes, by name and attributes.
template <typename Keep>
void ReadNames(const char* pattern, std::vector<std::string>& names, Keep keep) {
    WIN32_FIND_DATAA data;
    const TFindHandle find(FindFirstFileA(pattern, &data));
    if (!find) return;
    do {
        if (keep(std::string_view(data.cFileName), data.dwFileAttributes)) names.emplace_back(data.cFileName);
    } while (FindNextFileA(find.Get(), &data));
}

// The file list's names: each pattern of the mask enumerated, plain files kept.
double FileFloorSeconds(HWND floorList, const std::string& dir, size_t& count) {
    return FloorSeconds(floorList, count, [&](std::vector<std::string>& names) {
        ChangeDir(dir);
        for (const char* pattern : {"*.gif", "*.jpg"})
            ReadNames(pattern, names, [](std::string_view, DWORD attributes) {
                return !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
            });
    });
}

// The directory list's names: every entry enumerated, subdirectories kept.
double DirectoryFloorSeconds(HWND floorList, const std::string& dir, size_t& count) {
    return FloorSeconds(floorList, count, [&](std::vector<std::string>& names) {
        ChangeDir(dir);
        ReadNames(JoinPath(dir, "*.*").c_str(), names, [](std::string_view name, DWORD attributes) {
            return (attributes & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != "..";
        });
    });
}

// An opened folder's names: one enumeration of every entry, the images kept.
double OpenFloorSeconds(HWND floorList, const std::string& dir, size_t& count) {
    return FloorSeconds(floorList, count, [&](std::vector<std::string>& names) {
        ReadNames(JoinPath(dir, "*").c_str(), names, [](std::string_view name, DWORD attributes) {
            return !(attributes & FILE_ATTRIBUTE_DIRECTORY) && IsImageName(std::string(name));
        });
    });
}

}  // namespace

TBenchRow FileListRow(TFileListBox& list, HWND floorList, const std::string& dir, const std::string& empty, int expected, int runs) {
    TBenchRow row("file list read, " + Thousands(expected) + " images", runs, true);
    size_t listed = 0, found = 0;
    // Turn about which goes first, so that neither always finds the directory fresher in the caches.
    for (int run = 0; run < runs; ++run) {
        if (run % 2 == 0) row.Floor = std::min(row.Floor, FileFloorSeconds(floorList, dir, found));
        list.SetCurrentDir(empty);  // the move below reads the images
        const double start = Now();
        list.SetCurrentDir(dir);
        row.Seconds = std::min(row.Seconds, Now() - start);
        listed = static_cast<size_t>(list.Items().Count());
        if (run % 2 == 1) row.Floor = std::min(row.Floor, FileFloorSeconds(floorList, dir, found));
    }
    if (listed != found || static_cast<int>(listed) != expected)
        row.Remark = Format("(counts differ: list %d, floor %d)", static_cast<int>(listed), static_cast<int>(found));
    row.Goal = 1.0;
    return row;
}

TBenchRow OpenDirectoryRow(TDirectoryListBox& list, HWND floorList, const std::string& dir, int expected, int runs) {
    TBenchRow row("open a directory of " + Thousands(expected) + " images", runs, true);
    const std::string parent = ExtractFilePath(dir);
    size_t found = 0;
    int listed = 0;
    for (int run = 0; run < runs; ++run) {
        if (run % 2 == 0) row.Floor = std::min(row.Floor, OpenFloorSeconds(floorList, dir, found));
        list.SetCurrentDir(parent);
        int line = -1;
        for (int i = 0; i < list.Items().Count() && line < 0; ++i)
            if (AnsiSameText(list.LinePath(i), dir)) line = i;
        list.SetItemIndex(line);
        const double start = Now();
        list.OpenSelectedLine();
        row.Seconds = std::min(row.Seconds, Now() - start);
        listed = list.FileList() ? list.FileList()->Items().Count() : -1;
        if (run % 2 == 1) row.Floor = std::min(row.Floor, OpenFloorSeconds(floorList, dir, found));
    }
    list.SetCurrentDir(parent);
    if (listed != expected || found != static_cast<size_t>(expected))
        row.Remark = Format("(counts differ: list %d, floor %d)", listed, static_cast<int>(found));
    row.Goal = 1.3;
    return row;
}

TBenchRow DirectoryListRow(TDirectoryListBox& list, HWND floorList, const std::string& dir, const std::string& empty,
                           int expected, int runs) {
    TBenchRow row("directory list, " + Thousands(expected) + " subdirectories", runs, true);
    size_t found = 0;
    int listed = 0;
    for (int run = 0; run < runs; ++run) {
        if (run % 2 == 0) row.Floor = std::min(row.Floor, DirectoryFloorSeconds(floorList, dir, found));
        list.SetCurrentDir(empty);
        const double start = Now();
        list.SetCurrentDir(dir);
        row.Seconds = std::min(row.Seconds, Now() - start);
        // The lines after the current directory's line are its subdirectories.
        int current = -1;
        for (int i = 0; i < list.Items().Count() && current < 0; ++i)
            if (AnsiSameText(list.LinePath(i), list.CurrentDir())) current = i;
        listed = list.Items().Count() - current - 1;
        if (run % 2 == 1) row.Floor = std::min(row.Floor, DirectoryFloorSeconds(floorList, dir, found));
    }
    if (listed != static_cast<int>(found) || listed != expected)
        row.Remark = Format("(counts differ: list %d, floor %d)", listed, static_cast<int>(found));
    row.Goal = 1.3;
    return row;
}
