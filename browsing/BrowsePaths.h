#pragma once
// Path helpers of the browsing lists: splitting a typed path into drive, directory and file part,
// and shortening a path with "..." until it fits a width.
#include <functional>
#include <string>

class TCanvas;

// Whether a file name holds a wildcard ('*' or '?').
bool IsPattern(const std::string& name);
// Whether `name` is a file (not a directory) that exists; wildcards match nothing here.
bool IsExistingFile(const std::string& name);

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
// SplitTargetPath for a list showing a directory: when the split fails, `follow` first takes the
// list to where the process stands if its directory was removed (what that raises is dropped), and
// then the split's error is raised, the one the user needs to see.
TTargetPath SplitTargetPathOrFollow(const std::string& text, const std::function<void()>& follow);

// Whether the directory `shown` is gone and the process stands elsewhere, where a list showing it
// should follow after a failed move.
bool HasLeftRemovedDir(const std::string& shown);

// Enters `path` starting from the directory `from` and returns the process's new current
// directory. When `from` is gone, `path` starts from wherever the process stands, so that a
// removed directory does not leave a list stuck on it; when `path` cannot be entered, raises
// EInOutError.
std::string EnterDirFrom(const std::string& from, const std::string& path);

// The path with its first folders, then its drive, replaced by "..." until its text fits `width`
// on the canvas (or nothing more can go).
std::string ShortenPathToWidth(const std::string& path, TCanvas& canvas, int width);
