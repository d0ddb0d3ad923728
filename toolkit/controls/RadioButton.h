#pragma once
// TRadioButton: a radio button over a BUTTON of style BS_AUTORADIOBUTTON, whose check we keep (the
// window's own check always shows Checked). Checking one, by the user or by code, unchecks every
// other radio button of the same parent and then calls Click(); unchecking calls nothing, and a
// click on the checked one does nothing.
// The radio buttons of one parent form one group of the dialog manager (see ArrangeTabOrder): the
// arrow keys move and check within it, and Tab enters it at the checked button.
#include "Control.h"

class TRadioButton : public TWinControl {
public:
    explicit TRadioButton(TComponent* owner);

    bool Checked() const { return FChecked; }
    void SetChecked(bool value);

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    bool FChecked = false;
};
