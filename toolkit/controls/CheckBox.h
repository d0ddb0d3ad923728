#pragma once
// TCustomCheckBox and TCheckBox: a check box over a BUTTON of style BS_3STATE, whose state we keep
// and draw ourselves. Every change of State, by the user or by code, updates the button and calls
// Click().
#include "CheckBoxState.h"
#include "Control.h"

class TCustomCheckBox : public TWinControl {
public:
    explicit TCustomCheckBox(TComponent* owner);

    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState state);
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }

    // Whether a user's click on an unchecked box makes it grayed.
    bool AllowGrayed() const { return FAllowGrayed; }
    virtual void SetAllowGrayed(bool value) { FAllowGrayed = value; }

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    // A user's click: unchecked to grayed (if allowed) or checked, checked to unchecked, grayed to checked.
    virtual void Toggle();

private:
    TCheckBoxState FState = cbUnchecked;
    bool FAllowGrayed = false;
};

class TCheckBox : public TCustomCheckBox {
public:
    using TCustomCheckBox::TCustomCheckBox;
};
