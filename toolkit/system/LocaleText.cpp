#include "LocaleText.h"

#include <windows.h>

namespace {

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
