#include "TextOrder.h"

#include <windows.h>

#include <algorithm>
#include <numeric>
#include <string_view>

#include "LocaleText.h"

namespace {

constexpr DWORD kKeyFlags = LCMAP_SORTKEY | NORM_IGNORECASE;

// Appends the sort key of `text` that compares as AnsiCompareText does; false when the locale gives none.
bool AppendSortKey(const std::string& text, std::string& keys) {
    if (text.empty()) return true;
    char buffer[512];
    const int length = static_cast<int>(text.size());
    int size = LCMapStringA(LOCALE_USER_DEFAULT, kKeyFlags, text.data(), length, buffer, sizeof buffer);
    if (size > 0) {
        keys.append(buffer, static_cast<size_t>(size));
        return true;
    }
    size = LCMapStringA(LOCALE_USER_DEFAULT, kKeyFlags, text.data(), length, nullptr, 0);
    if (size <= 0) return false;
    const size_t at = keys.size();
    keys.resize(at + static_cast<size_t>(size));
    return LCMapStringA(LOCALE_USER_DEFAULT, kKeyFlags, text.data(), length, keys.data() + at, size) == size;
}

// Whether `order` is what the stable sort gives: every text sorts with or after the one before
// it, and equal texts keep their positions' order.
bool IsStableOrder(const std::vector<int>& order, const std::function<const std::string&(size_t)>& text) {
    for (size_t k = 1; k < order.size(); ++k) {
        const int before = order[k - 1], after = order[k];
        const int comparison = AnsiCompareText(text(static_cast<size_t>(before)), text(static_cast<size_t>(after)));
        if (comparison > 0 || (comparison == 0 && before > after)) return false;
    }
    return true;
}

}  // namespace

std::vector<int> StableOrderIgnoringCase(size_t count, const std::function<const std::string&(size_t)>& text) {
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    if (count < 2) return order;
    // All keys in one piece of memory, key i from starts[i] to starts[i + 1]: a million names
    // would otherwise make a million small blocks.
    std::string keys;
    std::vector<size_t> starts(count + 1, 0);
    bool keyed = true;
    for (size_t i = 0; i < count && keyed; ++i) {
        keyed = AppendSortKey(text(i), keys);
        starts[i + 1] = keys.size();
    }
    if (keyed) {
        const auto key = [&](int i) {
            return std::string_view(keys.data() + starts[static_cast<size_t>(i)],
                                    starts[static_cast<size_t>(i) + 1] - starts[static_cast<size_t>(i)]);
        };
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return key(a) < key(b); });
        if (IsStableOrder(order, text)) return order;
        std::iota(order.begin(), order.end(), 0);
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return AnsiCompareText(text(static_cast<size_t>(a)), text(static_cast<size_t>(b))) < 0;
    });
    return order;
}
