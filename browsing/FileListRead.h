#pragma once
// TFileListRead: what a file list finds in one read of a directory, in the order that searching the
// mask's pieces one after the other gives, with the hourglass up from the entry that lands at
// position 100 until the read ends (its end puts the cursor of before back). The file list reads for
// itself, or takes the read that its directory list made of the same directory in the same move, so
// that opening a folder reads it once for both lists.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "FileListBox.h"
#include "InsertPositionWatch.h"
#include "Screen.h"

class TFileFind;

class TFileListRead {
public:
    // A read of `dir` for the list as it stands (its mask, file type, sorting and glyphs).
    TFileListRead(const TFileListBox& list, std::string dir);
    // A read fed through Offer with the entries of a read of all of `dir` that asks for folders
    // (the directory list's); none when the list would not read `dir` now (no window, or already
    // there), or when such a read cannot give what the list's own would: a mask piece that is not a
    // plain extension, or hidden, system or volume-label entries asked for.
    static std::unique_ptr<TFileListRead> Along(const TFileListBox& list, const std::string& dir);
    ~TFileListRead();
    TFileListRead(const TFileListRead&) = delete;
    TFileListRead& operator=(const TFileListRead&) = delete;

    // Reads the process's current directory, which is `dir`, for the list itself.
    void Read();
    void Offer(const TFileFind& find);
    // Whether a read made along stands for the list's own read now: the same directory, mask and
    // file type, and no entry added, removed or renamed since it began. A change shows as a new
    // write time of the directory; one in the same step of the file system's clock as the time read
    // would not, so a directory written in the last two seconds (FAT's step) is read again.
    bool StandsFor(const TFileListBox& list) const;
    // What was found, the entries of each later piece after those of the pieces before.
    std::vector<TFileListEntry> TakeEntries();

private:
    void Found(TFileListEntry&& entry);

    const TFileListBox& FList;
    std::string FDir, FMask;
    TFileType FFileType;
    std::vector<std::string> FPieces;
    DWORD FAttributes = 0;
    std::vector<TFileListEntry> FFound;
    std::vector<std::vector<TFileListEntry>> FLater;  // per piece after the first, in the order read
    TInsertPositionWatch FHourGlass;
    TCursor FSavedCursor;
    ULONGLONG FWritten = 0;  // the directory's write time when a read along began; 0: unknown
    bool FSettled = false;
};
