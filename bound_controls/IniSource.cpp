#include "IniSource.h"

#include <algorithm>

#include "Application.h"
#include "IniBoundControl.h"
#include "Paths.h"

TIniSource::TIniSource(TComponent* owner) : TComponent(owner) {}

TIniSource::~TIniSource() {
    try {
        Broadcast(IM_DETACH);
        SetEnabled(false);
    } catch (...) {
        // An OnDeactivate handler that raises must not end the program from a destructor.
        if (Application) Application->HandleException(this);
    }
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
        struct Release {
            TIniSource* source;
            ~Release() {
                source->FBoundControls.clear();
                source->FIniFile.reset();
            }
        } release{this};  // also when OnDeactivate raises
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

void TIniSource::Save() { Broadcast(IM_SAVE); }

void TIniSource::Refresh() { Broadcast(IM_REFRESH); }

void TIniSource::Broadcast(UINT message) {
    const size_t count = FBoundControls.size();
    for (size_t i = 0; i < count; ++i) {
        // A handler may have destroyed a listed control, which shortens the list: never read past its end.
        if (i >= FBoundControls.size()) break;
        SendMessageA(FBoundControls[i]->BoundControl().Handle(), message, 0, 0);
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
