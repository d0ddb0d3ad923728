#pragma once
// The program's integer conversion: leading blanks (code 32 only), then either "$" and hexadecimal
// digits (taken as 32 unsigned bits, then read as signed) or an optionally signed decimal number in
// the 32-bit range, up to the end of the text. Anything else is no integer.
#include <cstdint>
#include <string>

bool TryStrToInt(const std::string& text, int32_t& value);
// The converted number, or `fallback` when the text is no integer.
int32_t StrToIntDef(const std::string& text, int32_t fallback);
// The decimal text of a number: optional "-", digits, no leading zeros.
std::string IntToDecimal(int32_t value);
