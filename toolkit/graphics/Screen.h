#pragma once
// The screen object: the application-wide mouse cursor (crDefault, crHourGlass) and the screen's
// pixels per inch, by which every form is scaled when it is made.
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

    // The screen's pixels per inch, read once: a program keeps the setting it started with.
    int PixelsPerInch() const;

private:
    TCursor FCursor = crDefault;
    mutable int FPixelsPerInch = 0;
};

extern TScreen* const Screen;

// Forms and their fonts are designed at this many pixels per inch.
constexpr int kDesignPixelsPerInch = 96;
