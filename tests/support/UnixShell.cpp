#include "UnixShell.h"

#include <windows.h>

#include <cstdlib>

#include <gtest/gtest.h>

#include "Handles.h"
#include "TestFiles.h"

std::string UnixPath(const std::string& windowsPath) {
    using UnixName = char*(CDECL*)(LPCWSTR);
    const auto toUnix = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix) return "";
    wchar_t wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, MAX_PATH);
    char* unixPath = toUnix(wide);
    if (!unixPath) return "";
    std::string result = unixPath;
    HeapFree(GetProcessHeap(), 0, unixPath);
    return result;
}

int RunOutsideWine(const std::string& script, int timeoutMs) {
    // Wine's handle of a native process does not tell when it ends: the script leaves its exit
    // code in a file of its own as its last step, and that file is waited for.
    static int counter = 0;
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string done =
        std::string(temp) + "unixdone" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(counter++);
    DeleteFileA(done.c_str());
    const std::string unixDone = UnixPath(done);
    if (unixDone.empty()) return -1;
    std::string command = "Z:\\bin\\sh -c \"(" + script + "); echo $? > '" + unixDone + ".part'; mv '" + unixDone +
                          ".part' '" + unixDone + "'\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    const TKernelHandle thread(process.hThread), started(process.hProcess);
    const DWORD start = GetTickCount();
    while (!FileExists(done)) {
        if (static_cast<int>(GetTickCount() - start) > timeoutMs) return -1;
        Sleep(50);
    }
    const std::string code = ReadWholeFile(done);
    DeleteFileA(done.c_str());
    return code.empty() ? -1 : std::atoi(code.c_str());
}

namespace {

// The name as a printf format whose every byte is an octal escape: no character of it can end a
// quote or a command on its way through the command line and the shell.
std::string OctalFormat(const std::string& name) {
    std::string format;
    for (unsigned char c : name) {
        const char digits[] = {'\\', static_cast<char>('0' + (c >> 6)), static_cast<char>('0' + ((c >> 3) & 7)),
                               static_cast<char>('0' + (c & 7))};
        format.append(digits, sizeof digits);
    }
    return format;
}

bool MakeUnixEntries(const std::string& unixDir, const std::vector<std::string>& files,
                     const std::vector<std::string>& folders) {
    if (unixDir.empty()) return false;
    // Unquoted, so no field splitting and no pattern matching on the names.
    std::string script = "set -f; IFS=; cd '" + unixDir + "'";
    for (const std::string& name : files) script += " && : > $(printf '" + OctalFormat(name) + "')";
    for (const std::string& name : folders) script += " && mkdir $(printf '" + OctalFormat(name) + "')";
    return RunOutsideWine(script, 30000) == 0;
}

}  // namespace

bool MakeOutsideWine(const std::string& dir, const std::vector<std::string>& files,
                     const std::vector<std::string>& folders) {
    return MakeUnixEntries(UnixPath(dir), files, folders);
}

bool RemoveOutsideWine(const std::string& path) {
    const std::string unixPath = UnixPath(path);
    return !unixPath.empty() && RunOutsideWine("rm -rf '" + unixPath + "'", 30000) == 0;
}

DeepDir::DeepDir(const std::string& base, size_t length) : FUnixBase(UnixPath(base)), FPath(base) {
    constexpr size_t kLastName = 20;
    constexpr size_t kLongestFolder = 100;
    std::string unixTail;
    // Folders above it fill the path up to its own name; none is left of a single character.
    size_t rest = length - base.size() - (kLastName + 1);
    while (rest > 0) {
        size_t piece = rest < kLongestFolder + 1 ? rest : kLongestFolder + 1;
        if (rest - piece == 1) --piece;
        const std::string folder(piece - 1, static_cast<char>('a' + FPath.size() % 26));
        if (FFirst.empty()) FFirst = folder;
        FPath += "\\" + folder;
        unixTail += "/" + folder;
        rest -= piece;
    }
    const std::string last(kLastName, 'z');
    if (FFirst.empty()) FFirst = last;
    FPath += "\\" + last;
    unixTail += "/" + last;
    FUnixPath = FUnixBase + unixTail;
    if (FUnixBase.empty() || RunOutsideWine("mkdir -p '" + FUnixPath + "'", 30000) != 0)
        ADD_FAILURE() << "cannot make a directory of " << length << " characters";
}

DeepDir::~DeepDir() {
    if (!FUnixBase.empty()) RunOutsideWine("rm -rf '" + FUnixBase + "/" + FFirst + "'", 30000);
}

bool DeepDir::Touch(const std::string& name) const { return MakeUnixEntries(FUnixPath, {name}, {}); }
