#pragma once
// TBitmap: a picture held as a GDI bitmap, loaded from a named bitmap resource of the program. It is
// drawn with the colour of its bottom-left pixel transparent.
#include <windows.h>

#include <string>

#include "Exceptions.h"
#include "Handles.h"
#include "Object.h"

// A named resource that the program does not have.
class EResNotFound : public Exception {
public:
    using Exception::Exception;
};

class TBitmap : public TObject {
public:
    TBitmap() = default;
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // A blank picture of this size (white).
    void SetSize(int width, int height);
    // Loads the bitmap resource `name` of the module (the program when none is given); raises
    // EResNotFound when there is no such resource.
    void LoadFromResourceName(const std::string& name, HINSTANCE module = nullptr);
    HBITMAP Handle() const { return FBitmap.Get(); }
    // The colour drawn as transparent: that of the bottom-left pixel.
    COLORREF TransparentColor() const { return FTransparentColor; }

    // Draws the picture at its own size with its top-left corner at (x, y), leaving the pixels of
    // the transparent colour as they were.
    void DrawTransparent(HDC dc, int x, int y) const;

private:
    void Changed();
    void MakeMask() const;

    TGdiObject<HBITMAP> FBitmap;
    int FWidth = 0;
    int FHeight = 0;
    COLORREF FTransparentColor = 0;
    // Made on first transparent drawing: the mask (1 where transparent) and the picture with
    // its transparent pixels turned black.
    mutable TGdiObject<HBITMAP> FMask;
    mutable TGdiObject<HBITMAP> FMaskedImage;
};
