#include "RadioButton.h"

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner) {
    FTabStop = true;
    SetBounds(0, 0, 113, 17);
}

void TRadioButton::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WinClassName = "BUTTON";
    params.Style |= BS_RADIOBUTTON;
}

void TRadioButton::CreateWnd() {
    TWinControl::CreateWnd();
    SendMessageA(Handle(), BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::SetChecked(bool value) {
    if (value == FChecked) return;
    FChecked = value;
    if (HandleAllocated()) SendMessageA(Handle(), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
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
    switch (message.Msg) {
    case CN_COMMAND:
        if (HIWORD(message.WParam) == BN_CLICKED) SetChecked(true);  // the mouse, or the space bar
        return;
    case WM_GETDLGCODE:
        // The dialog manager asks the button it is about to focus for an arrow key pressed on
        // another one of the group: moving through a group with the arrows checks what it reaches.
        if (const auto* msg = reinterpret_cast<const MSG*>(message.LParam);
            msg && msg->message == WM_KEYDOWN && msg->hwnd != Handle() &&
            (msg->wParam == VK_UP || msg->wParam == VK_DOWN || msg->wParam == VK_LEFT || msg->wParam == VK_RIGHT))
            FArrivingByArrow = true;
        break;
    case WM_SETFOCUS:
        TWinControl::WndProc(message);
        if (FArrivingByArrow) {
            FArrivingByArrow = false;
            SetChecked(true);
        }
        return;
    case WM_KILLFOCUS:
        FArrivingByArrow = false;
        break;
    default:
        break;
    }
    TWinControl::WndProc(message);
}
