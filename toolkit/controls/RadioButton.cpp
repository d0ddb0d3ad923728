#include "RadioButton.h"

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner) {
    FTabStop = true;
    SetBounds(0, 0, 113, 17);
}

void TRadioButton::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WinClassName = "BUTTON";
    // An automatic radio button: the dialog manager clicks one that an arrow key reaches.
    params.Style |= BS_AUTORADIOBUTTON;
}

void TRadioButton::CreateWnd() {
    TWinControl::CreateWnd();
    SendMessageA(Handle(), BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (Parent()) Parent()->ArrangeTabOrder();  // the checked button is the group's tab stop
}

void TRadioButton::SetChecked(bool value) {
    if (value == FChecked) return;
    FChecked = value;
    if (HandleAllocated()) {
        SendMessageA(Handle(), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
        if (Parent()) Parent()->ArrangeTabOrder();  // the checked button is the group's tab stop
    }
    if (!value) return;
    if (TWinControl* parent = Parent()) {
        // A sibling's own handlers may move controls around: walk a copy of the list.
        std::vector<TRadioButton*> siblings;
        for (int i = 0; i < parent->ControlCount(); ++i)
            if (auto* other = dynamic_cast<TRadioButton*>(parent->Controls(i)); other && other != this)
                siblings.push_back(other);
        for (TRadioButton* other : siblings) other->SetChecked(false);
    }
    Click();
}

void TRadioButton::WndProc(TMessage& message) {
    // The mouse, the space bar, and the dialog manager moving the focus here with an arrow key all
    // arrive as the button's click.
    if (message.Msg == CN_COMMAND) {
        if (HIWORD(message.WParam) == BN_CLICKED) SetChecked(true);
        return;
    }
    TWinControl::WndProc(message);
}
