#include "AppDriver.h"

#include <gtest/gtest.h>

#include "Handles.h"

namespace {

struct EnumData {
    DWORD ProcessId;
    bool VisibleOnly;
    std::vector<HWND>* Windows;
};

BOOL CALLBACK CollectProcessWindows(HWND window, LPARAM param) {
    auto* data = reinterpret_cast<EnumData*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == data->ProcessId && (!data->VisibleOnly || IsWindowVisible(window))) data->Windows->push_back(window);
    return TRUE;
}

std::string ClassOf(HWND window) {
    char buffer[256] = {};
    GetClassNameA(window, buffer, sizeof buffer);
    return buffer;
}

// The program's own windows that are no dialogs: the input method's, and the application window
// that stands for the program in the task bar.
// Windows of the program that are no dialog: its hidden application window, the input method's, and
// an open menu's popup (seen before the menu item's dialog when the machine is slow).
bool IsApplicationWindow(HWND window) {
    const std::string name = ClassOf(window);
    return name == "IME" || name == "TessellorApplication" || name == "#32768";
}

INPUT KeyInput(WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

void SendMouse(DWORD flags, int x, int y) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

// Whether `window` is the active window of its thread: the program has taken the activation.
bool ActiveInItsThread(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) && info.hwndActive == window;
}

BOOL CALLBACK FindUndrawn(HWND window, LPARAM undrawn) {
    if (IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE)) *reinterpret_cast<bool*>(undrawn) = true;
    return TRUE;
}

// Whether the window and every child it shows have drawn themselves.
bool NothingToDraw(HWND window) {
    bool undrawn = GetUpdateRect(window, nullptr, FALSE);
    EnumChildWindows(window, FindUndrawn, reinterpret_cast<LPARAM>(&undrawn));
    return !undrawn;
}

}  // namespace

bool WaitFor(const std::function<bool()>& done, int timeoutMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (static_cast<int>(GetTickCount() - start) > timeoutMs) return false;
        Sleep(20);
    }
    return true;
}

AppDriver::AppDriver(const std::string& programDir) : FProgramDir(programDir) {}

void AppDriver::Start(const std::string& currentDir) {
    std::wstring wide(currentDir.size() + 1, L'\0');
    const int length = MultiByteToWideChar(CP_ACP, 0, currentDir.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    wide.resize(length > 0 ? static_cast<size_t>(length - 1) : 0);
    Start(wide);
}

void AppDriver::Start(const std::wstring& currentDir) {
    const std::string program = FProgramDir + "\\tessellor_e2e.exe";
    if (!CopyFileA(TESSELLOR_EXE, program.c_str(), FALSE)) {
        ADD_FAILURE() << "cannot copy " << TESSELLOR_EXE << " to " << program;
        return;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring wideProgram(program.begin(), program.end());  // the test folders' names are ASCII
    std::wstring commandLine = L"\"" + wideProgram + L"\"";
    if (!CreateProcessW(wideProgram.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        currentDir.c_str(), &startup, &FProcess))
        ADD_FAILURE() << "cannot start " << program << ": error " << GetLastError();
}

AppDriver::~AppDriver() {
    const TKernelHandle process(FProcess.hProcess), thread(FProcess.hThread);
    if (Running()) {
        TerminateProcess(FProcess.hProcess, 99);
        WaitForSingleObject(FProcess.hProcess, 5000);
    }
}

bool AppDriver::Running() const {
    return FProcess.hProcess && WaitForSingleObject(FProcess.hProcess, 0) == WAIT_TIMEOUT;
}

int AppDriver::WaitForExit(int timeoutMs) {
    if (!FProcess.hProcess || WaitForSingleObject(FProcess.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(FProcess.hProcess, &code);
    return static_cast<int>(code);
}

std::vector<HWND> AppDriver::TopWindows(bool visibleOnly) const {
    std::vector<HWND> windows;
    EnumData data{FProcess.dwProcessId, visibleOnly, &windows};
    EnumWindows(CollectProcessWindows, reinterpret_cast<LPARAM>(&data));
    return windows;
}

HWND AppDriver::WaitForWindow(const std::string& caption, int timeoutMs) {
    HWND found = nullptr;
    WaitFor(
        [&] {
            for (HWND w : TopWindows(true))
                if (TextOf(w) == caption) found = w;
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

HWND AppDriver::MainWindow(int timeoutMs) {
    if (!FMain || !IsWindow(FMain)) {
        FMain = WaitForWindow("Tessellor 1.01", timeoutMs);
        // Shown as a user sees it: painted, with nothing left to draw.
        if (FMain) WaitFor([&] { return NothingToDraw(FMain); }, timeoutMs);
    }
    EXPECT_NE(FMain, nullptr) << "the main window did not appear";
    return FMain;
}

HWND AppDriver::WaitForDialog(int timeoutMs) {
    HWND found = nullptr;
    WaitFor(
        [&] {
            for (HWND w : TopWindows(true))
                if (w != FMain && !IsApplicationWindow(w) && IsWindowEnabled(w)) found = w;
            return found != nullptr;
        },
        timeoutMs);
    if (found) {
        // A dialog takes the activation once it shows; then what it posted to itself while it was made.
        WaitFor([&] { return ActiveInItsThread(found); }, 2000);
        Sync();
    }
    return found;
}

bool AppDriver::WaitNoDialog(int timeoutMs) {
    return WaitFor(
        [&] {
            for (HWND w : TopWindows(true))
                if (w != FMain && !IsApplicationWindow(w)) return false;
            return true;
        },
        timeoutMs);
}

HWND AppDriver::ChildAt(HWND parent, const std::string& className, int x, int y) const {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
        if (_stricmp(ClassOf(child).c_str(), className.c_str()) == 0 && r.left == x && r.top == y) return child;
    }
    return nullptr;
}

HWND AppDriver::ChildWithText(HWND parent, const std::string& className, const std::string& text) const {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (_stricmp(ClassOf(child).c_str(), className.c_str()) == 0 && TextOf(child) == text) return child;
        if (HWND inner = ChildWithText(child, className, text)) return inner;
    }
    return nullptr;
}

std::string AppDriver::TextOf(HWND window) const {
    char buffer[4096] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000,
                        nullptr);
    return buffer;
}

void AppDriver::Activate(HWND window) {
    HWND root = GetAncestor(window, GA_ROOT);
    SetForegroundWindow(root);
    WaitFor([&] { return GetForegroundWindow() == root && ActiveInItsThread(root); }, 2000);
    Sync();
}

void AppDriver::Click(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void AppDriver::ClickAt(int x, int y) {
    // The pointer's arrival, the press and the release each handled before the next: given at once
    // on a busy machine, the program now and then took no click from them.
    SendMouse(MOUSEEVENTF_MOVE, x, y);
    Sync();
    SendMouse(MOUSEEVENTF_LEFTDOWN, x, y);
    Sync();
    SendMouse(MOUSEEVENTF_LEFTUP, x, y);
    Sync();
}

void AppDriver::DoubleClick(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    SendMouse(MOUSEEVENTF_MOVE, p.x, p.y);
    for (int i = 0; i < 2; ++i) {
        SendMouse(MOUSEEVENTF_LEFTDOWN, p.x, p.y);
        SendMouse(MOUSEEVENTF_LEFTUP, p.x, p.y);
    }
    Sync();
}

void AppDriver::Key(WORD virtualKey, bool alt, bool shift, bool ctrl) {
    // One call for the whole chord, so that nothing the program does falls between a modifier and its key.
    std::vector<INPUT> chord;
    const std::pair<bool, WORD> modifiers[] = {{ctrl, VK_CONTROL}, {shift, VK_SHIFT}, {alt, VK_MENU}};
    for (const auto& [held, vk] : modifiers)
        if (held) chord.push_back(KeyInput(vk, false));
    chord.push_back(KeyInput(virtualKey, false));
    chord.push_back(KeyInput(virtualKey, true));
    for (auto m = std::rbegin(modifiers); m != std::rend(modifiers); ++m)
        if (m->first) chord.push_back(KeyInput(m->second, true));
    SendInput(static_cast<UINT>(chord.size()), chord.data(), sizeof(INPUT));
    Sync();
}

void AppDriver::Type(const std::string& text) {
    for (char c : text) {
        INPUT input[2]{};
        for (int i = 0; i < 2; ++i) {
            input[i].type = INPUT_KEYBOARD;
            input[i].ki.wScan = static_cast<unsigned char>(c);
            input[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
        }
        SendInput(2, input, sizeof input[0]);
    }
    Sync();
}

void AppDriver::Sync() {
    HWND program = FMain && IsWindow(FMain) ? FMain : nullptr;
    if (!program) {
        const std::vector<HWND> windows = TopWindows(false);
        if (windows.empty()) return;  // not started yet, or gone: nothing to wait for
        program = windows.front();
    }
    // Input is in the program's queue once SendInput returns. A message sent to its one thread is
    // taken only when that thread next asks for a message, and the ask first takes what is sent,
    // then what is posted, then input: one round trip ends once the program has come back for more,
    // and each further one once it has handled what it took then, the input and the messages it
    // posted in answer (WM_CHAR after a key, a control's notifications) included. The chains of
    // posted messages the program and the platform's dialogs start are shorter than this.
    for (int trip = 0; trip < 6; ++trip)
        if (!SendMessageTimeoutA(program, WM_NULL, 0, 0, SMTO_NORMAL, 10000, nullptr)) return;
}

void AppDriver::ReplaceText(HWND edit, const std::string& text) {
    Click(edit);
    Key(VK_HOME);
    Key(VK_END, false, true);
    Key(VK_DELETE);
    Type(text);
}
