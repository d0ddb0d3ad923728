#include "Image.h"

#include "Bitmap.h"
#include "Format.h"

TImage::TImage(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 105, 105); }

TImage::~TImage() {
    // The window must not keep showing a bitmap that is about to be deleted.
    if (HandleAllocated()) SendMessageA(Handle(), STM_SETIMAGE, IMAGE_BITMAP, 0);
}

void TImage::LoadFromResourceName(const std::string& name) {
    HBITMAP loaded = LoadBitmapA(GetModuleHandleA(nullptr), name.c_str());
    if (!loaded) throw EResNotFound(Format("Resource %s not found", name.c_str()));
    TGdiObject<HBITMAP> previous(loaded);
    std::swap(previous, FBitmap);  // the old one goes once the window shows the new one
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
    const int width = Width(), height = Height();
    TWinControl::ChangeScale(to, from);
    SetBounds(Left(), Top(), width, height);
}

void TImage::CreateWnd() {
    TWinControl::CreateWnd();
    ShowBitmap();
}

void TImage::ShowBitmap() {
    if (!HandleAllocated()) return;
    SendMessageA(Handle(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(FBitmap.Get()));
    // The control fits itself to the bitmap; keep the designed place.
    MoveWindow(Handle(), Left(), Top(), Width(), Height(), TRUE);
}
