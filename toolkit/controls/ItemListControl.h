#pragma once
// TItemListControl: what a list box and a combo box share. Their Items, kept by the platform list
// while there is a window, and the selected one, kept with them: both go into each new window and
// come back from it, so the selected line stays selected wherever a sorted window puts it; one
// height for every item, which follows the form's scaling; a sorted mode; and owner drawing: each item is drawn on a canvas prepared with the control's font and, when
// selected, the selection's colours, by OnDrawItem or else DrawItem, and then its focus rectangle is
// drawn inverted, so that a change of focus alone toggles it. Drawing that raises is shown once: the
// items after it are drawn plainly, as text, until the next paint tries again.
#include <functional>

#include "Canvas.h"
#include "Control.h"
#include "ItemStrings.h"

class TItemListControl : public TWinControl {
public:
    ~TItemListControl() override;

    TItemStrings& Items() { return FItems; }
    const TItemStrings& Items() const { return FItems; }

    // The selected position, -1 for none; a position outside the list selects nothing.
    int ItemIndex() const;
    virtual void SetItemIndex(int index);

    int ItemHeight() const { return FItemHeight; }
    // Values of 0 or less are ignored; a change re-creates the window.
    void SetItemHeight(int height);
    bool Sorted() const { return FSorted; }
    void SetSorted(bool value);

    std::function<void(TObject* sender, int index, const RECT& rect, UINT state)> OnDrawItem;
    TNotifyEvent OnDblClick;

    // A double click on an item (of a combo box, only the simple style, whose list stays open).
    virtual void DblClick();
    void WndProc(TMessage& message) override;

protected:
    // `messages`: the platform list's kind. With `fillsEmptyPlace`, a place with no item (the
    // selection field of a combo box with nothing selected) gets the background; a list box draws
    // only the focus rectangle of its empty list there.
    TItemListControl(TComponent* owner, const TItemMessages& messages, bool fillsEmptyPlace);

    // The lines and the selection go into the new window, after the item height when the items
    // are drawn at it.
    void CreateWnd() override;
    // The lines and the selection come back from the window.
    void DestroyWnd() override;
    // Whether the window is told the item height (a combo box's only when it draws its items).
    virtual bool DrawsAtItemHeight() const { return true; }
    // The items' height is scaled as the layout gave it, before the font changes, and set when the
    // whole scaling is done: a list that fits its items to its font may fit them to the scaled
    // font meanwhile.
    void ChangeScale(int to, int from) override;
    void ScaleDone() override;
    // Draws item `index` into `rect` (ODS_* state); the default writes the item's text.
    virtual void DrawItem(int index, const RECT& rect, UINT state);
    // The canvas of the item being drawn, valid during DrawItem.
    TCanvas& Canvas() { return *FCanvas; }

private:
    void DrawOwnerDrawnItem(const DRAWITEMSTRUCT& item);

    TItemStrings FItems;
    const TItemMessages& FMessages;
    const bool FFillsEmptyPlace;
    int FItemIndex = -1;  // while there is no window
    int FItemHeight = 16;
    int FScaledItemHeight = 0;  // while a scaling lasts
    bool FSorted = false;
    bool FDrawFailed = false;  // since the paint began
    TCanvas* FCanvas = nullptr;
};
