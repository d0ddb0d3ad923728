#include "product.h"

#include "Layout.h"
#include "MakerAddress.h"

namespace {

// A transparent label in Arial bold: the titles and the web address.
TLabel* MakeBannerLabel(TForm* form, const char* name, int left, int top, int width, const char* caption,
                        TColor color, unsigned extraStyle = 0) {
    TLabel* label = PlaceLabel(form, form, name, left, top, width, 24, caption);
    label->Transparent = true;
    label->Font().SetName("Arial");
    label->Font().SetHeight(-20);
    label->Font().SetStyle(fsBold | extraStyle);
    label->Font().SetColor(color);
    return label;
}

// A title drawn as a drop shadow: the grey copy 2 pixels right and 1 below the lime one on top.
void MakeTitle(TForm* form, TLabel*& shadow, const char* shadowName, TLabel*& title, const char* titleName,
               int left, int top, int width, const char* caption) {
    shadow = MakeBannerLabel(form, shadowName, left + 2, top + 1, width, caption, clGray);
    title = MakeBannerLabel(form, titleName, left, top, width, caption, clLime);
}

TLabel* MakeDescription(TForm* form, const char* name, int top, int height, const char* caption) {
    TLabel* label = PlaceLabel(form, form, name, 12, top, 369, height, caption);
    label->WordWrap = true;
    label->SetColor(clBlack);
    label->Font().SetName("MS Sans Serif");
    label->Font().SetHeight(-11);
    label->Font().SetColor(clWhite);
    return label;
}

TImage* MakeImage(TForm* form, const char* name, int left, int top, const char* bitmap) {
    auto* image = new TImage(form);
    image->Name = name;
    image->SetParent(form);
    image->SetLeft(left);
    image->SetTop(top);
    image->LoadFromResourceName(bitmap);
    return image;
}

}  // namespace

TProductFrm::TProductFrm(TComponent* owner) : TForm(owner) { Layout(); }

void TProductFrm::Layout() {
    Name = "ProductFrm";
    SetCaption("Other Products  ");
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetColor(clBlack);
    Font().SetName("MS Sans Serif");
    Font().SetHeight(-11);
    SetClientSize(390, 438);
    OnCreate = [this](TObject* sender) { FormCreate(sender); };

    OKButton = Place<TBitBtn>(this, this, "OKButton", 321, 14, 57, 24, 0);
    OKButton->SetCaption("OK");
    OKButton->Font().SetName("Arial");
    OKButton->Font().SetHeight(-12);
    OKButton->Font().SetStyle(fsBold);
    OKButton->Font().SetColor(clBlack);
    OKButton->Cancel = true;
    OKButton->ModalResult = mrOk;

    Label9 = MakeBannerLabel(this, "Label9", 214, 138, 164, kMakerWebAddress, clGray, fsUnderline);
    Label9->OnClick = [this](TObject* sender) { Label9Click(sender); };
    Label10 = MakeBannerLabel(this, "Label10", 212, 137, 164, kMakerWebAddress, clRed, fsUnderline);
    Label10->OnClick = [this](TObject* sender) { Label9Click(sender); };

    MakeTitle(this, Label1, "Label1", Label2, "Label2", 8, 7, 123, "TileCraft");
    Image1 = MakeImage(this, "Image1", 8, 30, "TILECRAFT");
    Label3 = MakeDescription(this, "Label3", 174, 55,
                             "TileCraft turns your photographs into mosaics of small coloured tiles: "
                             "square, hexagonal or triangular, with grout of any colour, printed at any "
                             "size up to a wall poster. Shareware edition; registering unlocks every "
                             "tile set.");

    MakeTitle(this, Label4, "Label4", Label5, "Label5", 12, 233, 127, "Quiltwork");
    Label6 = PlaceLabel(this, this, "Label6", 64, 252, 105, 13, "tiling screen saver");
    Label6->Transparent = true;
    Label6->Font().SetColor(clGray);
    Image2 = MakeImage(this, "Image2", 12, 252, "QUILTWORK");
    Label7 = MakeDescription(this, "Label7", 304, 45,
                             "Quiltwork fills an idle screen with slowly changing tessellations of "
                             "triangles, diamonds and hexagons in ever new colours. Freeware, for "
                             "16-colour and 256-colour displays.");

    MakeTitle(this, Label8, "Label8", Label11, "Label11", 14, 351, 59, "Pixie");
    Label12 = MakeDescription(this, "Label12", 376, 55,
                              "Pixie is a small editor for icons and cursors. Its tiled preview shows at "
                              "once how an icon looks repeated across the desktop, at every size. "
                              "Shareware edition: the registered edition also edits animated cursors.");

    FinishLayout();
}

// Nothing to prepare: the layout holds everything the dialog shows.
void TProductFrm::FormCreate(TObject*) {}

// The web address is only shown; clicking it does nothing.
void TProductFrm::Label9Click(TObject*) {}
