#pragma once
// TFileFind: one enumeration of the directory entries that match a pattern, closed with the object.
// Like the classic attribute-filtered search, entries with the hidden, system, volume-label or
// directory attribute are skipped unless that attribute is in the given attribute word.
#include <windows.h>

#include <string>

class TFileFind {
public:
    TFileFind(const std::string& pattern, DWORD attributes);
    ~TFileFind();
    TFileFind(const TFileFind&) = delete;
    TFileFind& operator=(const TFileFind&) = delete;

    // Moves to the next entry that passes; false at the end (or when the search could not start).
    bool Next();
    const WIN32_FIND_DATAA& Entry() const { return FData; }

private:
    bool Passes() const;

    HANDLE FHandle = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAA FData{};
    DWORD FAttributes;
    bool FPending = false;  // FData holds the first entry, not yet handed out
};
