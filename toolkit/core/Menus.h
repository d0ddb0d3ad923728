#pragma once
// TMainMenu and TMenuItem: a form's menu bar. Invisible items are left out of the platform menu, so
// they can never be chosen.
#include <windows.h>

#include <string>
#include <vector>

#include "Component.h"
#include "ScopedHandle.h"

// A menu: destroying it destroys its submenus too, and a window destroys the menu bar it shows.
struct TMenuTraits {
    using Handle = HMENU;
    static HMENU Null() { return nullptr; }
    static bool Valid(HMENU menu) { return menu != nullptr; }
    static void Close(HMENU menu) { DestroyMenu(menu); }
};
using TMenuHandle = TScopedHandle<TMenuTraits>;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    std::string Caption;  // "-" is a separator
    bool Visible = true;
    bool Enabled = true;
    TNotifyEvent OnClick;

    void Add(TMenuItem* item);
    int Count() const { return static_cast<int>(FItems.size()); }
    TMenuItem* Items(int index) const {
        CheckListIndex(index, Count());
        return FItems[static_cast<size_t>(index)];
    }
    TMenuItem* Parent() const { return FParent; }
    UINT Command() const { return FCommand; }

    virtual void Click();

private:
    void Fill(HMENU menu) const;
    TMenuItem* FindCommand(UINT command);

    std::vector<TMenuItem*> FItems;
    TMenuItem* FParent = nullptr;
    UINT FCommand;

    friend class TMainMenu;
};

class TMainMenu : public TComponent {
public:
    explicit TMainMenu(TComponent* owner);
    ~TMainMenu() override;

    void Add(TMenuItem* item);
    int Count() const { return static_cast<int>(FItems.size()); }
    TMenuItem* Items(int index) const {
        CheckListIndex(index, Count());
        return FItems[static_cast<size_t>(index)];
    }

    // The platform menu bar, made on first use. It stays this menu's: a form that shows it takes it
    // back off as its window goes, so a window made again shows it again.
    HMENU Handle();
    // Runs the item with this command id; false when the id is not one of this menu's.
    bool DispatchCommand(UINT command);

private:
    std::vector<TMenuItem*> FItems;
    TMenuHandle FHandle;
};
