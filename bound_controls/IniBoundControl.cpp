#include "IniBoundControl.h"

#include "IniSource.h"

bool TIniBoundControl::SectionFilterPasses(LPARAM filter, const std::string& section) {
    if (filter == 0) return true;
    return *reinterpret_cast<const std::string*>(filter) == section;
}

void TIniBoundControl::SetDataSource(TIniSource* source) {
    TWinControl& control = BoundControl();
    if (FDataSource) {
        FDataSource->UnregisterControl(this);
        control.RemoveFreeNotification(FDataSource);
    }
    FDataSource = source;
    if (source) {
        control.FreeNotification(source);  // so a source freed while we are off its list is forgotten
        source->RegisterControl(this);
        PostRefresh();
    }
}

void TIniBoundControl::SetSectionName(const std::string& value) {
    FSectionName = value;
    if (FDataSource) PostRefresh();
}

void TIniBoundControl::SetKeyword(const std::string& value) {
    FKeyword = value;
    if (FDataSource) PostRefresh();
}

void TIniBoundControl::PostRefresh() { PostMessageA(BoundControl().Handle(), IM_REFRESH, 0, 0); }

void TIniBoundControl::ReleaseDataSource() {
    if (!FDataSource) return;
    FDataSource->UnregisterControl(this);
    BoundControl().RemoveFreeNotification(FDataSource);
    FDataSource = nullptr;
}

void TIniBoundControl::ComponentRemoved(TComponent* component) {
    if (FDataSource && component == FDataSource) FDataSource = nullptr;
}

void TIniBoundControl::HandleBindingMessage(TMessage& message) {
    message.Result = 0;
    switch (message.Msg) {
    case IM_SAVE: Save(message.LParam); break;
    case IM_REFRESH: Refresh(message.LParam); break;
    case IM_SETDEFAULT:
        if (SectionFilterPasses(message.LParam, FSectionName)) ShowDefaultValue();
        break;
    case IM_ATTACH: Attach(message.LParam); break;
    case IM_DETACH: Detach(); break;
    case IM_QUERYMODIFIED:
        if (FDataSource && ValueModified()) FDataSource->MarkModified();
        break;
    default: break;
    }
}

void TIniBoundControl::Refresh(LPARAM filter) {
    // A request posted before the control lost its source finds none: nothing to load from.
    TIniSource* source = FDataSource;
    if (!source) return;
    if (!source->Enabled()) {
        source->SetEnabled(true);
        if (FDataSource != source) return;  // an OnActivate handler unbound us
    }
    if (!source->Enabled())
        throw EIllicitIniSourceOp("Refresh of " + BoundControl().Name + " failed: " + source->Name + " not enabled");
    if (RefreshHonoursSectionFilter() && !SectionFilterPasses(filter, FSectionName)) return;
    LoadValue(*source->IniFile());
}

void TIniBoundControl::Save(LPARAM filter) {
    TIniSource* source = FDataSource;
    if (!source) return;  // an unbound control has nowhere to write
    if (!source->Enabled())
        throw EIllicitIniSourceOp("Save of " + BoundControl().Name + " failed: " + source->Name + " not enabled");
    if (!SectionFilterPasses(filter, FSectionName)) return;
    StoreValue(*source->IniFile());
}

void TIniBoundControl::Attach(LPARAM source) {
    if (!FDataSource || reinterpret_cast<LPARAM>(FDataSource) != source) return;
    // A request from an enabling that has since been undone: a disabled source keeps an empty list.
    if (!FDataSource->Enabled()) return;
    FDataSource->RegisterControl(this);
    PostRefresh();
}

void TIniBoundControl::Detach() {
    if (!FDataSource) return;
    BoundControl().RemoveFreeNotification(FDataSource);
    FDataSource = nullptr;
}
