#include "ListBox.h"

TCustomListBox::TCustomListBox(TComponent* owner) : TItemListControl(owner, ListBoxMessages, false) {
    SetBounds(0, 0, 121, 97);
}

TCustomListBox::~TCustomListBox() = default;

void TCustomListBox::CreateParams(TCreateParams& params) {
    TItemListControl::CreateParams(params);
    params.WinClassName = "LISTBOX";
    params.Style |= WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
    params.Style |= LBS_NOINTEGRALHEIGHT;
    if (Sorted()) params.Style |= LBS_SORT;
}

bool TCustomListBox::Selected(int index) const {
    if (!HandleAllocated()) return index >= 0 && index == ItemIndex();
    return SendMessageA(WindowHandle(), LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
}

void TCustomListBox::KeyPress(char& key) {
    if (OnKeyPress) OnKeyPress(this, key);
}

void TCustomListBox::KeyDown(WORD& key) {
    if (OnKeyDown) OnKeyDown(this, key);
}

void TCustomListBox::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CN_COMMAND:
        switch (HIWORD(message.WParam)) {
        case LBN_SELCHANGE: Click(); break;
        case LBN_DBLCLK: DblClick(); break;
        default: break;
        }
        return;
    case WM_GETDLGCODE: {
        TItemListControl::WndProc(message);
        const auto* msg = reinterpret_cast<const MSG*>(message.LParam);
        if (WantsReturn() && msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN)
            message.Result |= DLGC_WANTMESSAGE;
        return;
    }
    case WM_CHAR: {
        char key = static_cast<char>(message.WParam);
        KeyPress(key);
        if (key == 0) return;
        message.WParam = static_cast<unsigned char>(key);
        break;
    }
    case WM_KEYDOWN: {
        WORD key = static_cast<WORD>(message.WParam);
        KeyDown(key);
        if (key == 0) return;
        message.WParam = key;
        break;
    }
    default:
        break;
    }
    TItemListControl::WndProc(message);
}
