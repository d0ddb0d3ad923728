#include "IntConv.h"

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

bool TryStrToInt(const std::string& text, int32_t& value) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i == text.size()) return false;

    if (text[i] == '$') {
        ++i;
        if (i == text.size()) return false;
        uint32_t result = 0;
        for (; i < text.size(); ++i) {
            const int digit = HexDigit(text[i]);
            if (digit < 0) return false;
            if (result > 0xFFFFFFFu) return false;  // one more digit would not fit in 32 bits
            result = (result << 4) | static_cast<uint32_t>(digit);
        }
        value = static_cast<int32_t>(result);  // $FFFFFFFF is -1
        return true;
    }

    bool negative = false;
    if (text[i] == '-' || text[i] == '+') {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) return false;
    const int64_t limit = negative ? 2147483648LL : 2147483647LL;
    int64_t result = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return false;
        result = result * 10 + (c - '0');
        if (result > limit) return false;
    }
    value = static_cast<int32_t>(negative ? -result : result);
    return true;
}

int32_t StrToIntDef(const std::string& text, int32_t fallback) {
    int32_t value = 0;
    return TryStrToInt(text, value) ? value : fallback;
}

std::string IntToDecimal(int32_t value) { return std::to_string(value); }
