#pragma once
// TCustomEdit and TEdit: a single-line edit over the system EDIT class. Its modified flag is the
// edit control's own while the window exists: the user's typing sets it, a change of the text by
// the program clears it.
#include "Control.h"

class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* owner);

    // Setting the text it already has changes nothing; any other value clears Modified.
    void SetText(const std::string& text) override;

    bool Modified() const;
    void SetModified(bool value);
    // Selects the whole text, when there is a window to show it.
    void SelectAll();

    TNotifyEvent OnChange;

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    virtual void Change();

private:
    bool FModified = false;  // used while there is no window
};

class TEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
};
