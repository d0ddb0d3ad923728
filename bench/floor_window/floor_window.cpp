// The smallest window program: one top-level window of the main window's size, shown, and a
// message loop. The benchmark starts it the way it starts the real program: the time until its
// window shows is the floor of the real program's start.
#include <windows.h>

#include "FloorProgram.h"

namespace {

LRESULT CALLBACK FloorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    HWND window = MakeFloorWindow(instance, FloorWindowProc, "FloorWindow", "Floor window");
    if (!window) return 1;
    return RunFloorWindow(window, show);
}
