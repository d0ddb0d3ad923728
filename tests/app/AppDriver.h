#pragma once
// Runs the real tessellor.exe in a process of its own, in a directory of its own, and works it the
// way a user does: windows found on the screen, keys typed and buttons clicked through the input
// system, dialogs read and answered.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "DialogDriver.h"

class AppDriver {
public:
    // The program is copied into `programDir`; its settings file lives beside it.
    explicit AppDriver(const std::string& programDir);
    // Starts the program with `currentDir` as its current directory.
    void Start(const std::string& currentDir);
    // The same for a directory whose name the code page may not hold.
    void Start(const std::wstring& currentDir);
    ~AppDriver();
    AppDriver(const AppDriver&) = delete;
    AppDriver& operator=(const AppDriver&) = delete;

    const std::string& ProgramDir() const { return FProgramDir; }
    std::string IniPath() const { return FProgramDir + "\\tessellor.ini"; }

    // The main window, once it is there (fails the test otherwise).
    HWND MainWindow(int timeoutMs = 10000);
    // The program's top-level window with this caption, once it is visible; null on timeout.
    HWND WaitForWindow(const std::string& caption, int timeoutMs = 10000);
    // A visible top-level window of the program other than the main window (a dialog); null on timeout.
    HWND WaitForDialog(int timeoutMs = 10000);
    // Waits until no window of the program but the main window is visible.
    bool WaitNoDialog(int timeoutMs = 10000);

    // The descendant of `parent` of this window class whose top-left corner, in `parent`'s client
    // coordinates, is (x, y); or with this text.
    HWND ChildAt(HWND parent, const std::string& className, int x, int y) const;
    HWND ChildWithText(HWND parent, const std::string& className, const std::string& text) const;
    std::string TextOf(HWND window) const;

    // Input as a user gives it.
    void Activate(HWND window);
    void Click(HWND window);
    void ClickAt(int screenX, int screenY);
    void DoubleClick(HWND window, int x, int y);
    void Key(WORD virtualKey, bool alt = false, bool shift = false, bool ctrl = false);
    void Type(const std::string& text);
    // Selects all text of the focused edit and types `text` over it.
    void ReplaceText(HWND edit, const std::string& text);
    // Waits until the program has handled all input given so far. Each input above ends with it.
    void Sync();

    // Waits for the process to end; its exit code, or -1 on timeout.
    int WaitForExit(int timeoutMs = 15000);
    bool Running() const;
    DWORD ProcessId() const { return FProcess.dwProcessId; }

private:
    std::vector<HWND> TopWindows(bool visibleOnly) const;

    std::string FProgramDir;
    PROCESS_INFORMATION FProcess{};
    HWND FMain = nullptr;
};

// Handles nothing; waits for a condition in another process, polling.
bool WaitFor(const std::function<bool()>& done, int timeoutMs = 10000);
