#include "Screen.h"

#include <windows.h>

#include "Handles.h"

namespace {
TScreen gScreen;
}  // namespace

TScreen* const Screen = &gScreen;

void TScreen::SetCursor(TCursor cursor) {
    if (cursor == FCursor) return;
    FCursor = cursor;
    LPCSTR shape = reinterpret_cast<LPCSTR>(cursor == crHourGlass ? IDC_WAIT : IDC_ARROW);
    ::SetCursor(LoadCursorA(nullptr, shape));
    if (OnCursorChange) OnCursorChange(cursor);
}

int TScreen::PixelsPerInch() const {
    if (FPixelsPerInch == 0) {
        FPixelsPerInch = GetDeviceCaps(TClientDC().Get(), LOGPIXELSY);
        if (FPixelsPerInch <= 0) FPixelsPerInch = kDesignPixelsPerInch;
    }
    return FPixelsPerInch;
}
