#include "support.h"

#include "Layout.h"
#include "MakerAddress.h"

TSupportFrm::TSupportFrm(TComponent* owner) : TForm(owner) { Layout(); }

void TSupportFrm::Layout() {
    Name = "SupportFrm";
    SetCaption("Technical Support");
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    Font().SetName("MS Sans Serif");
    Font().SetHeight(-11);
    SetClientSize(313, 191);

    Label1 = PlaceLabel(this, this, "Label1", 20, 14, 281, 53,
                       "Every user of Tessellor is welcome to ask us for technical assistance. "
                       "Whatever your question about this software, write to us or visit our "
                       "web site, and we will gladly help you.");
    Label1->WordWrap = true;

    Label3 = PlaceLabel(this, this, "Label3", 14, 70, 287, 24, kMakerWebAddress);
    Label3->Alignment = TAlignment::taCenter;
    Label3->Font().SetName("MS Sans Serif");
    Label3->Font().SetHeight(-20);
    Label3->Font().SetStyle(fsBold);
    Label3->Font().SetColor(clBlue);

    Label4 = PlaceLabel(this, this, "Label4", 16, 96, 289, 20, kMakerSupportEmail);
    Label4->Alignment = TAlignment::taCenter;
    Label4->Font().SetName("MS Sans Serif");
    Label4->Font().SetHeight(-16);
    Label4->Font().SetStyle(fsBold);
    Label4->Font().SetColor(clGreen);

    OKBtn = Place<TButton>(this, this, "OKBtn", 123, 154, 75, 25, 0);
    OKBtn->SetCaption("OK");
    OKBtn->Default = true;
    OKBtn->ModalResult = mrOk;

    FinishLayout();
}
