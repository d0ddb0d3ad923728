#pragma once
// TButton: a push button; a click may set the form's ModalResult. While it has the focus it is the
// form's default button: drawn with the thick frame, pressed by Enter (see TForm::EnterButton).
// TBitBtn is the same button in the layouts that name a bitmap button (no glyph is ever shown here).
#include "Control.h"

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);

    bool Default = false;  // Enter presses it while the focus is on no other push button
    bool Cancel = false;   // Esc presses it
    int ModalResult = 0;   // given to the form when the button is clicked

    void Click() override;
    void WndProc(TMessage& message) override;
    TButtonRole ButtonRole() const override { return {true, Default, Cancel}; }
    // The dialog manager's Enter presses a focused button drawn as the default one.
    void ShowAsDefault(bool value) override;

protected:
    void CreateParams(TCreateParams& params) override;
};

class TBitBtn : public TButton {
public:
    using TButton::TButton;
};
