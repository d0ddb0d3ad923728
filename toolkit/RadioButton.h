#pragma once
// TRadioButton: a radio button over a BUTTON of style BS_RADIOBUTTON, whose check we keep and draw
// ourselves. Checking one, by the user or by code, unchecks every other radio button of the same
// parent and then calls Click(); unchecking calls nothing, and a click on the checked one does nothing.
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
    bool FArrivingByArrow = false;  // the dialog manager is moving the focus here with an arrow key
};
