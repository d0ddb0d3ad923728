#include "StartupBench.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "Format.h"
#include "LocaleText.h"

namespace {

constexpr int kPollMs = 2;
constexpr double kTimeoutSeconds = 60;

struct TWindowSearch {
    DWORD ProcessId;
    std::vector<HWND> Windows;
};

BOOL CALLBACK CollectVisibleWindows(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TWindowSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search->ProcessId && IsWindowVisible(window)) search->Windows.push_back(window);
    return TRUE;
}

std::vector<HWND> VisibleTopWindows(DWORD processId) {
    TWindowSearch search{processId, {}};
    EnumWindows(CollectVisibleWindows, reinterpret_cast<LPARAM>(&search));
    return search.Windows;
}

BOOL CALLBACK CollectChildren(HWND window, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

std::vector<HWND> Descendants(HWND parent, const char* className) {
    std::vector<HWND> all, matching;
    EnumChildWindows(parent, CollectChildren, reinterpret_cast<LPARAM>(&all));
    for (HWND window : all) {
        char name[64] = {};
        GetClassNameA(window, name, sizeof name);
        if (AnsiSameText(name, className)) matching.push_back(window);
    }
    return matching;
}

// Asks another process's window, without hanging on a process that is busy for long.
LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, 10000, &result)) return -1;
    return static_cast<LRESULT>(result);
}

// The real program has settled once its main window shows and one of its lists holds the images.
bool ProgramSettled(DWORD processId, int images) {
    for (HWND window : VisibleTopWindows(processId))
        for (HWND list : Descendants(window, "ListBox"))
            if (Ask(list, LB_GETCOUNT, 0, 0) == images) return true;
    return false;
}

bool FloorSettled(DWORD processId) { return !VisibleTopWindows(processId).empty(); }

// Whether one edit of the main window shows the settings' default directory.
bool ShowsDefaultDir(DWORD processId, const std::string& dir) {
    for (HWND window : VisibleTopWindows(processId))
        for (HWND edit : Descendants(window, "Edit")) {
            char text[MAX_PATH + 1] = {};
            Ask(edit, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
            if (AnsiSameText(text, dir)) return true;
        }
    return false;
}

// A started program, ended when this object ends.
class TStartedProgram {
public:
    TStartedProgram(const std::string& path, const std::string& currentDir) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string commandLine = "\"" + path + "\"";
        if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            currentDir.c_str(), &startup, &FProcess))
            FProcess = PROCESS_INFORMATION{};
    }
    ~TStartedProgram() {
        if (!FProcess.hProcess) return;
        TerminateProcess(FProcess.hProcess, 0);
        WaitForSingleObject(FProcess.hProcess, 10000);
        CloseHandle(FProcess.hThread);
        CloseHandle(FProcess.hProcess);
    }
    TStartedProgram(const TStartedProgram&) = delete;
    TStartedProgram& operator=(const TStartedProgram&) = delete;

    bool Started() const { return FProcess.hProcess != nullptr; }
    DWORD ProcessId() const { return FProcess.dwProcessId; }

private:
    PROCESS_INFORMATION FProcess{};
};

// Seconds from the start of the program until `settled` holds; below 0 when it never did.
// `shown` gets the seconds until the program first showed a window.
template <typename Settled>
double SecondsToSettle(const std::string& path, const std::string& currentDir, Settled settled, double& shown,
                       bool* showsDefaultDir = nullptr, const std::string& defaultDir = std::string()) {
    const double start = Now();
    TStartedProgram program(path, currentDir);
    if (!program.Started()) return -1;
    shown = -1;
    for (;;) {
        const double now = Now();
        if (shown < 0 && !VisibleTopWindows(program.ProcessId()).empty()) shown = now - start;
        if (settled(program.ProcessId())) break;
        if (now - start > kTimeoutSeconds) return -1;
        Sleep(kPollMs);
    }
    const double seconds = Now() - start;
    if (shown < 0) shown = seconds;
    if (showsDefaultDir) *showsDefaultDir = ShowsDefaultDir(program.ProcessId(), defaultDir);
    return seconds;
}

}  // namespace

std::vector<TBenchRow> StartupRows(const TStartupSetup& setup, int runs) {
    TBenchRow shownRow("start to main window shown", runs, true);
    TBenchRow row(Format("start to settled, %d images", setup.StartupImages), runs, true);
    const std::string program = setup.ProgramDir + "\\tessellor.exe";
    const std::string floor = setup.ProgramDir + "\\floor_window.exe";
    bool failed = false, showsDefaultDir = true;
    for (int run = 0; run < runs; ++run) {
        double floorShown = 0, programShown = 0;
        const double floorSeconds = SecondsToSettle(floor, setup.CurrentDir, FloorSettled, floorShown);
        bool shows = false;
        const double programSeconds = SecondsToSettle(
            program, setup.CurrentDir, [&](DWORD pid) { return ProgramSettled(pid, setup.StartupImages); },
            programShown, &shows, setup.StartupDir);
        if (floorSeconds < 0 || programSeconds < 0) {
            failed = true;
            continue;
        }
        showsDefaultDir = showsDefaultDir && shows;
        row.Floor = shownRow.Floor = std::min(row.Floor, floorSeconds);
        row.Seconds = std::min(row.Seconds, programSeconds);
        shownRow.Seconds = std::min(shownRow.Seconds, programShown);
    }
    if (failed) row.Remark = "(a start did not settle)";
    if (!showsDefaultDir) row.Remark += " (settings not shown)";
    row.Goal = 1.3;
    return {shownRow, row};
}
