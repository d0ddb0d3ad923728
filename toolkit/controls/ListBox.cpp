#include "ListBox.h"

#include <algorithm>

#include "OwnerDrawnItem.h"

TCustomListBox::TCustomListBox(TComponent* owner) : TWinControl(owner), FItems(*this, ListBoxMessages) {
    FTabStop = true;
    SetBounds(0, 0, 121, 97);
}

TCustomListBox::~TCustomListBox() = default;

void TCustomListBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WinClassName = "LISTBOX";
    params.Style |= WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
    params.Style |= LBS_NOINTEGRALHEIGHT;
    if (FSorted) params.Style |= LBS_SORT;
}

void TCustomListBox::CreateWnd() {
    TWinControl::CreateWnd();
    HWND window = Handle();
    SendMessageA(window, LB_SETITEMHEIGHT, 0, MAKELPARAM(FItemHeight, 0));
    FItems.MoveToWindow(window);
    SetItemIndex(FItemIndex);
}

void TCustomListBox::DestroyWnd() {
    if (HandleAllocated()) {
        FItemIndex = ItemIndex();
        FItems.TakeFromWindow(Handle());
    }
    TWinControl::DestroyWnd();
}

int TCustomListBox::ItemIndex() const {
    if (!HandleAllocated()) return FItemIndex;
    HWND window = WindowHandle();
    return static_cast<int>(SendMessageA(window, LB_GETCURSEL, 0, 0));
}

void TCustomListBox::SetItemIndex(int index) {
    if (!HandleAllocated()) {
        FItemIndex = (index >= 0 && index < FItems.Count()) ? index : -1;
        return;
    }
    SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

bool TCustomListBox::Selected(int index) const {
    if (!HandleAllocated()) return index == FItemIndex && index >= 0;
    return SendMessageA(WindowHandle(), LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
}

void TCustomListBox::SetItemHeight(int height) {
    if (height <= 0 || height == FItemHeight) return;
    FItemHeight = height;
    RecreateWnd();
}

void TCustomListBox::ChangeScale(int to, int from) {
    FScaledItemHeight = std::max(1, MulDiv(FItemHeight, to, from));
    SetItemHeight(FScaledItemHeight);
    TWinControl::ChangeScale(to, from);
}

void TCustomListBox::ScaleDone() {
    TWinControl::ScaleDone();
    if (FScaledItemHeight > 0) SetItemHeight(FScaledItemHeight);
    FScaledItemHeight = 0;
}

void TCustomListBox::SetSorted(bool value) {
    if (value == FSorted) return;
    FSorted = value;
    FItems.Sorted = value;
    RecreateWnd();
}

void TCustomListBox::DblClick() {
    if (OnDblClick) OnDblClick(this);
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
    case CN_DRAWITEM:
        DoDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam));
        message.Result = TRUE;
        return;
    case WM_GETDLGCODE: {
        TWinControl::WndProc(message);
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
    TWinControl::WndProc(message);
}

void TCustomListBox::DoDrawItem(const DRAWITEMSTRUCT& item) {
    // An item of -1 is the focus of an empty list: only its focus rectangle is drawn.
    DrawOwnerDrawnItem(*this, item, FCanvas, false, [&](int index) {
        if (OnDrawItem)
            OnDrawItem(this, index, item.rcItem, item.itemState);
        else
            DrawItem(index, item.rcItem, item.itemState);
    });
}

void TCustomListBox::DrawItem(int index, const RECT& rect, UINT) {
    DrawItemText(Canvas(), rect, index < FItems.Count() ? FItems.Get(index) : std::string());
}
