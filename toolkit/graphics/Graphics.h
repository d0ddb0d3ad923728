#pragma once
// Colours: an RGB value, or a system colour given as 0x80000000 plus its COLOR_ index.
#include <windows.h>

#include <cstdint>

using TColor = int32_t;

constexpr TColor SystemColor(int index) { return static_cast<TColor>(0x80000000u | static_cast<unsigned>(index)); }
constexpr TColor clWindowText = SystemColor(COLOR_WINDOWTEXT);
constexpr TColor clWindow = SystemColor(COLOR_WINDOW);
constexpr TColor clBtnFace = SystemColor(COLOR_BTNFACE);
constexpr TColor clHighlight = SystemColor(COLOR_HIGHLIGHT);
constexpr TColor clHighlightText = SystemColor(COLOR_HIGHLIGHTTEXT);
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clGreen = 0x008000;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clGray = 0x808080;

// The RGB value of a colour; of a system colour, the one the system has now.
COLORREF ColorToRGB(TColor color);
