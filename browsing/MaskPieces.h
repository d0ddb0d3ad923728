#pragma once
// The pieces of a file list's mask ("*.gif;*.jpg"), and matching a directory entry against a
// piece of the form "*.ext" the way the file system's search does, so that one read of the whole
// directory can give the entries that a read per piece gives: the long or the short (8.3) name
// ending in the extension, letters compared in upper case as the file system compares them.
#include <string>
#include <vector>

// The pieces between the semicolons, empty ones included.
std::vector<std::string> SplitMask(const std::string& mask);

// Whether the piece is "*." followed by ASCII letters and digits only: the form matched here. Other
// pieces (other wildcards, dots, spaces, other characters) are left to the platform's own search.
bool IsExtensionPattern(const std::string& piece);

// Whether an entry with these names matches an extension pattern, as the search for it would find it.
bool MatchesExtensionPattern(const std::string& piece, const wchar_t* name, const wchar_t* shortName);
