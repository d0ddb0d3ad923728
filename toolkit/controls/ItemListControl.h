#pragma once
// TItemListControl: what a list box and a combo box share. Their Items, kept by the platform list
// while there is a window; one height for every item, which follows the form's scaling; a sorted
// mode; and owner drawing: each item is drawn on a canvas prepared with the control's font and, when
// selected, the selection's colours, by OnDrawItem or else DrawItem, and then its focus rectangle is
// drawn inverted, so that a change of focus alone toggles it.
#include <functional>

#include "Canvas.h"
#include "Control.h"
#include "ItemStrings.h"

class TItemListControl : public TWinControl {
public:
    ~TItemListControl() override;

    TItemStrings& Items() { return FItems; }
    const TItemStrings& Items() const { return FItems; }

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

    // The height the scaling from `from` to `to` pixels per inch gives the items; it is set again
    // when the scaling is done, since a list that fits its items to its font may have fitted them to
    // the scaled font meanwhile.
    int ScaleItemHeight(int to, int from);
    void ScaleDone() override;
    // Draws item `index` into `rect` (ODS_* state); the default writes the item's text.
    virtual void DrawItem(int index, const RECT& rect, UINT state);
    // The canvas of the item being drawn, valid during DrawItem.
    TCanvas& Canvas() { return *FCanvas; }

private:
    void DrawOwnerDrawnItem(const DRAWITEMSTRUCT& item);

    TItemStrings FItems;
    const bool FFillsEmptyPlace;
    int FItemHeight = 16;
    int FScaledItemHeight = 0;  // while a scaling lasts
    bool FSorted = false;
    TCanvas* FCanvas = nullptr;
};
