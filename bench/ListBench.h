#pragma once
// The two list reads a user waits for when opening a directory: the file list reading the images
// and the directory list reading the subdirectories, each against the floor of the same
// enumeration with FindFirstFileA and a CompareStringA sort in the same process.
#include <string>

#include "BenchTable.h"
#include "FileCtrl.h"

// The file list moves from `empty` to `dir` (holding `expected` images) `runs` times.
TBenchRow FileListRow(TFileListBox& list, const std::string& dir, const std::string& empty, int expected, int runs);

// The directory list moves from `empty` to `dir` (holding `expected` subdirectories) `runs` times.
TBenchRow DirectoryListRow(TDirectoryListBox& list, const std::string& dir, const std::string& empty, int expected,
                           int runs);
