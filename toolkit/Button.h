#pragma once
// TButton: a push button; a click may set the form's ModalResult. TBitBtn is the same button in the
// layouts that name a bitmap button (no glyph is ever shown here).
#include "Control.h"

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);

    bool Default = false;  // Enter presses it
    bool Cancel = false;   // Esc presses it
    int ModalResult = 0;   // given to the form when the button is clicked

    void Click() override;
    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
};

class TBitBtn : public TButton {
public:
    using TButton::TButton;
};
