#include "ProgramWatch.h"

#include <psapi.h>

#include "BenchTable.h"
#include "Handles.h"
#include "LocaleText.h"

namespace {

constexpr int kPollMs = 2;
constexpr double kTimeoutSeconds = 120;

BOOL CALLBACK CollectVisibleWindows(HWND window, LPARAM param) {
    if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
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

}  // namespace

TStartedProgram::TStartedProgram(const std::string& path, const std::string& currentDir) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + path + "\"";
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, currentDir.c_str(),
                        &startup, &FProcess))
        FProcess = PROCESS_INFORMATION{};
}

TStartedProgram::~TStartedProgram() {
    if (!FProcess.hProcess) return;
    const TKernelHandle process(FProcess.hProcess), thread(FProcess.hThread);
    TerminateProcess(FProcess.hProcess, 0);
    WaitForSingleObject(FProcess.hProcess, 10000);
}

size_t TStartedProgram::PeakWorkingSet() const {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!FProcess.hProcess || !GetProcessMemoryInfo(FProcess.hProcess, &counters, sizeof counters)) return 0;
    return counters.PeakWorkingSetSize;
}

std::vector<HWND> VisibleTopWindows(DWORD threadId) {
    std::vector<HWND> windows;
    EnumThreadWindows(threadId, CollectVisibleWindows, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

bool ShowsAWindow(DWORD threadId) {
    for (HWND window : VisibleTopWindows(threadId)) {
        RECT bounds{};
        if (GetWindowRect(window, &bounds) && bounds.right > bounds.left && bounds.bottom > bounds.top) return true;
    }
    return false;
}

bool TListWatch::operator()(DWORD threadId) {
    if (FLists.empty())
        for (HWND window : VisibleTopWindows(threadId))
            for (HWND list : Descendants(window, "ListBox")) FLists.push_back(list);
    bool shows = false, gone = false;
    for (HWND list : FLists) {
        const LRESULT count = Ask(list, LB_GETCOUNT, 0, 0);
        shows = shows || count == FLines;
        gone = gone || count < 0;
    }
    if (gone) FLists.clear();  // a list box went: search again at the next look
    return shows;
}

bool ShowsEditText(DWORD threadId, const std::string& text) {
    for (HWND window : VisibleTopWindows(threadId))
        for (HWND edit : Descendants(window, "Edit")) {
            char shown[MAX_PATH + 1] = {};
            Ask(edit, WM_GETTEXT, sizeof shown, reinterpret_cast<LPARAM>(shown));
            if (AnsiSameText(shown, text)) return true;
        }
    return false;
}

double SecondsToSettle(const std::string& path, const std::string& currentDir,
                       const std::function<bool(DWORD)>& settled, double& shown,
                       const std::function<void(const TStartedProgram&)>& whileRunning) {
    const double start = Now();
    TStartedProgram program(path, currentDir);
    if (!program.Started()) return -1;
    shown = -1;
    for (;;) {
        const double now = Now();
        // Until a window shows, every program is looked at alike, in the one way that costs it least.
        if (shown < 0 && ShowsAWindow(program.ThreadId())) shown = now - start;
        if (shown >= 0 && settled(program.ThreadId())) break;
        if (now - start > kTimeoutSeconds) return -1;
        Sleep(kPollMs);
    }
    const double seconds = Now() - start;
    if (shown < 0) shown = seconds;
    if (whileRunning) whileRunning(program);
    return seconds;
}
