#include "Label.h"

TLabel::TLabel(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 65, 13); }

TLabel::~TLabel() { SetFocusControl(nullptr); }

void TLabel::SetFocusControl(TWinControl* control) {
    if (FFocusControl) RemoveFreeNotification(FFocusControl);
    FFocusControl = control;
    if (control) FreeNotification(control);
}

void TLabel::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FFocusControl) FFocusControl = nullptr;
}

void TLabel::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WinClassName = "STATIC";
    params.Style &= ~static_cast<DWORD>(WS_TABSTOP);
    params.Style |= SS_NOTIFY;
    switch (Alignment) {
    case TAlignment::taCenter:
        params.Style |= SS_CENTER;
        break;
    case TAlignment::taRightJustify:
        params.Style |= SS_RIGHT;
        break;
    case TAlignment::taLeftJustify:
        params.Style |= WordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP;
        break;
    }
    if (!ShowAccelChar) params.Style |= SS_NOPREFIX;
    if (Transparent) params.ExStyle |= WS_EX_TRANSPARENT;
}

LRESULT TLabel::ControlColor(TMessage& message) {
    if (!Transparent) return TWinControl::ControlColor(message);
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(EffectiveFont().Color()));
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

void TLabel::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND) {
        if (HIWORD(message.WParam) == STN_CLICKED) Click();
        return;
    }
    TWinControl::WndProc(message);
}

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 105); }

void TGroupBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WinClassName = "BUTTON";
    params.Style |= BS_GROUPBOX;
    params.Style &= ~static_cast<DWORD>(WS_TABSTOP);
    params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TGroupBox::WndProc(TMessage& message) {
    if (message.Msg == WM_ERASEBKGND) {
        // The parent clips its children, so the box fills its own inside.
        RECT r{};
        GetClientRect(Handle(), &r);
        FillRect(reinterpret_cast<HDC>(message.WParam), &r, GetSysColorBrush(COLOR_BTNFACE));
        message.Result = 1;
        return;
    }
    TWinControl::WndProc(message);
}
