#include "Image.h"

#include <utility>

namespace {

// The picture drawn at another size; the halftone mode mixes the colours of the pixels that a
// size that is no whole multiple would otherwise drop or double unevenly.
TGdiObject<HBITMAP> Stretched(const TBitmap& picture, int width, int height) {
    TGdiObject<HBITMAP> result(CreateCompatibleBitmap(TClientDC().Get(), width, height));
    if (!result) throw EOutOfResources("Not enough memory for a picture");
    const TMemoryDC from(picture.Handle()), to(result.Get());
    SetStretchBltMode(to.Get(), HALFTONE);
    SetBrushOrgEx(to.Get(), 0, 0, nullptr);
    StretchBlt(to.Get(), 0, 0, width, height, from.Get(), 0, 0, picture.Width(), picture.Height(),
               SRCCOPY);
    return result;
}

}  // namespace

TImage::TImage(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 105, 105); }

TImage::~TImage() {
    // The window must not keep showing a bitmap that is about to be deleted.
    if (HandleAllocated()) SendMessageA(Handle(), STM_SETIMAGE, IMAGE_BITMAP, 0);
}

void TImage::LoadFromResourceName(const std::string& name) {
    auto loaded = std::make_unique<TBitmap>();
    loaded->LoadFromResourceName(name);
    // The old bitmaps go once the window shows the new one.
    const std::unique_ptr<TBitmap> previous = std::exchange(FBitmap, std::move(loaded));
    const TGdiObject<HBITMAP> previousScaled = std::move(FScaled);
    SetBounds(Left(), Top(), FBitmap->Width(), FBitmap->Height());
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
    TGdiObject<HBITMAP> previous;
    std::swap(previous, FScaled);
    if (Width() != FBitmap->Width() || Height() != FBitmap->Height()) FScaled = Stretched(*FBitmap, Width(), Height());
    ShowBitmap();
}

void TImage::CreateWnd() {
    TWinControl::CreateWnd();
    ShowBitmap();
}

void TImage::ShowBitmap() {
    if (!HandleAllocated()) return;
    HBITMAP shown = FScaled ? FScaled.Get() : Bitmap();
    SendMessageA(Handle(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(shown));
    // The control fits itself to the bitmap; keep the designed place.
    MoveWindow(Handle(), Left(), Top(), Width(), Height(), TRUE);
}
