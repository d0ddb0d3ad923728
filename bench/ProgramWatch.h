#pragma once
// Watching a program started by the benchmark from outside: its visible windows, its lists, its
// memory, each asked without hanging on a program that is busy.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// A started program, ended when this object ends.
class TStartedProgram {
public:
    TStartedProgram(const std::string& path, const std::string& currentDir);
    ~TStartedProgram();
    TStartedProgram(const TStartedProgram&) = delete;
    TStartedProgram& operator=(const TStartedProgram&) = delete;

    bool Started() const { return FProcess.hProcess != nullptr; }
    DWORD ProcessId() const { return FProcess.dwProcessId; }
    // The most memory the program has had in its working set so far, in bytes; 0 when unknown.
    size_t PeakWorkingSet() const;

private:
    PROCESS_INFORMATION FProcess{};
};

std::vector<HWND> VisibleTopWindows(DWORD processId);
// Whether one list box of the program's visible windows holds `lines` lines.
bool ShowsListOf(DWORD processId, int lines);
// Whether one edit of the program's visible windows shows `text` (ignoring case).
bool ShowsEditText(DWORD processId, const std::string& text);

// Starts the program and waits until `settled` holds for it. Gives the seconds from the start until
// then (below 0 when it never did), and in `shown` the seconds until it first showed a window.
// `whileRunning`, when given, is called with the program once it has settled.
double SecondsToSettle(const std::string& path, const std::string& currentDir,
                       const std::function<bool(DWORD)>& settled, double& shown,
                       const std::function<void(const TStartedProgram&)>& whileRunning = nullptr);
