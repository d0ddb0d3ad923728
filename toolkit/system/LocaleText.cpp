#include "LocaleText.h"

#include <windows.h>

namespace {

constexpr DWORD kErrorOnInvalidChars = 0x80;  // WC_ERR_INVALID_CHARS, hidden by the headers' Windows version

int Compare(DWORD flags, const std::string& a, const std::string& b) {
    const int result = CompareStringA(LOCALE_USER_DEFAULT, flags, a.data(), static_cast<int>(a.size()), b.data(),
                                      static_cast<int>(b.size()));
    return result == 0 ? 0 : result - CSTR_EQUAL;
}

}  // namespace

int AnsiCompareText(const std::string& a, const std::string& b) { return Compare(NORM_IGNORECASE, a, b); }
int AnsiCompareStr(const std::string& a, const std::string& b) { return Compare(0, a, b); }
bool AnsiSameText(const std::string& a, const std::string& b) { return AnsiCompareText(a, b) == 0; }

std::string AnsiUpperCase(const std::string& text) {
    std::string result = text;
    if (!result.empty()) CharUpperBuffA(result.data(), static_cast<DWORD>(result.size()));
    return result;
}

std::string AnsiLowerCase(const std::string& text) {
    std::string result = text;
    if (!result.empty()) CharLowerBuffA(result.data(), static_cast<DWORD>(result.size()));
    return result;
}

char AnsiUpperChar(char c) { return AnsiUpperCase(std::string(1, c))[0]; }
char AnsiLowerChar(char c) { return AnsiLowerCase(std::string(1, c))[0]; }

std::wstring AnsiToWide(const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string WideToUtf8(const std::wstring& text) {
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), length, nullptr,
                            nullptr);
    return bytes;
}

bool NarrowExactly(const wchar_t* text, char* out, int size) {
    static const UINT codePage = GetACP();
    if (codePage == CP_UTF8)  // every valid text converts back unchanged; only broken surrogates fail
        return WideCharToMultiByte(CP_UTF8, kErrorOnInvalidChars, text, -1, out, size, nullptr, nullptr) > 0;
    BOOL usedDefault = FALSE;
    const int written = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, -1, out, size, nullptr, &usedDefault);
    return written > 0 && !usedDefault;
}

bool NarrowExactly(const std::wstring& text, std::string& out) {
    // Two bytes a character at most (double-byte code pages); four in UTF-8.
    std::string buffer(4 * text.size() + 1, '\0');
    if (!NarrowExactly(text.c_str(), buffer.data(), static_cast<int>(buffer.size()))) return false;
    buffer.resize(buffer.find('\0'));
    out = std::move(buffer);
    return true;
}

std::string NarrowShowingMissing(const std::wstring& text) {
    const bool utf8 = GetACP() == CP_UTF8;  // takes no default character; a broken surrogate shows as U+FFFD
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const char* const missing = utf8 ? nullptr : "?";
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_ACP, flags, text.data(), size, nullptr, 0, missing, nullptr);
    std::string narrow(static_cast<size_t>(length > 0 ? length : 0), '\0');
    if (length > 0) WideCharToMultiByte(CP_ACP, flags, text.data(), size, narrow.data(), length, missing, nullptr);
    return narrow;
}
