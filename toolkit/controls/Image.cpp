#include "Image.h"

#include "Bitmap.h"
#include "Format.h"

namespace {

// The picture drawn at another size; the halftone mode mixes the colours of the pixels that a
// size that is no whole multiple would otherwise drop or double unevenly.
TGdiObject<HBITMAP> Stretched(HBITMAP picture, int width, int height) {
    BITMAP info{};
    GetObjectA(picture, sizeof info, &info);
    TGdiObject<HBITMAP> result(CreateCompatibleBitmap(TClientDC().Get(), width, height));
    if (!result) throw EOutOfResources("Not enough memory for a picture");
    const TMemoryDC from(picture), to(result.Get());
    SetStretchBltMode(to.Get(), HALFTONE);
    SetBrushOrgEx(to.Get(), 0, 0, nullptr);
    StretchBlt(to.Get(), 0, 0, width, height, from.Get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    return result;
}

}  // namespace

TImage::TImage(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 105, 105); }

TImage::~TImage() {
    // The window must not keep showing a bitmap that is about to be deleted.
    if (HandleAllocated()) SendMessageA(Handle(), STM_SETIMAGE, IMAGE_BITMAP, 0);
}

void TImage::LoadFromResourceName(const std::string& name) {
    HBITMAP loaded = LoadBitmapA(GetModuleHandleA(nullptr), name.c_str());
    if (!loaded) throw EResNotFound(Format("Resource %s not found", name.c_str()));
    TGdiObject<HBITMAP> previous(loaded), previousScaled;
    std::swap(previous, FBitmap);  // the old ones go once the window shows the new one
    std::swap(previousScaled, FScaled);
    BITMAP info{};
    GetObjectA(loaded, sizeof info, &info);
    SetBounds(Left(), Top(), info.bmWidth, info.bmHeight);
    ShowBitmap();
}

void TImage::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WinClassName = "STATIC";
    params.Style &= ~static_cast<DWORD>(WS_TABSTOP);
    params.Style |= SS_BITMAP;
    params.Caption.clear();
}

void TImage::ChangeScale(int to, int from) {
    TWinControl::ChangeScale(to, from);
    if (!FBitmap) return;
    BITMAP info{};
    GetObjectA(FBitmap.Get(), sizeof info, &info);
    TGdiObject<HBITMAP> previous;
    std::swap(previous, FScaled);
    if (Width() != info.bmWidth || Height() != info.bmHeight) FScaled = Stretched(FBitmap.Get(), Width(), Height());
    ShowBitmap();
}

void TImage::CreateWnd() {
    TWinControl::CreateWnd();
    ShowBitmap();
}

void TImage::ShowBitmap() {
    if (!HandleAllocated()) return;
    HBITMAP shown = FScaled ? FScaled.Get() : FBitmap.Get();
    SendMessageA(Handle(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(shown));
    // The control fits itself to the bitmap; keep the designed place.
    MoveWindow(Handle(), Left(), Top(), Width(), Height(), TRUE);
}
