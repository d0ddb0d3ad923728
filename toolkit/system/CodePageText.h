#pragma once
// Texts between the program's single-byte code page and the platform's wide characters. The
// program names files in its code page; the file system holds wide names, and the platform's ANSI
// calls would convert them with best-fit look-alikes ('O' for a Greek omega, '?' for a CJK letter),
// which name another file or none. Only an exact conversion names the same file.
#include <string>

// The text in wide characters.
std::wstring WidenFromCodePage(const std::string& text);
// Converts zero-ended `text` into `out` (with its terminating zero); false when a character has no
// exact counterpart in the code page or the result does not fit in `size` bytes.
bool NarrowExactly(const wchar_t* text, char* out, int size);
// The same into a string of any length.
bool NarrowExactly(const std::wstring& text, std::string& out);
// The text in the code page for showing it to the user: each character without an exact
// counterpart there comes out as '?', which no file name holds.
std::string NarrowShowingMissing(const std::wstring& text);
