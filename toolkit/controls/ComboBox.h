#pragma once
// TCustomComboBox: a combo box over the system COMBOBOX class in five styles: with an edit part
// (csDropDown, csSimple), a pure drop-down list (csDropDownList), and drop-down lists whose items
// are drawn by DrawItem, every item at the item height.
#include <functional>

#include "Canvas.h"
#include "Control.h"
#include "ItemStrings.h"

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TCustomComboBox : public TWinControl {
public:
    explicit TCustomComboBox(TComponent* owner);
    ~TCustomComboBox() override;

    TItemStrings& Items() { return FItems; }
    const TItemStrings& Items() const { return FItems; }

    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle style);
    // The selected position, -1 for none; a position outside the list selects nothing.
    int ItemIndex() const;
    void SetItemIndex(int index);
    // In the styles without an edit part the text is the selected item's; setting it selects the
    // item with that text (ignoring case), or none.
    std::string Text() const override;
    void SetText(const std::string& text) override;
    int ItemHeight() const { return FItemHeight; }
    // Values of 0 or less are ignored; a change re-creates the window.
    void SetItemHeight(int height);
    bool Sorted() const { return FSorted; }
    void SetSorted(bool value);
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int value);
    bool DroppedDown() const;

    TNotifyEvent OnChange;
    TNotifyEvent OnDblClick;
    std::function<void(TObject* sender, int index, const RECT& rect, UINT state)> OnDrawItem;

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    // The item height too, which stays scaled when a list that fits its items to its font has
    // fitted them to the scaled font meanwhile.
    void ChangeScale(int to, int from) override;
    void ScaleDone() override;
    void CreateWnd() override;
    void DestroyWnd() override;
    // The text of the edit part changed, or the user picked another item.
    virtual void Change();
    virtual void DrawItem(int index, const RECT& rect, UINT state);
    bool OwnerDrawn() const {
        return FStyle == TComboBoxStyle::csOwnerDrawFixed || FStyle == TComboBoxStyle::csOwnerDrawVariable;
    }
    bool HasEdit() const { return FStyle == TComboBoxStyle::csDropDown || FStyle == TComboBoxStyle::csSimple; }
    TCanvas& Canvas() { return *FCanvas; }

private:
    void DoDrawItem(const DRAWITEMSTRUCT& item);

    TItemStrings FItems;
    TComboBoxStyle FStyle = TComboBoxStyle::csDropDown;
    int FItemIndex = -1;  // while there is no window
    bool FTextWasTyped = false;  // the last window had an edit part, whose text FText keeps
    int FItemHeight = 16;
    int FScaledItemHeight = 0;  // while a scaling lasts
    bool FSorted = false;
    int FDropDownCount = 8;
    TCanvas* FCanvas = nullptr;
};
