#pragma once
// The order in which a stable sort with AnsiCompareText puts many texts, worked out fast: each
// text's sort key in the user's locale is made once and the keys are compared as bytes, instead of
// converting and comparing two texts at every step. The result is checked against AnsiCompareText,
// and where a key orders differently the plain sort is used, so the order is always the same.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// The positions 0 to count - 1, ordered as a stable sort of text(position) with AnsiCompareText.
std::vector<int> StableOrderIgnoringCase(size_t count, const std::function<const std::string&(size_t)>& text);
