#pragma once
// TFileFind: one enumeration of the directory entries that match a pattern, closed with the object.
// Like the classic attribute-filtered search, entries with the hidden, system, volume-label or
// directory attribute are skipped unless that attribute is in the given attribute word.
//
// Names are read as the file system holds them (wide) and converted to the program's code page
// here, without the platform's best-fit mapping: an entry whose name has a character that the
// code page cannot hold is skipped, since the converted name would name another file or none
// (a fullwidth quotation mark would come out as '"', a Greek omega as 'O', a CJK letter as '?').
// An entry whose name Windows could not hold, as Wine passes Linux names on, is skipped too, and
// so is one that Windows takes for a device (con, nul.gif): opening it would reach the device.
#include <windows.h>

#include <string>

#include "Handles.h"

class TFileFind {
public:
    TFileFind(const std::string& pattern, DWORD attributes);
    TFileFind(const TFileFind&) = delete;
    TFileFind& operator=(const TFileFind&) = delete;

    // Moves to the next entry that passes; false at the end (or when the search could not start).
    bool Next();
    DWORD Attributes() const { return FData.dwFileAttributes; }
    // The entry's name in the program's code page; valid until the next call of Next.
    const char* Name() const { return FName; }
    // The entry's names as the file system holds them: the long one and the short (8.3) one,
    // which is empty when the file system keeps none.
    const wchar_t* WideName() const { return FData.cFileName; }
    const wchar_t* ShortName() const { return FData.cAlternateFileName; }

private:
    bool Passes();

    TFindHandle FHandle;
    WIN32_FIND_DATAW FData{};
    DWORD FAttributes;
    bool FPending = false;  // FData holds the first entry, not yet handed out
    // Room for a full-length name of two bytes per character (double-byte code pages).
    char FName[2 * MAX_PATH + 1] = {};
};
