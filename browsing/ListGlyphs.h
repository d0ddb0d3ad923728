#pragma once
// The glyphs of the browsing lists: loading one from the program's resources, drawing a line of a
// list as its glyph and its text, and the item height that holds both.
#include <windows.h>

#include <memory>
#include <string>

class TBitmap;
class TCanvas;
class TFont;

// The bitmap resource `name` of the program; raises EResNotFound when there is none.
std::unique_ptr<TBitmap> LoadGlyph(const char* name);

// How a line's text is placed: at the line's top, or centred in its height.
enum class TGlyphText { AtTop, Centred };

// Draws a line: the background, the glyph `indent` pixels in and centred in the line's height, and
// the text 4 pixels after the glyph. Without a glyph the text starts `emptyWidth` pixels after
// the indent.
void DrawGlyphLine(TCanvas& canvas, const RECT& rect, const TBitmap* glyph, int indent, int emptyWidth,
                   const std::string& text, TGlyphText placing);

// The item height for the font's lines and glyphs of `glyphHeight` pixels (0 for none).
int GlyphLineHeight(const TFont& font, int glyphHeight);
