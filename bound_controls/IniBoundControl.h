#pragma once
// The control side of the binding protocol, written once for every bound control class.
//
// TIniBoundControl is the interface a settings source finds among its owner's components (with
// dynamic_cast) and lists; it keeps DataSource, SectionName and Keyword and answers the six binding
// messages, leaving to each class only how its value is read, written, reset and judged changed.
// TIniBound<Base> joins it to a toolkit control class: it routes the binding messages of the
// control's window here, follows the source's destruction and unregisters on the control's own.
// A new bound control derives from TIniBound<its toolkit base> and fills in the four value hooks.
#include <string>
#include <vector>

#include "Control.h"
#include "IniFile.h"
#include "IniMessages.h"

class TIniSource;

class TIniBoundControl {
public:
    virtual ~TIniBoundControl();

    TIniSource* DataSource() const { return FDataSource; }
    // Leaves the old source's list, joins the new one's and asks (posted) to load from it.
    void SetDataSource(TIniSource* source);
    const std::string& SectionName() const { return FSectionName; }
    void SetSectionName(const std::string& value);
    const std::string& Keyword() const { return FKeyword; }
    void SetKeyword(const std::string& value);

    // The toolkit control this binding belongs to.
    virtual TWinControl& BoundControl() = 0;

    // Whether a section filter in lParam (0, or the address of a std::string) lets `section` through.
    static bool SectionFilterPasses(LPARAM filter, const std::string& section);
    // Whether the message is a typed character that edits a value (backspace, or 32 to 126): what
    // sets Modified of the controls that are typed into.
    static bool IsEditingCharacter(const TMessage& message);

    // Told apart from a later control made at the same address: whether `control` still lives and is
    // the one that had this serial.
    unsigned long long Serial() const { return FSerial; }
    static bool IsAlive(const TIniBoundControl* control, unsigned long long serial);

protected:
    TIniBoundControl();
    TIniBoundControl(const TIniBoundControl&) = delete;
    TIniBoundControl& operator=(const TIniBoundControl&) = delete;

    // The value hooks of each class.
    // IM_REFRESH, once the source is enabled (and the filter passed, where the class honours one).
    virtual void LoadValue(const TIniFile& file) = 0;
    // IM_SAVE, once the source is known enabled and the filter passed.
    virtual void StoreValue(const TIniFile& file) = 0;
    // IM_SETDEFAULT, once the filter passed.
    virtual void ShowDefaultValue() = 0;
    // IM_QUERYMODIFIED: the class's change indicator.
    virtual bool ValueModified() = 0;
    // Whether IM_REFRESH honours a section filter (the grid and the combo box do).
    virtual bool RefreshHonoursSectionFilter() const { return false; }

    // Answers one of the six binding messages; exceptions go to the window procedure's error box.
    void HandleBindingMessage(TMessage& message);
    // Posts IM_REFRESH to the control's own window.
    void PostRefresh();
    // For the control's destruction: leaves the source's list.
    void ReleaseDataSource();
    // For the control's Notification: `component` is being destroyed.
    void ComponentRemoved(TComponent* component);
    // For the re-creation of the control's window (a new parent, a new style): binding messages posted
    // to the old window are taken from the queue before it goes, and posted to the new one once made.
    void KeepPostedMessages();
    void RepostKeptMessages();

private:
    void Refresh(LPARAM filter);
    void Save(LPARAM filter);
    void Attach(LPARAM source);
    void Detach();

    TIniSource* FDataSource = nullptr;
    // The DataSource setter found the source disabled and left the control off its list, as IM_ATTACH
    // does: the control's refresh, which enables the source, lists it.
    bool FListingOwed = false;
    std::string FSectionName;
    std::string FKeyword;
    std::vector<MSG> FKeptMessages;
    unsigned long long FSerial;
};

template <class Base>
class TIniBound : public Base, public TIniBoundControl {
public:
    explicit TIniBound(TComponent* owner) : Base(owner) {}
    ~TIniBound() override { ReleaseDataSource(); }

    TWinControl& BoundControl() override { return *this; }

    void WndProc(TMessage& message) override {
        if (IsIniBindingMessage(message.Msg)) {
            HandleBindingMessage(message);
            return;
        }
        Base::WndProc(message);
    }

protected:
    void Notification(TComponent* component, TOperation operation) override {
        Base::Notification(component, operation);
        if (operation == TOperation::opRemove) ComponentRemoved(component);
    }

    // Without a parent the window only carries the binding messages: it is never shown on its own,
    // and it is made again as a child once the control gets a parent.
    void CreateParams(typename Base::TCreateParams& params) override {
        Base::CreateParams(params);
        if (!this->Parent()) {
            params.Style &= ~static_cast<DWORD>(WS_VISIBLE);
            params.WndParent = HWND_MESSAGE;
        }
    }
    void CreateWnd() override {
        Base::CreateWnd();
        RepostKeptMessages();
    }
    void DestroyWnd() override {
        KeepPostedMessages();
        Base::DestroyWnd();
    }
};
