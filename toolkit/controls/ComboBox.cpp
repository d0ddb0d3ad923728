#include "ComboBox.h"

#include "LocaleText.h"

TCustomComboBox::TCustomComboBox(TComponent* owner) : TItemListControl(owner, ComboBoxMessages, true) {
    SetBounds(0, 0, 145, 21);
}

TCustomComboBox::~TCustomComboBox() = default;

void TCustomComboBox::CreateParams(TCreateParams& params) {
    TItemListControl::CreateParams(params);
    params.WinClassName = "COMBOBOX";
    params.Style |= WS_VSCROLL | CBS_HASSTRINGS;
    switch (FStyle) {
    case TComboBoxStyle::csDropDown: params.Style |= CBS_DROPDOWN | CBS_AUTOHSCROLL; break;
    case TComboBoxStyle::csSimple: params.Style |= CBS_SIMPLE | CBS_AUTOHSCROLL; break;
    case TComboBoxStyle::csDropDownList: params.Style |= CBS_DROPDOWNLIST; break;
    case TComboBoxStyle::csOwnerDrawFixed: params.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED; break;
    case TComboBoxStyle::csOwnerDrawVariable: params.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE; break;
    }
    if (Sorted()) params.Style |= CBS_SORT;
    // The window's height includes the dropped-down list.
    if (FStyle != TComboBoxStyle::csSimple) params.Height = Height() + FDropDownCount * ItemHeight() + 2;
    if (!HasEdit()) params.Caption.clear();
}

void TCustomComboBox::CreateWnd() {
    const std::string text = FText;
    TItemListControl::CreateWnd();
    HWND window = Handle();
    // No limit but the system's own, instead of the edit part's small default.
    if (HasEdit()) SendMessageA(window, CB_LIMITTEXT, 0, 0);
    const bool typedTextGone = !HasEdit() && FTextWasTyped;
    FTextWasTyped = false;
    const int selected = ItemIndex();
    if (typedTextGone && (selected < 0 || Items().Get(selected) != text)) {
        // The text of an edit part that is gone: the list selects the item of that text, or none.
        SetText(text);
        return;
    }
    // The text stays as it was, loaded, typed or picked, whatever item is selected.
    if (HasEdit()) SetWindowTextA(window, text.c_str());
}

void TCustomComboBox::DestroyWnd() {
    if (HandleAllocated()) {
        const LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
        FTextWasTyped = (style & CBS_DROPDOWNLIST) != CBS_DROPDOWNLIST;
    }
    TItemListControl::DestroyWnd();
}

void TCustomComboBox::SetStyle(TComboBoxStyle style) {
    if (style == FStyle) return;
    FStyle = style;
    RecreateWnd();
}

void TCustomComboBox::SetItemIndex(int index) {
    TItemListControl::SetItemIndex(index);
    if (!HandleAllocated() && ItemIndex() >= 0) FText = Items().Get(ItemIndex());
}

std::string TCustomComboBox::Text() const {
    if (!HandleAllocated() && !HasEdit()) return ItemIndex() >= 0 ? Items().Get(ItemIndex()) : std::string();
    return TItemListControl::Text();
}

void TCustomComboBox::SetText(const std::string& text) {
    if (HasEdit()) {
        TItemListControl::SetText(text);
        return;
    }
    int found = -1;
    for (int i = 0; i < Items().Count() && found < 0; ++i)
        if (AnsiSameText(Items().Get(i), text)) found = i;
    SetItemIndex(found);
}

void TCustomComboBox::ScaleDone() {
    const int height = ItemHeight();
    TItemListControl::ScaleDone();
    if (ItemHeight() == height) RecreateWnd();
}

void TCustomComboBox::SetDropDownCount(int value) {
    if (value <= 0 || value == FDropDownCount) return;
    FDropDownCount = value;
    RecreateWnd();
}

bool TCustomComboBox::DroppedDown() const {
    return HandleAllocated() &&
           SendMessageA(WindowHandle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomComboBox::FillBelowList(HDC dc) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    RECT below{};
    if (!GetComboBoxInfo(Handle(), &info) || !info.hwndList || !GetClientRect(Handle(), &below)) return;
    RECT list{};
    GetWindowRect(info.hwndList, &list);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&list), 2);
    below.top = list.bottom;
    if (below.top < below.bottom) FillRect(dc, &below, GetSysColorBrush(COLOR_BTNFACE));
}

void TCustomComboBox::Change() {
    if (OnChange) OnChange(this);
}

void TCustomComboBox::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CN_COMMAND:
        switch (HIWORD(message.WParam)) {
        case CBN_SELCHANGE:
            Click();
            Change();
            break;
        case CBN_EDITCHANGE: Change(); break;
        case CBN_DBLCLK: DblClick(); break;
        default: break;
        }
        return;
    case CN_MEASUREITEM: {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
        measure->itemHeight = static_cast<UINT>(ItemHeight());
        message.Result = TRUE;
        return;
    }
    case WM_ERASEBKGND:
        TItemListControl::WndProc(message);
        if (FStyle == TComboBoxStyle::csSimple) FillBelowList(reinterpret_cast<HDC>(message.WParam));
        return;
    case WM_SYSKEYDOWN:
        // Alt+Up and Alt+Down open and close the list; every other system key (Alt+F4, F10, Alt
        // alone) has its default handling, which Wine's combo box would swallow.
        if (!((HIWORD(message.LParam) & KF_ALTDOWN) && (message.WParam == VK_UP || message.WParam == VK_DOWN))) {
            message.Result = DefWindowProcA(Handle(), message.Msg, message.WParam, message.LParam);
            return;
        }
        break;
    default:
        break;
    }
    TItemListControl::WndProc(message);
}
