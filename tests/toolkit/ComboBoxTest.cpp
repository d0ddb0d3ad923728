#include <gtest/gtest.h>

#include "ComboBox.h"
#include "Form.h"
#include "Handles.h"

// A simple combo box whose list shows whole items only leaves room below the list inside its
// window: that room shows the face colour, not whatever was on the screen before.
TEST(ComboBox, TheSimpleStyleFillsTheRoomBelowItsList) {
    TForm form(nullptr);
    auto* combo = new TCustomComboBox(&form);
    combo->SetStyle(TComboBoxStyle::csSimple);
    combo->SetParent(&form);
    combo->SetBounds(10, 10, 150, 97);
    for (const char* colour : {"red", "green", "blue", "black", "white", "teal"}) combo->Items().Add(colour);
    form.HandleNeeded();

    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
    RECT client{}, list{};
    GetClientRect(combo->Handle(), &client);
    GetWindowRect(info.hwndList, &list);
    MapWindowPoints(nullptr, combo->Handle(), reinterpret_cast<POINT*>(&list), 2);
    ASSERT_LT(list.bottom, client.bottom) << "no room below the list at this height";

    const TGdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(TClientDC().Get(), client.right, client.bottom));
    const TMemoryDC memory(bitmap.Get());
    SendMessageA(combo->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(memory.Get()), PRF_CLIENT | PRF_ERASEBKGND);
    for (int y = list.bottom; y < client.bottom; ++y)
        EXPECT_EQ(GetPixel(memory.Get(), client.right / 2, y), GetSysColor(COLOR_BTNFACE)) << "row " << y;
}
