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

void SendKey(WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

void SendMouse(DWORD flags, int x, int y) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

void Settle() { Sleep(60); }

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
    if (!FMain || !IsWindow(FMain)) FMain = WaitForWindow("Tessellor 1.01", timeoutMs);
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
    if (found) Sleep(150);  // let it finish laying itself out
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
    WaitFor([&] { return GetForegroundWindow() == root; }, 2000);
    Settle();
}

void AppDriver::Click(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void AppDriver::ClickAt(int x, int y) {
    SendMouse(MOUSEEVENTF_MOVE, x, y);
    SendMouse(MOUSEEVENTF_LEFTDOWN, x, y);
    SendMouse(MOUSEEVENTF_LEFTUP, x, y);
    Settle();
}

void AppDriver::DoubleClick(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    SendMouse(MOUSEEVENTF_MOVE, p.x, p.y);
    for (int i = 0; i < 2; ++i) {
        SendMouse(MOUSEEVENTF_LEFTDOWN, p.x, p.y);
        SendMouse(MOUSEEVENTF_LEFTUP, p.x, p.y);
    }
    Settle();
}

void AppDriver::Key(WORD virtualKey, bool alt, bool shift, bool ctrl) {
    if (ctrl) SendKey(VK_CONTROL, false);
    if (shift) SendKey(VK_SHIFT, false);
    if (alt) SendKey(VK_MENU, false);
    SendKey(virtualKey, false);
    SendKey(virtualKey, true);
    if (alt) SendKey(VK_MENU, true);
    if (shift) SendKey(VK_SHIFT, true);
    if (ctrl) SendKey(VK_CONTROL, true);
    Settle();
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
    Settle();
}

void AppDriver::ReplaceText(HWND edit, const std::string& text) {
    Click(edit);
    Key(VK_HOME);
    Key(VK_END, false, true);
    Key(VK_DELETE);
    Type(text);
}
