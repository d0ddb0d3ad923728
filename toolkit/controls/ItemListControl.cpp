#include "ItemListControl.h"

#include <algorithm>

#include "ScopeGuards.h"

TItemListControl::TItemListControl(TComponent* owner, const TItemMessages& messages, bool fillsEmptyPlace)
    : TWinControl(owner), FItems(*this, messages), FMessages(messages), FFillsEmptyPlace(fillsEmptyPlace) {
    FTabStop = true;
}

TItemListControl::~TItemListControl() = default;

void TItemListControl::SetItemHeight(int height) {
    if (height <= 0 || height == FItemHeight) return;
    FItemHeight = height;
    RecreateWnd();
}

void TItemListControl::SetSorted(bool value) {
    if (value == FSorted) return;
    FSorted = value;
    FItems.Sorted = value;
    RecreateWnd();
}

int TItemListControl::ItemIndex() const {
    if (!HandleAllocated()) return FItemIndex;
    return static_cast<int>(SendMessageA(WindowHandle(), FMessages.GetCurSel, 0, 0));
}

void TItemListControl::SetItemIndex(int index) {
    if (index < 0 || index >= FItems.Count()) index = -1;
    if (!HandleAllocated()) {
        FItemIndex = index;
        return;
    }
    SendMessageA(Handle(), FMessages.SetCurSel, static_cast<WPARAM>(index), 0);
}

void TItemListControl::CreateWnd() {
    TWinControl::CreateWnd();
    HWND window = Handle();
    if (DrawsAtItemHeight()) SendMessageA(window, FMessages.SetItemHeight, 0, FItemHeight);
    FItemIndex = FItems.MoveToWindow(window, FItemIndex);
    SendMessageA(window, FMessages.SetCurSel, static_cast<WPARAM>(FItemIndex), 0);
}

void TItemListControl::DestroyWnd() {
    if (HandleAllocated()) {
        FItemIndex = ItemIndex();
        FItems.TakeFromWindow(Handle());
    }
    TWinControl::DestroyWnd();
}

void TItemListControl::ChangeScale(int to, int from) {
    FScaledItemHeight = std::max(1, MulDiv(FItemHeight, to, from));
    TWinControl::ChangeScale(to, from);
}

void TItemListControl::ScaleDone() {
    TWinControl::ScaleDone();
    if (FScaledItemHeight > 0) SetItemHeight(FScaledItemHeight);
    FScaledItemHeight = 0;
}

void TItemListControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void TItemListControl::WndProc(TMessage& message) {
    if (message.Msg == CN_DRAWITEM) {
        DrawOwnerDrawnItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam));
        message.Result = TRUE;
        return;
    }
    if (message.Msg == WM_PAINT) FDrawFailed = false;
    TWinControl::WndProc(message);
}

void TItemListControl::DrawOwnerDrawnItem(const DRAWITEMSTRUCT& item) {
    TCanvas canvas(item.hDC);
    canvas.Font().Assign(EffectiveFont());
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    canvas.SetBrushColor(selected ? clHighlight : (ColorSet() ? Color() : clWindow));
    if (selected) canvas.Font().SetColor(clHighlightText);
    const TRestore drawingOn(FCanvas, &canvas);
    const int index = static_cast<int>(item.itemID);
    if (index >= 0 && (item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) {
        if (FDrawFailed) {
            TItemListControl::DrawItem(index, item.rcItem, item.itemState);
        } else {
            try {
                if (OnDrawItem)
                    OnDrawItem(this, index, item.rcItem, item.itemState);
                else
                    DrawItem(index, item.rcItem, item.itemState);
            } catch (...) {
                FDrawFailed = true;  // one error box for the paint, not one for each item
                throw;
            }
        }
    } else if (index < 0 && FFillsEmptyPlace) {
        canvas.FillRect(item.rcItem);
    }
    if ((item.itemAction & ODA_FOCUS) || (item.itemState & ODS_FOCUS)) DrawFocusRect(item.hDC, &item.rcItem);
}

void TItemListControl::DrawItem(int index, const RECT& rect, UINT) {
    Canvas().FillRect(rect);
    Canvas().TextOut(rect.left + 2, rect.top, index < FItems.Count() ? FItems.Get(index) : std::string());
}
