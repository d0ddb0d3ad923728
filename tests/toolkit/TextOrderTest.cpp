#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "LocaleText.h"
#include "TextOrder.h"

namespace {

std::vector<int> PlainStableOrder(const std::vector<std::string>& texts) {
    std::vector<int> order(texts.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return AnsiCompareText(texts[a], texts[b]) < 0; });
    return order;
}

std::vector<int> FastOrder(const std::vector<std::string>& texts) {
    return StableOrderIgnoringCase(texts.size(), [&](size_t i) -> const std::string& { return texts[i]; });
}

}  // namespace

// The fast order is the plain stable sort's order, for names that sort by more than their letters:
// letter case (equal texts keep the order they came in), punctuation, digits, accented letters.
TEST(TextOrder, GivesThePlainStableSortsOrder) {
    std::vector<std::string> texts{"photos", "Photos", "PHOTOS", "co-op", "coop", "co op", "co_op", "co'op",
                                   "a10.gif", "a2.gif", "A1.GIF", "a1.gif", "", "zeta", "\xC9t\xE9",  // Été
                                   "ete", "\xE9t\xE9", "stra\xDF" "e", "strasse", "Strasse", "~tilde", "!bang",
                                   "123", "0123", "same.GIF", "Same.gif", "same.gif", "z", "Z", "b", "B", "a"};
    // Many equal texts mixed in, so that a sort that does not keep equal texts in order shows it.
    for (int i = 0; i < 40; ++i) texts.push_back(i % 2 ? "Dup" : "dUP");
    EXPECT_EQ(FastOrder(texts), PlainStableOrder(texts));

    std::vector<std::string> reversed(texts.rbegin(), texts.rend());
    EXPECT_EQ(FastOrder(reversed), PlainStableOrder(reversed));

    EXPECT_TRUE(FastOrder({}).empty());
    EXPECT_EQ(FastOrder({"only"}), std::vector<int>{0});
}
