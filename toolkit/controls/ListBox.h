#pragma once
// TCustomListBox: a list over the system LISTBOX class with owner-drawn items of fixed height and
// strings kept by the list, an optional sorted mode, one object attached to every item, and a
// DrawItem that derived lists override.
#include <functional>

#include "ItemListControl.h"

using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;
using TKeyEvent = std::function<void(TObject* sender, WORD& key)>;

class TCustomListBox : public TItemListControl {
public:
    explicit TCustomListBox(TComponent* owner);
    ~TCustomListBox() override;

    bool Selected(int index) const;

    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyDown;

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    virtual void KeyPress(char& key);
    virtual void KeyDown(WORD& key);
    // Whether the Enter key comes to the list instead of the form's default button.
    virtual bool WantsReturn() const { return false; }
};
