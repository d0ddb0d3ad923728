#pragma once
// Text comparison and letter case in the user's locale, through the platform's ANSI functions.
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
