#include "Bitmap.h"

#include "Exceptions.h"
#include "Format.h"

void TBitmap::SetSize(int width, int height) {
    FBitmap.Reset(CreateCompatibleBitmap(TClientDC().Get(), width, height));
    {
        TMemoryDC dc(FBitmap.Get());
        RECT r{0, 0, width, height};
        FillRect(dc.Get(), &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    Changed();
}

void TBitmap::LoadFromResourceName(const std::string& name, HINSTANCE module) {
    HBITMAP loaded = LoadBitmapA(module ? module : GetModuleHandleA(nullptr), name.c_str());
    if (!loaded) throw EResNotFound(Format("Resource %s not found", name.c_str()));
    FBitmap.Reset(loaded);
    Changed();
}

void TBitmap::Changed() {
    FMask.Reset();
    FMaskedImage.Reset();
    BITMAP info{};
    if (FBitmap && GetObjectA(FBitmap.Get(), sizeof info, &info)) {
        FWidth = info.bmWidth;
        FHeight = info.bmHeight;
        TMemoryDC dc(FBitmap.Get());
        FTransparentColor = GetPixel(dc.Get(), 0, FHeight - 1);
    } else {
        FWidth = FHeight = 0;
    }
}

void TBitmap::MakeMask() const {
    if (FMask) return;
    TMemoryDC image(FBitmap.Get());
    FMask.Reset(CreateBitmap(FWidth, FHeight, 1, 1, nullptr));
    TMemoryDC mask(FMask.Get());
    // Copying colour to monochrome gives 1 where a pixel has the source's background colour.
    SetBkColor(image.Get(), FTransparentColor);
    BitBlt(mask.Get(), 0, 0, FWidth, FHeight, image.Get(), 0, 0, SRCCOPY);

    FMaskedImage.Reset(CreateCompatibleBitmap(TClientDC().Get(), FWidth, FHeight));
    TMemoryDC masked(FMaskedImage.Get());
    BitBlt(masked.Get(), 0, 0, FWidth, FHeight, image.Get(), 0, 0, SRCCOPY);
    // Monochrome to colour: 1 bits become the background colour, 0 bits the text colour.
    SetBkColor(masked.Get(), RGB(0, 0, 0));
    SetTextColor(masked.Get(), RGB(255, 255, 255));
    BitBlt(masked.Get(), 0, 0, FWidth, FHeight, mask.Get(), 0, 0, SRCAND);
}

void TBitmap::DrawTransparent(HDC dc, int x, int y) const {
    if (!FBitmap || FWidth <= 0 || FHeight <= 0) return;
    MakeMask();
    const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
    const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
    {
        TMemoryDC mask(FMask.Get());
        BitBlt(dc, x, y, FWidth, FHeight, mask.Get(), 0, 0, SRCAND);  // clears the opaque pixels
    }
    {
        TMemoryDC masked(FMaskedImage.Get());
        BitBlt(dc, x, y, FWidth, FHeight, masked.Get(), 0, 0, SRCPAINT);
    }
    SetBkColor(dc, oldBack);
    SetTextColor(dc, oldText);
}
