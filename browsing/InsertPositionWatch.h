#pragma once
// TInsertPositionWatch: tells, while a directory is being read, whether the entry just read lands
// at one given position of the list, as it would when each entry is inserted as it comes: at its
// sorted position (after the equal texts before it) in a sorted list, at the end otherwise.
// A sorted list keeps only the texts that can still decide it: the position + 1 smallest so far.
#include <string>
#include <vector>

class TInsertPositionWatch {
public:
    TInsertPositionWatch(int position, bool sorted);

    // Counts `text` in as the next entry; true when it lands at the watched position.
    bool Lands(const std::string& text);

private:
    size_t FPosition;
    bool FSorted;
    size_t FCount = 0;
    std::vector<std::string> FSmallest;  // ascending, ignoring case
};
