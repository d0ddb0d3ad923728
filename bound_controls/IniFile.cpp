#include "IniFile.h"

#include <windows.h>

#include <utility>

#include "Exceptions.h"
#include "Handles.h"
#include "IntConv.h"
#include "Paths.h"

namespace {
constexpr DWORD kReadBufferSize = 1024;

// The file as the private-profile functions find it: a name without a folder lies in the Windows
// directory.
std::string ProfilePath(const std::string& fileName) {
    if (fileName.find_first_of("\\/:") != std::string::npos) return fileName;
    char windows[MAX_PATH + 1] = {};
    const UINT length = GetWindowsDirectoryA(windows, sizeof windows);
    return length == 0 || length >= sizeof windows ? fileName : JoinPath(std::string(windows, length), fileName);
}

}  // namespace

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& fallback) const {
    // Held open for the read, shared with everyone: a file this cannot open, the profile function
    // cannot read either, and no other program can lock it away in between.
    const std::string path = ProfilePath(FFileName);
    constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const TFileHandle reading(
        CreateFileA(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!reading) {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) FReadFailed = true;
    }
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
    if (FReadFailed) {
        if (std::exchange(FRefusalReported, true)) throw EAbort();
        throw Exception("Settings not saved: " + FFileName + " could not be read, so it is kept as it was");
    }
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
