// The tab order of a parent's child windows and the groups the dialog manager moves through: the
// part of TWinControl that keeps the window order, WS_TABSTOP and WS_GROUP in step with TabOrder.
#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

#include "Control.h"
#include "ScopeGuards.h"

namespace {

// Where a child goes in its parent's window order: controls by TabOrder, a control that takes no
// focus right before the control it leads to, the rest after them; equal keys keep layout order.
long long TabKey(const TWinControl* parent, const TWinControl* child) {
    if (child->TabOrder >= 0) return 2LL * child->TabOrder + 1;
    if (const TWinControl* target = child->FocusTarget(); target && target->Parent() == parent &&
                                                          target->TabOrder >= 0)
        return 2LL * target->TabOrder;
    return LLONG_MAX;
}

// The window-making child controls of `parent` in tab order.
std::vector<TWinControl*> ChildrenInTabOrder(const TWinControl* parent) {
    std::vector<std::pair<long long, TWinControl*>> entries;
    for (int i = 0; i < parent->ControlCount(); ++i)
        if (auto* child = dynamic_cast<TWinControl*>(parent->Controls(i)))
            entries.emplace_back(TabKey(parent, child), child);
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<TWinControl*> children;
    for (const auto& e : entries) children.push_back(e.second);
    return children;
}

void SetStyleBit(HWND window, LONG_PTR bit, bool on) {
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    const LONG_PTR wanted = on ? (style | bit) : (style & ~bit);
    if (wanted != style) SetWindowLongPtrA(window, GWL_STYLE, wanted);
}

}  // namespace

TTabOrderProperty& TTabOrderProperty::operator=(int value) {
    if (value == FValue) return *this;
    FValue = value;
    if (TWinControl* parent = FControl.Parent()) parent->ArrangeTabOrder();
    return *this;
}

void TWinControl::SetTabStop(bool value) {
    FTabStop = value;
    if (FHandle) SetStyleBit(FHandle, WS_TABSTOP, value);
    if (Parent()) Parent()->ArrangeTabOrder();
}

void TWinControl::CreateChildWindows() {
    {
        TRestore creating(FCreatingChildren, true);
        for (TWinControl* child : ChildrenInTabOrder(this))
            if (!child->FHandle) child->MakeWindow();
    }
    ArrangeTabOrder();
}

void TWinControl::ArrangeTabOrder() {
    if (!FHandle || FCreatingChildren) return;
    HWND previous = nullptr;
    for (TWinControl* child : ChildrenInTabOrder(this)) {
        if (!child->FHandle) continue;
        if (GetWindow(child->FHandle, GW_HWNDPREV) != previous)
            SetWindowPos(child->FHandle, previous ? previous : HWND_TOP, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
        previous = child->FHandle;
    }
    MarkGroups();
}

void TWinControl::MarkGroups() {
    enum class Kind { None, Container, Radio, TabStop, NoFocus };
    Kind previous = Kind::None;
    std::vector<HWND> run;  // the radio buttons of the current run
    auto endRun = [&run] {
        // Tab enters a group of radio buttons at its checked one, or at its first when none is.
        HWND stop = run.empty() ? nullptr : run.front();
        for (HWND w : run)
            if (SendMessageA(w, BM_GETCHECK, 0, 0) == BST_CHECKED) stop = w;
        for (HWND w : run) SetStyleBit(w, WS_TABSTOP, w == stop && FromHandle(w)->FTabStop);
        run.clear();
    };
    for (HWND w = GetWindow(FHandle, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
        TWinControl* child = FromHandle(w);
        if (!child || child->Parent() != this) continue;
        Kind kind;
        if (GetWindowLongPtrA(w, GWL_EXSTYLE) & WS_EX_CONTROLPARENT)
            kind = Kind::Container;
        else if (SendMessageA(w, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)
            kind = Kind::Radio;
        else
            kind = child->FTabStop ? Kind::TabStop : Kind::NoFocus;
        const bool starts = kind != previous || kind == Kind::Container;
        if (starts) endRun();
        SetStyleBit(w, WS_GROUP, starts);
        if (kind == Kind::Radio) run.push_back(w);
        previous = kind;
    }
    endRun();
}
