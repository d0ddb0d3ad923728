#include "Font.h"

#include <algorithm>
#include <cstring>

#include "Screen.h"

TFont::TFont() = default;

TFont::~TFont() = default;

void TFont::SetName(const std::string& name) {
    if (name == FName) return;
    FName = name;
    Changed();
}

void TFont::SetHeight(int height) {
    if (height == FHeight) return;
    FHeight = height;
    Changed();
}

int TFont::Size() const { return MulDiv(FHeight < 0 ? -FHeight : FHeight, 72, Screen->PixelsPerInch()); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, Screen->PixelsPerInch(), 72)); }

void TFont::ScaleBy(int to, int from) {
    const int points = MulDiv(FHeight < 0 ? -FHeight : FHeight, 72, from);
    const int pixels = std::max(1, MulDiv(points, to, 72));
    SetHeight(FHeight < 0 ? -pixels : pixels);
}

void TFont::SetStyle(unsigned style) {
    if (style == FStyle) return;
    FStyle = style;
    Changed();
}

void TFont::SetColor(TColor color) {
    if (color == FColor) return;
    FColor = color;
    Changed();
}

void TFont::Assign(const TFont& other) {
    FName = other.FName;
    FHeight = other.FHeight;
    FStyle = other.FStyle;
    FColor = other.FColor;
    Changed();
}

void TFont::Changed() {
    FHandle.Reset();
    if (OnChange) OnChange();
}

HFONT TFont::Handle() const {
    if (!FHandle) {
        LOGFONTA lf{};
        lf.lfHeight = FHeight;
        lf.lfWeight = (FStyle & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (FStyle & fsItalic) ? 1 : 0;
        lf.lfUnderline = (FStyle & fsUnderline) ? 1 : 0;
        lf.lfStrikeOut = (FStyle & fsStrikeOut) ? 1 : 0;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfQuality = DEFAULT_QUALITY;
        strncpy(lf.lfFaceName, FName.c_str(), LF_FACESIZE - 1);
        FHandle.Reset(CreateFontIndirectA(&lf));
    }
    return FHandle.Get();
}

int FontLineHeight(const TFont& font) {
    const TClientDC screen;
    const TSelectedObject selected(screen.Get(), font.Handle());
    TEXTMETRICA tm{};
    GetTextMetricsA(screen.Get(), &tm);
    return tm.tmHeight;
}
