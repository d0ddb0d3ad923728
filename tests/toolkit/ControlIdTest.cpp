// Control ids and menu commands stay unique within 16 bits however many controls and menu items
// come and go, apart from the ids that platform controls give their own children.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>

#include "Application.h"
#include "Button.h"
#include "ComboBox.h"
#include "DialogDriver.h"
#include "Form.h"
#include "Label.h"
#include "Layout.h"
#include "Menus.h"
#include "NewChild.h"

TEST(ControlId, SeventyThousandControlsLaterIdsAreUniqueWithin16Bits) {
    TForm form(Application);
    form.HandleNeeded();
    auto* kept = NewChild<TButton>(form);
    // 70,000 controls made and freed; one in 35 joins the live form and so makes its window
    // (all of them would take half a minute).
    for (int i = 0; i < 70000; ++i) {
        auto* passing = new TButton(&form);
        if (i % 35 == 0) {
            passing->SetParent(&form);
            ASSERT_NE(passing->ControlId(), kept->ControlId());
        }
        delete passing;
    }
    auto* box = NewChild<TGroupBox>(form);
    auto* inner = new TLabel(&form);
    inner->SetParent(box);
    std::set<int> ids;
    for (TWinControl* control : {static_cast<TWinControl*>(kept), static_cast<TWinControl*>(box),
                                 static_cast<TWinControl*>(inner)}) {
        const int id = control->ControlId();
        EXPECT_EQ(GetDlgCtrlID(control->Handle()), id);
        EXPECT_GT(id, IDHELP);
        EXPECT_LT(id, 0x10000);
        ids.insert(id);
    }
    EXPECT_EQ(ids.size(), 3u) << "ids are unique in the whole form, group boxes included";
}

TEST(ControlId, IdsOfDestroyedWindowsAreUsedAgain) {
    TForm form(Application);
    form.HandleNeeded();
    TButton* buttons[3];
    for (TButton*& b : buttons) {
        b = new TButton(&form);
        b->SetParent(&form);
    }
    const int freed = buttons[1]->ControlId();
    delete buttons[1];
    auto* again = NewChild<TButton>(form);
    EXPECT_EQ(again->ControlId(), freed);
    // A window made again takes an id again; a control without a window has none.
    again->SetParent(nullptr);
    EXPECT_EQ(again->ControlId(), 0);
    delete again;
}

TEST(ControlId, MenuCommandsOfFreedItemsAreUsedAgain) {
    // More items made and freed than 16 bits of commands hold.
    for (int i = 0; i < 30000; ++i) TMenuItem passing(nullptr);
    TForm form(Application);
    auto* menu = new TMainMenu(&form);
    auto* go = new TMenuItem(&form);
    int chosen = 0;
    go->OnClick = [&chosen](TObject*) { ++chosen; };
    menu->Add(go);
    form.Menu = menu;
    form.HandleNeeded();
    PostMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(go->Command(), 0), 0);  // chosen from the menu bar
    PumpPosted();
    EXPECT_EQ(chosen, 1);

    // The bar outlives the window: a window made again shows it again.
    form.RecreateWnd();
    EXPECT_EQ(GetMenuItemCount(GetMenu(form.Handle())), 1);
}

TEST(ControlId, EnterInAComboBoxsOwnEditPressesTheDefaultButton) {
    // The dialog manager looks the default button's id up through every level of windows: it must
    // not find the combo box's edit, which comes first, under that id.
    TForm form(Application);
    form.SetBounds(60, 60, 300, 100);
    auto* combo = Place<TCustomComboBox>(&form, &form, "Combo", 10, 10, 145, 21, 0);
    auto* ok = Place<TButton>(&form, &form, "OK", 160, 10, 75, 25, 1);
    ok->Default = true;
    int pressed = 0;
    ok->OnClick = [&pressed](TObject*) { ++pressed; };
    form.Show();
    HWND edit = GetFocus();
    ASSERT_TRUE(IsChild(combo->Handle(), edit));
    PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 1);
    PostMessageA(edit, WM_KEYUP, VK_RETURN, 0xC0000001);
    PumpPosted();
    EXPECT_EQ(pressed, 1);
    form.Hide();
}
