#include "MaskPieces.h"

#include <windows.h>

#include <cwchar>
#include <string_view>

namespace {

bool IsAsciiLetterOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// The file system's upper case of one character: the platform's own table, which also takes some
// letters outside ASCII to ASCII ones.
wchar_t FileSystemUpper(wchar_t c) {
    using TUpcase = WCHAR(WINAPI*)(WCHAR);
    static const TUpcase upcase = [] {
        HMODULE ntdll = GetModuleHandleA("ntdll.dll");
        return ntdll ? reinterpret_cast<TUpcase>(reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlUpcaseUnicodeChar")))
                     : nullptr;
    }();
    if (c < 0x80) return static_cast<wchar_t>(AsciiUpper(static_cast<char>(c)));
    if (upcase) return upcase(c);
    wchar_t text[2] = {c, L'\0'};
    CharUpperW(text);
    return text[0];
}

// Whether `name` ends in ".ext" (ext given in the piece after its "*."), ignoring case.
bool EndsInExtension(const wchar_t* name, std::string_view extension) {
    const size_t length = wcslen(name);
    if (length < extension.size() + 1) return false;
    const wchar_t* tail = name + length - extension.size();
    if (tail[-1] != L'.') return false;
    for (size_t i = 0; i < extension.size(); ++i)
        if (FileSystemUpper(tail[i]) != static_cast<wchar_t>(AsciiUpper(extension[i]))) return false;
    return true;
}

}  // namespace

std::vector<std::string> SplitMask(const std::string& mask) {
    std::vector<std::string> pieces;
    size_t start = 0;
    for (;;) {
        const size_t end = mask.find(';', start);
        pieces.push_back(mask.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) return pieces;
        start = end + 1;
    }
}

bool IsExtensionPattern(const std::string& piece) {
    if (piece.size() < 3 || piece[0] != '*' || piece[1] != '.') return false;
    for (size_t i = 2; i < piece.size(); ++i)
        if (!IsAsciiLetterOrDigit(piece[i])) return false;
    return true;
}

bool MatchesExtensionPattern(const std::string& piece, const wchar_t* name, const wchar_t* shortName) {
    const std::string_view extension = std::string_view(piece).substr(2);  // no copy for every entry read
    return EndsInExtension(name, extension) || (shortName && *shortName && EndsInExtension(shortName, extension));
}
