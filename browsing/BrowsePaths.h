#pragma once
// Path helpers of the browsing lists: splitting a typed path into drive, directory and file part,
// and shortening a path with "..." until it fits a width.
#include <string>

class TCanvas;

struct TTargetPath {
    char Drive = 0;      // the drive letter as typed, or that of the current directory
    std::string Dir;     // the directory without its drive ("\" for the root)
    std::string File;    // the file name or pattern; empty when the path named a directory
};

// Checks the typed path by changing into its directory (and into its last element when that is
// not an existing file or a pattern); the process's current directory is put back in any case.
// Raises the EInOutError of the first change that failed. When the directory to put back can no
// longer be entered (it was removed), that is no failure of the split: the process then stays
// where the split left it, which callers compare with where they stand.
TTargetPath SplitTargetPath(const std::string& text);

// Whether the directory `shown` is gone and the process stands elsewhere, where a list showing it
// should follow after a failed move.
bool HasLeftRemovedDir(const std::string& shown);

// The path with its first folders, then its drive, replaced by "..." until its text fits `width`
// on the canvas (or nothing more can go).
std::string ShortenPathToWidth(const std::string& path, TCanvas& canvas, int width);
