#pragma once
// What the floor programs share: one top-level window of the main window's size and place, and the
// message loop that runs it, in plain Win32 calls.
#include <windows.h>

// The window, not shown yet, of a class of its own with `windowProc`, with the icon, menu and owner
// given; none when the class or the window cannot be made.
inline HWND MakeFloorWindow(HINSTANCE instance, WNDPROC windowProc, const char* className, const char* caption,
                            HICON icon = nullptr, HMENU menu = nullptr, HWND owner = nullptr) {
    WNDCLASSA windowClass{};
    windowClass.hIcon = icon;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    if (!RegisterClassA(&windowClass)) return nullptr;
    return CreateWindowExA(0, className, caption, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 222, 78, 447, 486, owner,
                           menu, instance, nullptr);
}

// What every floor window does with the messages it does not handle itself: the program ends with
// its window.
inline LRESULT FloorWindowDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Shows the window and runs the message loop until the program quits.
inline int RunFloorWindow(HWND window, int show) {
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
