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
    // The program's first thread, which makes its windows.
    DWORD ThreadId() const { return FProcess.dwThreadId; }
    // The most memory the program has had in its working set so far, in bytes; 0 when unknown.
    size_t PeakWorkingSet() const;

private:
    PROCESS_INFORMATION FProcess{};
};

// The visible top-level windows of the program's first thread. Asked of that thread alone, the
// frequent look costs the platform little, and slows the starting program little.
std::vector<HWND> VisibleTopWindows(DWORD threadId);
// Whether the thread shows a window that is seen: visible and of some size. The real program's
// application window is shown first but has no size, and only its task-bar entry is seen.
bool ShowsAWindow(DWORD threadId);
// Whether one list box of the thread's visible windows holds a number of lines. The list boxes are
// searched for among the windows until some are found, and then only those are asked, so that the
// frequent look slows a program of many windows no more than one of few.
class TListWatch {
public:
    explicit TListWatch(int lines) : FLines(lines) {}
    bool operator()(DWORD threadId);

private:
    int FLines;
    std::vector<HWND> FLists;
};
// Whether one edit of the thread's visible windows shows `text` (ignoring case).
bool ShowsEditText(DWORD threadId, const std::string& text);

// Starts the program and waits until `settled` holds for its first thread. Gives the seconds from the start until
// then (below 0 when it never did), and in `shown` the seconds until it first showed a window of some size.
// `whileRunning`, when given, is called with the program once it has settled.
double SecondsToSettle(const std::string& path, const std::string& currentDir,
                       const std::function<bool(DWORD)>& settled, double& shown,
                       const std::function<void(const TStartedProgram&)>& whileRunning = nullptr);
