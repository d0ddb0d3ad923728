#pragma once
// TFont: a description of a font and the GDI font made from it, remade whenever the description changes.
#include <windows.h>

#include <functional>
#include <string>

#include "Graphics.h"
#include "Handles.h"

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TFont {
public:
    TFont();
    ~TFont();
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    const std::string& Name() const { return FName; }
    void SetName(const std::string& name);
    // Character height in pixels (negative, as in the platform's LOGFONT) or cell height (positive).
    int Height() const { return FHeight; }
    void SetHeight(int height);
    // Size in points at the screen's pixels per inch; 8 points is a character height of 11 pixels
    // at 96 pixels per inch, 16 at 144.
    int Size() const;
    void SetSize(int points);
    // Rescales a height given at `from` pixels per inch to `to`: its whole points at `from` become
    // pixels at `to`, as the platform sizes a font of that many points there.
    void ScaleBy(int to, int from);
    unsigned Style() const { return FStyle; }
    void SetStyle(unsigned style);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    void Assign(const TFont& other);

    HFONT Handle() const;  // made on first use
    std::function<void()> OnChange;

private:
    void Changed();

    std::string FName = "MS Sans Serif";
    int FHeight = -11;
    unsigned FStyle = 0;
    TColor FColor = clWindowText;
    mutable TGdiObject<HFONT> FHandle;
};

// The height in pixels of one text line of the font on the screen.
int FontLineHeight(const TFont& font);
