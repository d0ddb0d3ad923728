#pragma once
// The list reads a user waits for when opening a directory: the file list reading the images, the
// directory list reading the subdirectories, and the two together as a directory is opened, each
// against the floor of enumerating with FindFirstFileA and a CompareStringA sort in the same process;
// each floor fills `floorList`, a bare platform list box, with the names it shows.
#include <windows.h>

#include <string>

#include "BenchTable.h"
#include "FileCtrl.h"

// The file list moves from `empty` to `dir` (holding `expected` images) `runs` times.
TBenchRow FileListRow(TFileListBox& list, HWND floorList, const std::string& dir, const std::string& empty, int expected, int runs);

// The user opens the line of `dir` (holding `expected` images) in the directory list, which stands
// in its parent with the file list linked, until both lists have settled; `runs` times.
TBenchRow OpenDirectoryRow(TDirectoryListBox& list, HWND floorList, const std::string& dir, int expected, int runs);

// The directory list moves from `empty` to `dir` (holding `expected` subdirectories) `runs` times.
TBenchRow DirectoryListRow(TDirectoryListBox& list, HWND floorList, const std::string& dir, const std::string& empty,
                           int expected, int runs);
