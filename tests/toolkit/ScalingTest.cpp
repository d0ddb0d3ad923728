// Forms are laid out at 96 pixels per inch and scaled to the screen: what scaling does to each kind
// of control, tried here by scaling a form by 3/2 (96 to 144 pixels per inch) on any screen.
#include <gtest/gtest.h>

#include "Application.h"
#include "Button.h"
#include "ComboBox.h"
#include "Form.h"
#include "Handles.h"
#include "Image.h"
#include "Label.h"
#include "ListBox.h"
#include "Menus.h"
#include "StringGrid.h"

namespace {

template <class T>
T* Put(TForm* form, TWinControl* parent, int left, int top, int width, int height) {
    auto* control = new T(form);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
}

// One control of each kind that scaling treats in its own way.
class ScaledForm : public TForm {
public:
    explicit ScaledForm(TComponent* owner) : TForm(owner) {
        Font().SetName("MS Sans Serif");
        Font().SetHeight(-11);
        SetClientSize(300, 200);
        Box = Put<TGroupBox>(this, this, 10, 20, 200, 100);
        Title = Put<TLabel>(this, Box, 8, 16, 120, 24);
        Title->AutoSize = false;
        Title->Font().SetHeight(-20);
        Title->SetCaption("Title");
        Ok = Put<TButton>(this, this, 220, 20, 75, 25);
        Ok->SetCaption("OK");
        List = Put<TCustomListBox>(this, this, 10, 130, 100, 60);
        List->SetItemHeight(16);
        Combo = Put<TCustomComboBox>(this, this, 120, 130, 100, 21);
        Combo->SetStyle(TComboBoxStyle::csOwnerDrawFixed);
        Combo->SetItemHeight(15);
        Grid = Put<TStringGrid>(this, this, 230, 60, 60, 60);
        Picture = new TImage(this);
        Picture->SetParent(this);
        Picture->SetLeft(250);
        Picture->SetTop(150);
        Picture->LoadFromResourceName("OPENFOLDER");
    }
    TGroupBox* Box;
    TLabel* Title;
    TButton* Ok;
    TCustomListBox* List;
    TCustomComboBox* Combo;
    TStringGrid* Grid;
    TImage* Picture;
};

// A list that fits its items to its font whenever the font changes, as the browsing lists do.
class FontFittedList : public TCustomListBox {
public:
    using TCustomListBox::TCustomListBox;

protected:
    void FontChanged() override {
        TCustomListBox::FontChanged();
        SetItemHeight(FontLineHeight(EffectiveFont()));
    }
};

struct Bounds {
    int Left, Top, Width, Height;
    bool operator==(const Bounds&) const = default;
};
Bounds BoundsOf(const TControl& c) { return {c.Left(), c.Top(), c.Width(), c.Height()}; }
std::ostream& operator<<(std::ostream& out, const Bounds& b) {
    return out << b.Left << "," << b.Top << " " << b.Width << "x" << b.Height;
}

}  // namespace

TEST(Scaling, PlacesSizesFontsItemHeightsCellSizesAndPicturesGrow) {
    ScaledForm form(Application);
    const int pictureWidth = form.Picture->Width(), pictureHeight = form.Picture->Height();
    form.ScaleBy(144, 96);

    EXPECT_EQ(BoundsOf(*form.Box), (Bounds{15, 30, 300, 150}));
    EXPECT_EQ(BoundsOf(*form.Title), (Bounds{12, 24, 180, 36}));
    EXPECT_EQ(BoundsOf(*form.Ok), (Bounds{330, 30, 113, 38}));
    // 8 points (11 pixels at 96) are 16 pixels at 144; 15 points (20 pixels) are 30.
    EXPECT_EQ(form.Font().Height(), -16);
    EXPECT_EQ(form.Title->Font().Height(), -30);
    EXPECT_EQ(form.Ok->EffectiveFont().Height(), -16);
    EXPECT_TRUE(form.Ok->ParentFont());
    EXPECT_EQ(form.List->ItemHeight(), 24);
    EXPECT_EQ(form.Combo->ItemHeight(), 23);  // 22.5, rounded
    EXPECT_EQ(form.Grid->DefaultColWidth(), 96);
    EXPECT_EQ(form.Grid->DefaultRowHeight(), 36);
    // The picture grows with the layout, and so does the bitmap it shows.
    const Bounds picture{375, 225, MulDiv(pictureWidth, 3, 2), MulDiv(pictureHeight, 3, 2)};
    EXPECT_EQ(BoundsOf(*form.Picture), picture);
    BITMAP bitmap{};
    GetObjectA(reinterpret_cast<HBITMAP>(SendMessageA(form.Picture->Handle(), STM_GETIMAGE, IMAGE_BITMAP, 0)),
               sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, picture.Width);
    EXPECT_EQ(bitmap.bmHeight, picture.Height);

    // The client size asked for grows by the scale; the frame is the platform's.
    EXPECT_EQ(form.ClientWidth(), 450);
    EXPECT_EQ(form.ClientHeight(), 300);
    // Live windows follow.
    RECT r{};
    GetWindowRect(form.List->Handle(), &r);
    EXPECT_EQ(r.right - r.left, 150);
    EXPECT_EQ(SendMessageA(form.List->Handle(), LB_GETITEMHEIGHT, 0, 0), 24);
}

TEST(Scaling, AFormGivenItsOuterSizeKeepsItsInsideInScaleWhateverItsFrameAndMenuTake) {
    TForm form(Application);
    auto* menu = new TMainMenu(&form);
    auto* file = new TMenuItem(&form);
    file->Caption = "&File";
    menu->Add(file);
    form.Menu = menu;
    form.SetBounds(20, 10, 400, 300);
    const int insideWidth = form.ClientWidth(), insideHeight = form.ClientHeight();
    form.ScaleBy(192, 96);
    EXPECT_EQ(form.Left(), 40);
    EXPECT_EQ(form.Top(), 20);
    EXPECT_EQ(form.ClientWidth(), 2 * insideWidth);
    EXPECT_EQ(form.ClientHeight(), 2 * insideHeight);
}

TEST(LabelAutoSize, ALabelTakesTheSizeOfItsCaptionWheneverCaptionOrFontChanges) {
    TForm form(Application);
    form.Font().SetName("MS Sans Serif");
    form.Font().SetHeight(-11);
    auto measure = [](const TControl& c, const std::string& text, UINT format, int width) {
        const TClientDC dc;
        const TSelectedObject font(dc.Get(), c.EffectiveFont().Handle());
        RECT r{0, 0, width, 0};
        DrawTextA(dc.Get(), text.c_str(), -1, &r, format | DT_CALCRECT);
        return SIZE{r.right, r.bottom};
    };

    auto* plain = Put<TLabel>(&form, &form, 10, 10, 20, 5);
    plain->SetCaption("Background Image:  ");
    SIZE need = measure(*plain, "Background Image:  ", DT_SINGLELINE, 0);
    EXPECT_EQ(BoundsOf(*plain), (Bounds{10, 10, static_cast<int>(need.cx), static_cast<int>(need.cy)}));
    // A wider font: the label grows with it.
    plain->Font().SetHeight(-20);
    need = measure(*plain, "Background Image:  ", DT_SINGLELINE, 0);
    EXPECT_EQ(plain->Width(), need.cx);
    EXPECT_EQ(plain->Height(), need.cy);

    // Off, the label keeps the size it was given; turned on, it fits at once.
    auto* fixed = Put<TLabel>(&form, &form, 10, 40, 20, 5);
    fixed->AutoSize = false;
    fixed->SetCaption("Default Directory:  ");
    EXPECT_EQ(BoundsOf(*fixed), (Bounds{10, 40, 20, 5}));
    fixed->AutoSize = true;
    EXPECT_EQ(fixed->Width(), measure(*fixed, "Default Directory:  ", DT_SINGLELINE, 0).cx);

    // Word-wrapped: the width stays, the height is the lines'.
    const std::string paragraph = "A caption long enough to need several lines in a narrow label.";
    auto* wrapped = Put<TLabel>(&form, &form, 10, 70, 90, 5);
    wrapped->WordWrap = true;
    wrapped->SetCaption(paragraph);
    need = measure(*wrapped, paragraph, DT_WORDBREAK, 90);
    EXPECT_EQ(BoundsOf(*wrapped), (Bounds{10, 70, 90, static_cast<int>(need.cy)}));
    EXPECT_GE(need.cy, 2 * measure(*wrapped, paragraph, DT_SINGLELINE, 0).cy);

    // Right-aligned: the right edge stays.
    auto* right = Put<TLabel>(&form, &form, 100, 150, 100, 5);
    right->Alignment = TAlignment::taRightJustify;
    right->SetCaption("Size:");
    need = measure(*right, "Size:", DT_SINGLELINE, 0);
    EXPECT_EQ(right->Left() + right->Width(), 200);
    EXPECT_EQ(right->Width(), need.cx);
}

TEST(Scaling, AListThatFitsItsItemsToItsFontKeepsTheLayoutsItemHeightScaled) {
    TForm form(Application);
    form.Font().SetHeight(-11);
    auto* list = Put<FontFittedList>(&form, &form, 10, 10, 100, 100);
    list->SetItemHeight(16);  // the layout's, after the list fitted its items to the font
    form.ScaleBy(144, 96);
    // The form's font reached the list after the list was scaled: the layout's height wins.
    EXPECT_EQ(list->ItemHeight(), 24);
}
