#pragma once
// TImage: a picture from a named bitmap resource of the program, shown at the bitmap's own size in
// a picture static control. The image owns the bitmap and frees it after its window lets go of it.
#include <string>

#include "Control.h"
#include "Handles.h"

class TImage : public TWinControl {
public:
    explicit TImage(TComponent* owner);
    ~TImage() override;

    // Loads the bitmap resource `name` of the program and takes its size; raises EResNotFound
    // when the program has no such bitmap.
    void LoadFromResourceName(const std::string& name);
    HBITMAP Bitmap() const { return FBitmap.Get(); }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    // Only the place: a picture keeps its bitmap's size, which sharp pixels need.
    void ChangeScale(int to, int from) override;

private:
    void ShowBitmap();

    TGdiObject<HBITMAP> FBitmap;
};
