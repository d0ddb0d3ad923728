#include "OwnerDrawnItem.h"

#include "Canvas.h"
#include "Control.h"
#include "ScopeGuards.h"

void DrawOwnerDrawnItem(const TControl& control, const DRAWITEMSTRUCT& item, TCanvas*& current, bool fillEmpty,
                        const std::function<void(int index)>& drawItem) {
    TCanvas canvas(item.hDC);
    canvas.Font().Assign(control.EffectiveFont());
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    canvas.SetBrushColor(selected ? clHighlight : (control.ColorSet() ? control.Color() : clWindow));
    if (selected) canvas.Font().SetColor(clHighlightText);
    const TRestore drawingOn(current, &canvas);
    const int index = static_cast<int>(item.itemID);
    if (index >= 0 && (item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)))
        drawItem(index);
    else if (index < 0 && fillEmpty)
        canvas.FillRect(item.rcItem);
    if ((item.itemAction & ODA_FOCUS) || (item.itemState & ODS_FOCUS)) DrawFocusRect(item.hDC, &item.rcItem);
}

void DrawItemText(TCanvas& canvas, const RECT& rect, const std::string& text) {
    canvas.FillRect(rect);
    canvas.TextOut(rect.left + 2, rect.top, text);
}
