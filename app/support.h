#pragma once
// TSupportFrm: the Technical Support dialog, opened from Help > Help. It shows how to reach the
// maker and closes with OK.
#include "Button.h"
#include "Form.h"
#include "Label.h"

class TSupportFrm : public TForm {
public:
    explicit TSupportFrm(TComponent* owner);

    TLabel* Label1;
    TLabel* Label3;
    TLabel* Label4;
    TButton* OKBtn;

private:
    void Layout();
};
