#include "Button.h"

#include "Form.h"

TButton::TButton(TComponent* owner) : TWinControl(owner) {
    FTabStop = true;
    SetBounds(0, 0, 75, 25);
}

void TButton::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WinClassName = "BUTTON";
    params.Style |= Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::Click() {
    if (ModalResult != 0) {
        if (TForm* form = GetParentForm(this)) form->ModalResult = ModalResult;
    }
    TWinControl::Click();
}

void TButton::ShowAsDefault(bool value) {
    if (!HandleAllocated()) return;
    const LONG_PTR type = GetWindowLongPtrA(Handle(), GWL_STYLE) & BS_TYPEMASK;
    const LONG_PTR wanted = value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    if (type != wanted) SendMessageA(Handle(), BM_SETSTYLE, static_cast<WPARAM>(wanted), TRUE);
}

void TButton::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CN_COMMAND:
        if (HIWORD(message.WParam) == BN_CLICKED) Click();
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        TWinControl::WndProc(message);
        // The window that has the focus now: this one, or the one taking it away.
        HWND focus = message.Msg == WM_SETFOCUS ? Handle() : reinterpret_cast<HWND>(message.WParam);
        if (TForm* form = GetParentForm(this)) form->ShowDefaultButton(focus);
        return;
    }
    default:
        break;
    }
    TWinControl::WndProc(message);
}
