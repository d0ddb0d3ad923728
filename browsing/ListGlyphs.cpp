#include "ListGlyphs.h"

#include <algorithm>

#include "Bitmap.h"
#include "Canvas.h"
#include "Font.h"

std::unique_ptr<TBitmap> LoadGlyph(const char* name) {
    auto glyph = std::make_unique<TBitmap>();
    glyph->LoadFromResourceName(name);
    return glyph;
}

void DrawGlyphLine(TCanvas& canvas, const RECT& rect, const TBitmap* glyph, int indent, int emptyWidth,
                   const std::string& text, TGlyphText placing) {
    canvas.FillRect(rect);
    int textLeft = rect.left + indent + emptyWidth;
    if (glyph) {
        canvas.Draw(rect.left + indent, (rect.top + rect.bottom - glyph->Height()) / 2, *glyph);
        textLeft = rect.left + indent + glyph->Width() + 4;
    }
    if (placing == TGlyphText::AtTop) {
        canvas.TextOut(textLeft, rect.top, text);
        return;
    }
    RECT textRect = rect;
    textRect.left = textLeft;
    canvas.DrawText(textRect, text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

int GlyphLineHeight(const TFont& font, int glyphHeight) { return std::max(FontLineHeight(font), glyphHeight); }
