// The smallest window program that settles like the real one: one window of the main window's
// size with a list box, shown; after a 200 ms one-shot timer it reads its start folder (the current
// directory) with FindFirstFileA and fills the list box with the names of the files, sorted. The
// benchmark's floor of the real program's start until settled, and of its memory with a large
// folder listed.
#include <windows.h>

#include <string>
#include <vector>

#include "FloorList.h"
#include "FloorProgram.h"
#include "Handles.h"

namespace {

constexpr UINT_PTR kTimerId = 1;
HWND List = nullptr;

void FillList() {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    if (const TFindHandle find(FindFirstFileA("*", &data)); find) {
        do {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(data.cFileName);
        } while (FindNextFileA(find.Get(), &data));
    }
    SortIgnoringCase(names);
    FillListBox(List, names);
}

LRESULT CALLBACK FloorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        KillTimer(window, kTimerId);
        FillList();
        return 0;
    default:
        return FloorWindowDefault(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    HWND window = MakeFloorWindow(instance, FloorWindowProc, "FloorList", "Floor list");
    if (!window) return 1;
    List = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                           172, 100, 145, 133, window, nullptr, instance, nullptr);
    if (!List) return 1;
    // Armed before the window shows, as the real program's main window arms its timer when it is made.
    SetTimer(window, kTimerId, 200, nullptr);
    return RunFloorWindow(window, show);
}
