#pragma once
// Helpers for the information dialog tests: where a control's window really is, what lies on the
// screen, and the windows the test thread has.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "Form.h"

// The window of the named control as a rectangle in the form's client coordinates.
RECT PlaceOf(TForm& form, const std::string& name);
RECT ClientRectOf(HWND window);

// Counts the pixels of a rectangle of the form's client area for which `match` holds.
int CountPixels(TForm& form, const RECT& area, const std::function<bool(COLORREF)>& match);
bool Near(COLORREF colour, COLORREF wanted, int tolerance = 24);

// The top-level windows of this thread that exist now.
std::vector<HWND> ThreadWindows();

// A length of the 96-pixels-per-inch layout on this screen, as the forms scale it.
int Scaled(int designPixels);

// A layout table row at 96 pixels per inch: name, left, top, width, height.
struct Placed {
    const char* Name;
    int Left, Top, Width, Height;
};
// Each control where the table puts it, scaled to this screen.
void ExpectLayout(TForm& form, const std::vector<Placed>& table);
