#include "Menus.h"

#include <algorithm>

#include "IdPool.h"

namespace {

// One range for the commands of every menu, apart from the ids of controls.
TIdPool& MenuCommands() {
    static TIdPool commands(kFirstMenuCommand, kLastMenuCommand, "Too many menu items");
    return commands;
}

// Takes the menu (passed in `param`) away from the window that shows it.
BOOL CALLBACK DetachMenu(HWND window, LPARAM param) {
    if (GetMenu(window) == reinterpret_cast<HMENU>(param)) SetMenu(window, nullptr);
    return TRUE;
}

}  // namespace

TMenuItem::TMenuItem(TComponent* owner)
    : TComponent(owner), FCommand(static_cast<UINT>(MenuCommands().Take())) {}

TMenuItem::~TMenuItem() {
    MenuCommands().Give(static_cast<int>(FCommand));
    if (FParent) FParent->FItems.erase(std::remove(FParent->FItems.begin(), FParent->FItems.end(), this),
                                       FParent->FItems.end());
    for (TMenuItem* item : FItems) item->FParent = nullptr;
}

void TMenuItem::Add(TMenuItem* item) {
    item->FParent = this;
    FItems.push_back(item);
}

void TMenuItem::Click() {
    if (OnClick) OnClick(this);
}

void TMenuItem::Fill(HMENU menu) const {
    for (const TMenuItem* item : FItems) {
        if (!item->Visible) continue;
        if (item->Caption == "-") {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        } else if (!item->FItems.empty()) {
            TMenuHandle sub(CreatePopupMenu());
            item->Fill(sub.Get());
            // Once appended the submenu is its parent's, destroyed with it.
            if (AppendMenuA(menu, MF_POPUP | (item->Enabled ? 0 : MF_GRAYED), reinterpret_cast<UINT_PTR>(sub.Get()),
                            item->Caption.c_str()))
                (void)sub.Release();
        } else {
            AppendMenuA(menu, MF_STRING | (item->Enabled ? 0 : MF_GRAYED), item->FCommand, item->Caption.c_str());
        }
    }
}

TMenuItem* TMenuItem::FindCommand(UINT command) {
    if (FCommand == command) return this;
    for (TMenuItem* item : FItems)
        if (TMenuItem* found = item->FindCommand(command)) return found;
    return nullptr;
}

TMainMenu::TMainMenu(TComponent* owner) : TComponent(owner) {}

TMainMenu::~TMainMenu() {
    // A window still showing the menu bar would destroy it again: it is taken off first.
    if (FHandle) EnumThreadWindows(GetCurrentThreadId(), DetachMenu, reinterpret_cast<LPARAM>(FHandle.Get()));
}

void TMainMenu::Add(TMenuItem* item) { FItems.push_back(item); }

HMENU TMainMenu::Handle() {
    if (!FHandle) {
        FHandle.Reset(CreateMenu());
        TMenuItem root(nullptr);
        root.FItems = FItems;
        root.Fill(FHandle.Get());
        root.FItems.clear();
    }
    return FHandle.Get();
}

bool TMainMenu::DispatchCommand(UINT command) {
    for (TMenuItem* item : FItems) {
        if (TMenuItem* found = item->FindCommand(command)) {
            if (found->Visible && found->Enabled) found->Click();
            return true;
        }
    }
    return false;
}
