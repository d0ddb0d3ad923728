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
// The way back, for names: the file system holds wide names, and the platform's ANSI calls would
// convert them with best-fit look-alikes ('O' for a Greek omega, '?' for a CJK letter), which name
// another file or none. Only an exact conversion names the same file.
// Converts zero-ended `text` into `out` (with its terminating zero); false when a character has no
// exact counterpart in the code page or the result does not fit in `size` bytes.
bool NarrowExactly(const wchar_t* text, char* out, int size);
// The same into a string of any length.
bool NarrowExactly(const std::wstring& text, std::string& out);
// The text in the code page for showing it to the user: each character without an exact
// counterpart there comes out as '?', which no file name holds.
std::string NarrowShowingMissing(const std::wstring& text);
