#pragma once
// Text comparison and letter case in the user's locale, through the platform's ANSI functions, and
// the conversions of the program's single-byte text to the platform's wide text and to UTF-8.
#include <string>

// Less than, equal to or greater than 0, as `a` sorts before, with or after `b`, ignoring case.
int AnsiCompareText(const std::string& a, const std::string& b);
// The same with letter case taken into account.
int AnsiCompareStr(const std::string& a, const std::string& b);
bool AnsiSameText(const std::string& a, const std::string& b);
std::string AnsiUpperCase(const std::string& text);
std::string AnsiLowerCase(const std::string& text);
char AnsiUpperChar(char c);
char AnsiLowerChar(char c);
// The characters that the bytes of `text` stand for in the program's code page.
std::wstring AnsiToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);
