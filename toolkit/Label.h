#pragma once
// TLabel: a static text; its & accelerator moves the focus to FocusControl.
#include "Control.h"

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

class TLabel : public TWinControl {
public:
    explicit TLabel(TComponent* owner);
    ~TLabel() override;

    TAlignment Alignment = TAlignment::taLeftJustify;
    bool WordWrap = false;
    bool Transparent = false;
    bool AutoSize = true;
    bool ShowAccelChar = true;

    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* control);
    TWinControl* FocusTarget() const override { return FFocusControl; }

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Notification(TComponent* component, TOperation operation) override;
    LRESULT ControlColor(TMessage& message) override;

private:
    TWinControl* FFocusControl = nullptr;
};

// TGroupBox: a framed, captioned area that holds other controls.
class TGroupBox : public TWinControl {
public:
    explicit TGroupBox(TComponent* owner);
    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
};
