#include "UnixShell.h"

#include <windows.h>

#include <cstdlib>

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
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    const DWORD start = GetTickCount();
    while (!FileExists(done)) {
        if (static_cast<int>(GetTickCount() - start) > timeoutMs) return -1;
        Sleep(50);
    }
    const std::string code = ReadWholeFile(done);
    DeleteFileA(done.c_str());
    return code.empty() ? -1 : std::atoi(code.c_str());
}
