#include "InsertPositionWatch.h"

#include <algorithm>

#include "LocaleText.h"

TInsertPositionWatch::TInsertPositionWatch(int position, bool sorted)
    : FPosition(static_cast<size_t>(position)), FSorted(sorted) {}

bool TInsertPositionWatch::Lands(const std::string& text) {
    if (!FSorted) return FCount++ == FPosition;
    // The entry lands after every earlier text that is not greater. Texts past the kept ones are
    // not smaller than the greatest kept, so when this one is below it the kept ones tell the
    // position exactly; otherwise the position is beyond the watched one.
    const size_t keep = FPosition + 1;
    if (FSmallest.size() == keep && AnsiCompareText(text, FSmallest.back()) >= 0) return false;
    const auto at = std::upper_bound(FSmallest.begin(), FSmallest.end(), text, [](const std::string& a, const std::string& b) {
        return AnsiCompareText(a, b) < 0;
    });
    const bool lands = static_cast<size_t>(at - FSmallest.begin()) == FPosition;
    FSmallest.insert(at, text);
    if (FSmallest.size() > keep) FSmallest.pop_back();
    return lands;
}
