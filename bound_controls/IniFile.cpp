#include "IniFile.h"

#include <windows.h>

#include "Exceptions.h"
#include "IntConv.h"

namespace {
constexpr DWORD kReadBufferSize = 1024;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& fallback) const {
    char buffer[kReadBufferSize] = {};
    const DWORD copied = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer,
                                                  kReadBufferSize, FFileName.c_str());
    return std::string(buffer, copied < kReadBufferSize ? copied : kReadBufferSize - 1);
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) const {
    // The system writes every text as it is, so a line break would add lines, sections and keys.
    constexpr const char* kLineBreaks = "\r\n";
    const bool nameBreaks = section.find_first_of(kLineBreaks) != std::string::npos ||
                            key.find_first_of(kLineBreaks) != std::string::npos;
    const std::string line = value.substr(0, value.find_first_of(kLineBreaks));
    if (nameBreaks || !WritePrivateProfileStringA(section.c_str(), key.c_str(), line.c_str(), FFileName.c_str()))
        throw Exception("Unable to write to " + FFileName);
}

int32_t TIniFile::ReadInteger(const std::string& section, const std::string& key, int32_t fallback) const {
    int32_t value = 0;
    return TryProfileTextToInt(ReadString(section, key, std::string()), value) ? value : fallback;
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int32_t value) const {
    WriteString(section, key, IntToDecimal(value));
}

bool TryProfileTextToInt(const std::string& text, int32_t& value) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return TryStrToInt("$" + text.substr(2), value);
    return TryStrToInt(text, value);
}
