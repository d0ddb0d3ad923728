#pragma once
// TProductFrm: the Other Products dialog, opened from Help > Other Products. It shows three other
// programs of the maker on a black ground, each with a drop-shadow title, and closes with OK or Esc.
#include "Button.h"
#include "Form.h"
#include "Image.h"
#include "Label.h"

class TProductFrm : public TForm {
public:
    explicit TProductFrm(TComponent* owner);

    TBitBtn* OKButton;
    TLabel* Label9;   // the web address, grey, under Label10
    TLabel* Label10;  // the web address, red
    // TileCraft: title shadow and title, picture, description.
    TLabel* Label1;
    TLabel* Label2;
    TImage* Image1;
    TLabel* Label3;
    // Quiltwork: title shadow and title, subtitle, picture, description.
    TLabel* Label4;
    TLabel* Label5;
    TLabel* Label6;
    TImage* Image2;
    TLabel* Label7;
    // Pixie: title shadow and title, description.
    TLabel* Label8;
    TLabel* Label11;
    TLabel* Label12;

    void FormCreate(TObject* sender);
    void Label9Click(TObject* sender);

private:
    void Layout();
};
