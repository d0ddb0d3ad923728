#pragma once
// TIniSource: the non-visual settings source of a form. It names the settings file, holds the
// TIniFile while it is enabled, and asks the bound controls of its owner, through the IM_ messages,
// to register, load, store and report changes. It never calls a control's code; controls call it.
#include <memory>
#include <string>
#include <vector>

#include "Component.h"
#include "Exceptions.h"
#include "IniFile.h"
#include "IniMessages.h"

class TIniBoundControl;

class TIniSource : public TComponent {
public:
    explicit TIniSource(TComponent* owner);
    ~TIniSource() override;

    bool Enabled() const { return FEnabled; }
    // Enabling makes the TIniFile for the current IniFileName, asks every bound control of the owner
    // to attach (posted), calls OnActivate and refreshes whatever registered meanwhile. Disabling
    // calls OnDeactivate, empties the list and frees the TIniFile.
    void SetEnabled(bool value);

    const std::string& IniFileName() const { return FIniFileName; }
    // Disables, stores the name with its extension replaced by ".ini", then enables, whatever the
    // state was before.
    void SetIniFileName(const std::string& name);

    // Whether a listed control reports a change; false while disabled.
    bool Modified();
    // Every listed control writes its value (sent: all done when this returns).
    void Save();
    // Every listed control reads its value again.
    void Refresh();

    // Present exactly while enabled.
    TIniFile* IniFile() const { return FIniFile.get(); }

    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;

    // The control side of the protocol.
    void RegisterControl(TIniBoundControl* control);
    void UnregisterControl(TIniBoundControl* control);
    void MarkModified() { FModifiedFlag = true; }
    // Whether a Save is running (perhaps inside a modal loop that one of its writes opened).
    bool Saving() const { return FSaving > 0; }
    // A control's load asked for while a Save runs: it is posted again once the save has ended.
    void RefreshAfterSave(TIniBoundControl* control);

    int BoundControlCount() const { return static_cast<int>(FBoundControls.size()); }
    TIniBoundControl* BoundControls(int index) const {
        CheckListIndex(index, BoundControlCount());
        return FBoundControls[static_cast<size_t>(index)];
    }

protected:
    // Sends the message to each control listed when it starts, in list order; a control gets it once,
    // if it is still alive and listed when its turn comes, whatever the handlers do to the list.
    void Broadcast(UINT message);
    // Empties the list and posts IM_ATTACH to every bound control of the owner.
    void AttachControls();

private:
    bool FEnabled = false;
    std::string FIniFileName;
    std::unique_ptr<TIniFile> FIniFile;
    std::vector<TIniBoundControl*> FBoundControls;
    bool FModifiedFlag = false;
    int FSaving = 0;
    // A control as it was seen at one moment: its address and its serial.
    struct TControlRef {
        TIniBoundControl* Control;
        unsigned long long Serial;
    };
    std::vector<TControlRef> FLaterRefreshes;  // loads asked for during a Save
};
