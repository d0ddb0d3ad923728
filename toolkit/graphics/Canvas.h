#pragma once
// TCanvas: drawing on a device context with a font and a brush colour: fill, text, bitmaps.
#include <windows.h>

#include <optional>
#include <string>

#include "Font.h"
#include "Graphics.h"
#include "Handles.h"

class TBitmap;

// (windows.h turns the names TextOut and DrawText into their ANSI forms, here too.)
class TCanvas {
public:
    // Draws on `dc`, which stays the caller's; without one the canvas makes a memory DC of its own
    // (for measuring text).
    explicit TCanvas(HDC dc = nullptr);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    HDC Handle() const { return FDC; }
    TFont& Font() { return FFont; }
    TColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(TColor color) { FBrushColor = color; }

    void FillRect(const RECT& rect);
    void TextOut(int x, int y, const std::string& text);
    int TextWidth(const std::string& text);
    // The platform's DrawText with the given DT_ flags.
    void DrawText(RECT rect, const std::string& text, UINT flags);
    // The bitmap at its own size, its transparent colour left out.
    void Draw(int x, int y, const TBitmap& bitmap);

private:
    void Prepare();

    std::optional<TMemoryDC> FOwnDC;  // when no DC was given; deleted after the state is restored
    HDC FDC;
    TFont FFont;
    TColor FBrushColor = clWindow;
    int FSavedState = 0;
};
