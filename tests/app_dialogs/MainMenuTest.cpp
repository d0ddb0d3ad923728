// The main window's menu: the invisible File > Save is not in the menu the user sees, and its
// command cannot reach it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Application.h"
#include "main.h"

TEST(MainMenu, TheInvisibleSaveItemCanNeverBeChosen) {
    auto form = std::make_unique<TTessellorForm>(Application);
    HMENU file = GetSubMenu(form->MainMenu1->Handle(), 0);
    std::vector<std::string> shown;
    for (int i = 0; i < GetMenuItemCount(file); ++i) {
        char text[64] = {};
        GetMenuStringA(file, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        shown.push_back(text);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"&Generate", "", "Save &As", "", "E&xit"}));
    int saves = 0, savesAs = 0;
    form->Save1->OnClick = [&](TObject*) { ++saves; };
    form->SaveAs1->OnClick = [&](TObject*) { ++savesAs; };
    // The command as a menu choice would send it: by id, with no window.
    SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(form->Save1->Command(), 0), 0);
    SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(form->SaveAs1->Command(), 0), 0);
    EXPECT_EQ(saves, 0);
    EXPECT_EQ(savesAs, 1);
}
