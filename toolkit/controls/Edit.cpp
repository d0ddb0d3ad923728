#include "Edit.h"

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    FTabStop = true;
    SetBounds(0, 0, 121, 21);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WinClassName = "EDIT";
    params.Style |= ES_AUTOHSCROLL | WS_BORDER;
}

void TCustomEdit::CreateWnd() {
    TWinControl::CreateWnd();
    HWND window = Handle();
    // No limit but the system's own, instead of the edit control's small default.
    SendMessageA(window, EM_LIMITTEXT, 0, 0);
    SendMessageA(window, EM_SETMODIFY, FModified ? TRUE : FALSE, 0);
}

void TCustomEdit::DestroyWnd() {
    if (HandleAllocated()) FModified = SendMessageA(Handle(), EM_GETMODIFY, 0, 0) != 0;
    TWinControl::DestroyWnd();
}

void TCustomEdit::SetText(const std::string& text) {
    if (text == Text()) return;
    TWinControl::SetText(text);
    if (HandleAllocated()) {
        // The edit control reports the change itself (EN_CHANGE); the flag is ours to clear.
        SendMessageA(Handle(), EM_SETMODIFY, FALSE, 0);
    } else {
        FModified = false;
        Change();
    }
}

bool TCustomEdit::Modified() const {
    if (HandleAllocated()) return SendMessageA(WindowHandle(), EM_GETMODIFY, 0, 0) != 0;
    return FModified;
}

void TCustomEdit::SetModified(bool value) {
    FModified = value;
    if (HandleAllocated()) SendMessageA(Handle(), EM_SETMODIFY, value ? TRUE : FALSE, 0);
}

void TCustomEdit::SelectAll() {
    if (HandleAllocated()) SendMessageA(Handle(), EM_SETSEL, 0, -1);
}

void TCustomEdit::Change() {
    if (OnChange) OnChange(this);
}

void TCustomEdit::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND) {
        if (HIWORD(message.WParam) == EN_CHANGE) Change();
        return;
    }
    TWinControl::WndProc(message);
}
