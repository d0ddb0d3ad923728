#include "Memo.h"

TMemo::TMemo(TComponent* owner) : TWinControl(owner) {
    FTabStop = true;
    SetBounds(0, 0, 185, 89);
}

void TMemo::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WinClassName = "EDIT";
    params.Style |= ES_MULTILINE | ES_AUTOVSCROLL | WS_BORDER;
}

void TMemo::CreateWnd() {
    TWinControl::CreateWnd();
    std::string text = Lines.Text();
    if (text.size() >= 2) text.resize(text.size() - 2);
    SetWindowTextA(Handle(), text.c_str());
}
