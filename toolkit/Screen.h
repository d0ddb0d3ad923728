#pragma once
// The screen object: the application-wide mouse cursor (crDefault, crHourGlass).
#include <functional>

using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crHourGlass = -11;

class TScreen {
public:
    TCursor Cursor() const { return FCursor; }
    // Shows the cursor at once; crDefault gives the arrow back.
    void SetCursor(TCursor cursor);
    // Told after every change of Cursor (for status displays, and for tests that watch the cursor).
    std::function<void(TCursor)> OnCursorChange;

private:
    TCursor FCursor = crDefault;
};

extern TScreen* const Screen;
