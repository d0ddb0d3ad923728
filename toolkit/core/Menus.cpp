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
            HMENU sub = CreatePopupMenu();
            item->Fill(sub);
            AppendMenuA(menu, MF_POPUP | (item->Enabled ? 0 : MF_GRAYED), reinterpret_cast<UINT_PTR>(sub),
                        item->Caption.c_str());
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
    // A window destroys the menu it shows; a menu that was never shown is destroyed here.
    if (FHandle && IsMenu(FHandle)) {
        EnumThreadWindows(GetCurrentThreadId(), DetachMenu, reinterpret_cast<LPARAM>(FHandle));
        DestroyMenu(FHandle);
    }
}

void TMainMenu::Add(TMenuItem* item) { FItems.push_back(item); }

HMENU TMainMenu::Handle() {
    if (!FHandle) {
        FHandle = CreateMenu();
        TMenuItem root(nullptr);
        root.FItems = FItems;
        root.Fill(FHandle);
        root.FItems.clear();
    }
    return FHandle;
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
