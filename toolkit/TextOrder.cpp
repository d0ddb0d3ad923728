#include "TextOrder.h"

#include <windows.h>

#include <algorithm>
#include <numeric>

#include "LocaleText.h"

namespace {

constexpr DWORD kKeyFlags = LCMAP_SORTKEY | NORM_IGNORECASE;

// The sort key of `text` that compares as AnsiCompareText does; false when the locale gives none.
bool SortKey(const std::string& text, std::string& key) {
    if (text.empty()) {
        key.clear();
        return true;
    }
    char buffer[512];
    const int length = static_cast<int>(text.size());
    int size = LCMapStringA(LOCALE_USER_DEFAULT, kKeyFlags, text.data(), length, buffer, sizeof buffer);
    if (size > 0) {
        key.assign(buffer, static_cast<size_t>(size));
        return true;
    }
    size = LCMapStringA(LOCALE_USER_DEFAULT, kKeyFlags, text.data(), length, nullptr, 0);
    if (size <= 0) return false;
    key.resize(static_cast<size_t>(size));
    return LCMapStringA(LOCALE_USER_DEFAULT, kKeyFlags, text.data(), length, key.data(), size) == size;
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
    std::vector<std::string> keys(count);
    bool keyed = true;
    for (size_t i = 0; i < count && keyed; ++i) keyed = SortKey(text(i), keys[i]);
    if (keyed) {
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[a] < keys[b]; });
        if (IsStableOrder(order, text)) return order;
        std::iota(order.begin(), order.end(), 0);
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return AnsiCompareText(text(static_cast<size_t>(a)), text(static_cast<size_t>(b))) < 0;
    });
    return order;
}
