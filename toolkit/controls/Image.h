#pragma once
// TImage: a picture from a named bitmap resource of the program, shown in a picture static control
// at the bitmap's own size, or grown with the form when the form is scaled to the screen, as the
// texts around it grow. The image owns its bitmaps and frees them after its window lets go of them.
#include <memory>
#include <string>

#include "Bitmap.h"
#include "Control.h"
#include "Handles.h"

class TImage : public TWinControl {
public:
    explicit TImage(TComponent* owner);
    ~TImage() override;

    // Loads the bitmap resource `name` of the program and takes its size; raises EResNotFound
    // when the program has no such bitmap.
    void LoadFromResourceName(const std::string& name);
    // The bitmap as loaded.
    HBITMAP Bitmap() const { return FBitmap ? FBitmap->Handle() : nullptr; }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    // Place and size; the picture is drawn anew at the new size.
    void ChangeScale(int to, int from) override;

private:
    void ShowBitmap();

    std::unique_ptr<TBitmap> FBitmap;
    TGdiObject<HBITMAP> FScaled;  // the bitmap drawn at the control's size, when that is another
};
