#include "DialogLayout.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "Handles.h"
#include "Screen.h"

RECT PlaceOf(TForm& form, const std::string& name) {
    RECT r{};
    auto* control = dynamic_cast<TWinControl*>(form.FindComponent(name));
    if (!control) {
        ADD_FAILURE() << "no control " << name;
        return r;
    }
    GetWindowRect(control->Handle(), &r);
    MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RECT ClientRectOf(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return r;
}

int CountPixels(TForm& form, const RECT& area, const std::function<bool(COLORREF)>& match) {
    const TClientDC dc(form.Handle());
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (match(GetPixel(dc.Get(), x, y))) ++count;
    return count;
}

bool Near(COLORREF colour, COLORREF wanted, int tolerance) {
    return std::abs(GetRValue(colour) - GetRValue(wanted)) <= tolerance &&
           std::abs(GetGValue(colour) - GetGValue(wanted)) <= tolerance &&
           std::abs(GetBValue(colour) - GetBValue(wanted)) <= tolerance;
}

namespace {
BOOL CALLBACK Collect(HWND window, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}
}  // namespace

std::vector<HWND> ThreadWindows() {
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

int Scaled(int designPixels) { return MulDiv(designPixels, Screen->PixelsPerInch(), kDesignPixelsPerInch); }

void ExpectLayout(TForm& form, const std::vector<Placed>& table) {
    for (const Placed& p : table) {
        const RECT r = PlaceOf(form, p.Name);
        EXPECT_EQ(r.left, Scaled(p.Left)) << p.Name;
        EXPECT_EQ(r.top, Scaled(p.Top)) << p.Name;
        EXPECT_EQ(r.right - r.left, Scaled(p.Width)) << p.Name;
        EXPECT_EQ(r.bottom - r.top, Scaled(p.Height)) << p.Name;
    }
}
