#include <gtest/gtest.h>

#include <cstdint>

#include "IntConv.h"

namespace {

struct Case {
    const char* text;
    bool ok;
    int32_t value;
};

}  // namespace

TEST(IntConv, AcceptsDecimalAndDollarHexAndNothingElse) {
    const Case cases[] = {
        {"0", true, 0},
        {"  42", true, 42},
        {"+7", true, 7},
        {"-0", true, 0},
        {"007", true, 7},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, INT32_MIN},
        {"$1F", true, 31},
        {"$1f", true, 31},
        {" $ff", true, 255},
        {"$000000000FF", true, 255},
        {"$FFFFFFFF", true, -1},
        {"$80000000", true, INT32_MIN},
        {"2147483648", false, 0},
        {"-2147483649", false, 0},
        {"99999999999999999999", false, 0},
        {"$100000000", false, 0},
        {"", false, 0},
        {"   ", false, 0},
        {"\t42", false, 0},
        {"42 ", false, 0},
        {"12a", false, 0},
        {"-", false, 0},
        {"+", false, 0},
        {"$", false, 0},
        {"-$1", false, 0},
        {"$-1", false, 0},
        {"0x1F", false, 0},  // the "0x" form belongs to the settings file's reading only
        {"1 2", false, 0},
    };
    for (const Case& c : cases) {
        int32_t value = 12345;
        EXPECT_EQ(TryStrToInt(c.text, value), c.ok) << '"' << c.text << '"';
        if (c.ok) {
            EXPECT_EQ(value, c.value) << '"' << c.text << '"';
        } else {
            EXPECT_EQ(StrToIntDef(c.text, -9), -9) << '"' << c.text << '"';
        }
    }
}
