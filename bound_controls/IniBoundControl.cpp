#include "IniBoundControl.h"

#include <unordered_map>

#include "IniSource.h"

namespace {
// Every bound control alive, with its serial.
std::unordered_map<const TIniBoundControl*, unsigned long long> gAlive;
unsigned long long gNextSerial = 1;
}  // namespace

TIniBoundControl::TIniBoundControl() : FSerial(gNextSerial++) { gAlive[this] = FSerial; }

TIniBoundControl::~TIniBoundControl() { gAlive.erase(this); }

bool TIniBoundControl::IsAlive(const TIniBoundControl* control, unsigned long long serial) {
    const auto found = gAlive.find(control);
    return found != gAlive.end() && found->second == serial;
}

bool TIniBoundControl::IsEditingCharacter(const TMessage& message) {
    return message.Msg == WM_CHAR && (message.WParam == 8 || (message.WParam >= 32 && message.WParam <= 126));
}

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
    FListingOwed = false;
    if (source) {
        control.FreeNotification(source);  // so a source freed while we are off its list is forgotten
        // A disabled source keeps an empty list; the refresh below enables it and lists the control.
        if (source->Enabled())
            source->RegisterControl(this);
        else
            FListingOwed = true;
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

void TIniBoundControl::KeepPostedMessages() {
    TWinControl& control = BoundControl();
    if (!control.HandleAllocated()) return;
    const HWND window = control.Handle();
    MSG message;
    std::vector<MSG> others;  // for child windows of this one, which the filter lets through too
    while (PeekMessageA(&message, window, IM_SAVE, IM_QUERYMODIFIED, PM_REMOVE | PM_NOYIELD))
        (message.hwnd == window ? FKeptMessages : others).push_back(message);
    for (const MSG& other : others) PostMessageA(other.hwnd, other.message, other.wParam, other.lParam);
}

void TIniBoundControl::RepostKeptMessages() {
    std::vector<MSG> kept;
    kept.swap(FKeptMessages);
    const HWND window = BoundControl().Handle();
    for (const MSG& message : kept) PostMessageA(window, message.message, message.wParam, message.lParam);
}

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
    case IM_REFRESH:
        // A load in the middle of the source's Save (a modal loop of an error box runs the queue)
        // would put back values not written yet: it waits for the end of the save.
        if (FDataSource && FDataSource->Saving()) {
            if (!RefreshHonoursSectionFilter() || SectionFilterPasses(message.LParam, FSectionName))
                FDataSource->RefreshAfterSave(this);
            break;
        }
        Refresh(message.LParam);
        break;
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
    if (FListingOwed) {
        FListingOwed = false;
        source->RegisterControl(this);
    }
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
    FListingOwed = false;
    FDataSource->RegisterControl(this);
    PostRefresh();
}

void TIniBoundControl::Detach() {
    if (!FDataSource) return;
    // Whoever sent it, the control leaves the list too: listed without a source, it would be forgotten
    // there when destroyed, and the source's next broadcast would reach a control that is gone.
    FDataSource->UnregisterControl(this);
    BoundControl().RemoveFreeNotification(FDataSource);
    FDataSource = nullptr;
    FListingOwed = false;
}
