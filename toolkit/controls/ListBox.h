#pragma once
// TCustomListBox: a list over the system LISTBOX class with owner-drawn items of fixed height and
// strings kept by the list, an optional sorted mode, one object attached to every item, and a
// DrawItem that derived lists override; the canvas comes prepared with the selection's colours.
#include <functional>
#include <memory>

#include "Canvas.h"
#include "Control.h"
#include "ItemStrings.h"

using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;
using TKeyEvent = std::function<void(TObject* sender, WORD& key)>;

class TCustomListBox : public TWinControl {
public:
    explicit TCustomListBox(TComponent* owner);
    ~TCustomListBox() override;

    TItemStrings& Items() { return FItems; }
    const TItemStrings& Items() const { return FItems; }

    // The selected position, -1 for none.
    int ItemIndex() const;
    void SetItemIndex(int index);
    bool Selected(int index) const;
    int ItemHeight() const { return FItemHeight; }
    // Values of 0 or less are ignored; a change re-creates the window.
    void SetItemHeight(int height);
    bool Sorted() const { return FSorted; }
    void SetSorted(bool value);

    TNotifyEvent OnDblClick;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyDown;
    std::function<void(TObject* sender, int index, const RECT& rect, UINT state)> OnDrawItem;

    virtual void DblClick();
    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    // The item height too, which stays scaled when a list that fits its items to its font has
    // fitted them to the scaled font meanwhile.
    void ChangeScale(int to, int from) override;
    void ScaleDone() override;
    void CreateWnd() override;
    void DestroyWnd() override;
    // Draws item `index` into `rect` (ODS_* state); the default writes the item's text.
    virtual void DrawItem(int index, const RECT& rect, UINT state);
    virtual void KeyPress(char& key);
    virtual void KeyDown(WORD& key);
    // Whether the Enter key comes to the list instead of the form's default button.
    virtual bool WantsReturn() const { return false; }
    // The canvas of the item being drawn, valid during DrawItem.
    TCanvas& Canvas() { return *FCanvas; }

private:
    void DoDrawItem(const DRAWITEMSTRUCT& item);

    TItemStrings FItems;
    int FItemIndex = -1;  // while there is no window
    int FItemHeight = 16;
    int FScaledItemHeight = 0;  // while a scaling lasts
    bool FSorted = false;
    TCanvas* FCanvas = nullptr;
};
