#pragma once
// TCustomComboBox: a combo box over the system COMBOBOX class in five styles: with an edit part
// (csDropDown, csSimple), a pure drop-down list (csDropDownList), and drop-down lists whose items
// are drawn by DrawItem, every item at the item height.
#include "ItemListControl.h"

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TCustomComboBox : public TItemListControl {
public:
    explicit TCustomComboBox(TComponent* owner);
    ~TCustomComboBox() override;

    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle style);
    // Without a window, the text follows the item selected.
    void SetItemIndex(int index) override;
    // In the styles without an edit part the text is the selected item's; setting it selects the
    // item with that text (ignoring case), or none.
    std::string Text() const override;
    void SetText(const std::string& text) override;
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int value);
    bool DroppedDown() const;

    TNotifyEvent OnChange;

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    bool DrawsAtItemHeight() const override { return OwnerDrawn(); }
    // A live window is made again even when its items keep their height: moving it gave its
    // drop-down list the box's own height.
    void ScaleDone() override;
    // The text of the edit part changed, or the user picked another item.
    virtual void Change();
    bool OwnerDrawn() const {
        return FStyle == TComboBoxStyle::csOwnerDrawFixed || FStyle == TComboBoxStyle::csOwnerDrawVariable;
    }
    bool HasEdit() const { return FStyle == TComboBoxStyle::csDropDown || FStyle == TComboBoxStyle::csSimple; }

private:
    // The simple style's list shows whole items only; the platform leaves the room below it
    // unpainted, and it gets the form's face colour, as if the box ended with its list.
    void FillBelowList(HDC dc);

    TComboBoxStyle FStyle = TComboBoxStyle::csDropDown;
    bool FTextWasTyped = false;  // the last window had an edit part, whose text FText keeps
    int FDropDownCount = 8;
};
