#include "IniSource.h"

#include <algorithm>

#include "ErrorBoundary.h"
#include "IniBoundControl.h"
#include "Paths.h"
#include "ScopeGuards.h"

TIniSource::TIniSource(TComponent* owner) : TComponent(owner) {}

TIniSource::~TIniSource() {
    // An OnDeactivate handler that raises must not end the program from a destructor.
    Guarded(this, [this] {
        Broadcast(IM_DETACH);
        SetEnabled(false);
    });
}

void TIniSource::SetEnabled(bool value) {
    if (value == FEnabled) return;
    if (value) {
        FEnabled = true;
        FIniFile = std::make_unique<TIniFile>(FIniFileName);
        AttachControls();
        if (OnActivate) OnActivate(this);
        Refresh();
        FEnabled = FIniFile != nullptr;  // an OnActivate handler may have disabled it again
    } else {
        FEnabled = false;
        const TAtScopeExit release([this] {  // also when OnDeactivate raises
            FBoundControls.clear();
            FIniFile.reset();
        });
        if (OnDeactivate) OnDeactivate(this);
    }
}

void TIniSource::SetIniFileName(const std::string& name) {
    SetEnabled(false);
    FIniFileName = name.substr(0, name.size() - ExtractFileExt(name).size()) + ".ini";
    SetEnabled(true);
}

bool TIniSource::Modified() {
    FModifiedFlag = false;
    if (FEnabled) Broadcast(IM_QUERYMODIFIED);
    return FModifiedFlag;
}

void TIniSource::Save() {
    {
        const TRestore saving(FSaving, FSaving + 1);
        Broadcast(IM_SAVE);
    }
    if (FSaving > 0) return;
    std::vector<TControlRef> later;
    later.swap(FLaterRefreshes);
    for (const TControlRef& refresh : later)
        if (TIniBoundControl::IsAlive(refresh.Control, refresh.Serial))
            PostMessageA(refresh.Control->BoundControl().Handle(), IM_REFRESH, 0, 0);
}

void TIniSource::RefreshAfterSave(TIniBoundControl* control) {
    for (const TControlRef& refresh : FLaterRefreshes)
        if (refresh.Control == control && refresh.Serial == control->Serial()) return;
    FLaterRefreshes.push_back({control, control->Serial()});
}

void TIniSource::Refresh() { Broadcast(IM_REFRESH); }

void TIniSource::Broadcast(UINT message) {
    // Handlers may destroy, unbind or re-register controls: the turns are fixed at the start, and each
    // is checked when it comes.
    std::vector<TControlRef> turns;
    turns.reserve(FBoundControls.size());
    for (TIniBoundControl* control : FBoundControls) turns.push_back({control, control->Serial()});
    for (const TControlRef& turn : turns) {
        if (!TIniBoundControl::IsAlive(turn.Control, turn.Serial)) continue;
        if (std::find(FBoundControls.begin(), FBoundControls.end(), turn.Control) == FBoundControls.end()) continue;
        SendMessageA(turn.Control->BoundControl().Handle(), message, 0, 0);
    }
}

void TIniSource::AttachControls() {
    FBoundControls.clear();
    TComponent* owner = Owner();
    if (!owner) return;
    for (int i = 0; i < owner->ComponentCount(); ++i) {
        if (auto* control = dynamic_cast<TIniBoundControl*>(owner->Components(i)))
            PostMessageA(control->BoundControl().Handle(), IM_ATTACH, 0, reinterpret_cast<LPARAM>(this));
    }
}

void TIniSource::RegisterControl(TIniBoundControl* control) {
    UnregisterControl(control);
    FBoundControls.push_back(control);
}

void TIniSource::UnregisterControl(TIniBoundControl* control) {
    auto it = std::find(FBoundControls.begin(), FBoundControls.end(), control);
    if (it != FBoundControls.end()) FBoundControls.erase(it);
}
