#include "Screen.h"

#include <windows.h>

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
