#include "Canvas.h"

#include "Bitmap.h"
#include "Handles.h"

TCanvas::TCanvas(HDC dc) : FDC(dc) {
    if (!FDC) FDC = FOwnDC.emplace().Get();
    FSavedState = SaveDC(FDC);
}

TCanvas::~TCanvas() {
    RestoreDC(FDC, FSavedState);  // also puts back the font selected by Prepare
}

void TCanvas::Prepare() {
    SelectObject(FDC, FFont.Handle());
    SetTextColor(FDC, ColorToRGB(FFont.Color()));
    SetBkMode(FDC, TRANSPARENT);
}

void TCanvas::FillRect(const RECT& rect) {
    TGdiObject<HBRUSH> brush(CreateSolidBrush(ColorToRGB(FBrushColor)));
    ::FillRect(FDC, &rect, brush.Get());
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    Prepare();
    ::TextOutA(FDC, x, y, text.data(), static_cast<int>(text.size()));
}

int TCanvas::TextWidth(const std::string& text) {
    Prepare();
    SIZE size{};
    GetTextExtentPoint32A(FDC, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

void TCanvas::DrawText(RECT rect, const std::string& text, UINT flags) {
    Prepare();
    ::DrawTextA(FDC, text.data(), static_cast<int>(text.size()), &rect, flags);
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) { bitmap.DrawTransparent(FDC, x, y); }
