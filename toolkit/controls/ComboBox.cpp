#include "ComboBox.h"

#include <algorithm>

#include "LocaleText.h"
#include "OwnerDrawnItem.h"

TCustomComboBox::TCustomComboBox(TComponent* owner) : TWinControl(owner), FItems(*this, ComboBoxMessages) {
    FTabStop = true;
    SetBounds(0, 0, 145, 21);
}

TCustomComboBox::~TCustomComboBox() = default;

void TCustomComboBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WinClassName = "COMBOBOX";
    params.Style |= WS_VSCROLL | CBS_HASSTRINGS;
    switch (FStyle) {
    case TComboBoxStyle::csDropDown: params.Style |= CBS_DROPDOWN | CBS_AUTOHSCROLL; break;
    case TComboBoxStyle::csSimple: params.Style |= CBS_SIMPLE | CBS_AUTOHSCROLL; break;
    case TComboBoxStyle::csDropDownList: params.Style |= CBS_DROPDOWNLIST; break;
    case TComboBoxStyle::csOwnerDrawFixed: params.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED; break;
    case TComboBoxStyle::csOwnerDrawVariable: params.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE; break;
    }
    if (FSorted) params.Style |= CBS_SORT;
    // The window's height includes the dropped-down list.
    if (FStyle != TComboBoxStyle::csSimple) params.Height = Height() + FDropDownCount * FItemHeight + 2;
    if (!HasEdit()) params.Caption.clear();
}

void TCustomComboBox::CreateWnd() {
    const std::string text = FText;
    TWinControl::CreateWnd();
    HWND window = Handle();
    if (OwnerDrawn()) SendMessageA(window, CB_SETITEMHEIGHT, 0, FItemHeight);
    // No limit but the system's own, instead of the edit part's small default.
    if (HasEdit()) SendMessageA(window, CB_LIMITTEXT, 0, 0);
    // The selected item keeps its selection wherever a sorted window puts it.
    FItemIndex = FItems.MoveToWindow(window, FItemIndex);
    const bool typedTextGone = !HasEdit() && FTextWasTyped;
    FTextWasTyped = false;
    if (typedTextGone && (FItemIndex < 0 || FItems.Get(FItemIndex) != text)) {
        // The text of an edit part that is gone: the list selects the item of that text, or none.
        SetText(text);
        return;
    }
    SendMessageA(window, CB_SETCURSEL, static_cast<WPARAM>(FItemIndex), 0);
    // The text stays as it was, loaded, typed or picked, whatever item is selected.
    if (HasEdit()) SetWindowTextA(window, text.c_str());
}

void TCustomComboBox::DestroyWnd() {
    if (HandleAllocated()) {
        FItemIndex = ItemIndex();
        const LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
        FTextWasTyped = (style & CBS_DROPDOWNLIST) != CBS_DROPDOWNLIST;
        FItems.TakeFromWindow(Handle());
    }
    TWinControl::DestroyWnd();
}

void TCustomComboBox::SetStyle(TComboBoxStyle style) {
    if (style == FStyle) return;
    FStyle = style;
    RecreateWnd();
}

int TCustomComboBox::ItemIndex() const {
    if (!HandleAllocated()) return FItemIndex;
    return static_cast<int>(SendMessageA(WindowHandle(), CB_GETCURSEL, 0, 0));
}

void TCustomComboBox::SetItemIndex(int index) {
    if (index < 0 || index >= FItems.Count()) index = -1;
    if (!HandleAllocated()) {
        FItemIndex = index;
        if (index >= 0) FText = FItems.Get(index);
        return;
    }
    SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::string TCustomComboBox::Text() const {
    if (!HandleAllocated() && !HasEdit()) return FItemIndex >= 0 ? FItems.Get(FItemIndex) : std::string();
    return TWinControl::Text();
}

void TCustomComboBox::SetText(const std::string& text) {
    if (HasEdit()) {
        TWinControl::SetText(text);
        return;
    }
    int found = -1;
    for (int i = 0; i < FItems.Count() && found < 0; ++i)
        if (AnsiSameText(FItems.Get(i), text)) found = i;
    SetItemIndex(found);
}

void TCustomComboBox::SetItemHeight(int height) {
    if (height <= 0 || height == FItemHeight) return;
    FItemHeight = height;
    RecreateWnd();
}

void TCustomComboBox::ChangeScale(int to, int from) {
    TWinControl::ChangeScale(to, from);
    // A live window is made again: moving it would give its drop-down list the box's own height.
    FScaledItemHeight = FItemHeight = std::max(1, MulDiv(FItemHeight, to, from));
    RecreateWnd();
}

void TCustomComboBox::ScaleDone() {
    TWinControl::ScaleDone();
    if (FScaledItemHeight > 0) SetItemHeight(FScaledItemHeight);
    FScaledItemHeight = 0;
}

void TCustomComboBox::SetSorted(bool value) {
    if (value == FSorted) return;
    FSorted = value;
    FItems.Sorted = value;
    RecreateWnd();
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
        case CBN_DBLCLK:
            if (OnDblClick) OnDblClick(this);
            break;
        default: break;
        }
        return;
    case CN_DRAWITEM:
        DoDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam));
        message.Result = TRUE;
        return;
    case CN_MEASUREITEM: {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
        measure->itemHeight = static_cast<UINT>(FItemHeight);
        message.Result = TRUE;
        return;
    }
    default:
        break;
    }
    TWinControl::WndProc(message);
}

void TCustomComboBox::DoDrawItem(const DRAWITEMSTRUCT& item) {
    // An item of -1 is the selection field with nothing selected: it gets the background.
    DrawOwnerDrawnItem(*this, item, FCanvas, true, [&](int index) {
        if (OnDrawItem)
            OnDrawItem(this, index, item.rcItem, item.itemState);
        else
            DrawItem(index, item.rcItem, item.itemState);
    });
}

void TCustomComboBox::DrawItem(int index, const RECT& rect, UINT) {
    DrawItemText(Canvas(), rect, index < FItems.Count() ? FItems.Get(index) : std::string());
}
