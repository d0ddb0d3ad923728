#include <gtest/gtest.h>

#include <vector>

#include "Application.h"
#include "ComboBox.h"
#include "DialogDriver.h"
#include "Form.h"
#include "Handles.h"
#include "Layout.h"

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

namespace {

// A form that records the system commands it is sent instead of carrying them out.
class CommandRecordingForm : public TForm {
public:
    using TForm::TForm;
    std::vector<WPARAM> Commands;
    void WndProc(TMessage& message) override {
        if (message.Msg == WM_SYSCOMMAND) {
            Commands.push_back(message.WParam & 0xFFF0);
            return;
        }
        TForm::WndProc(message);
    }
};

}  // namespace

// Alt+Up and Alt+Down are a drop-down list's own; the other system keys reach the default
// handling, as from any other control: Alt+F4 closes the window and F10 enters the menu bar.
TEST(ComboBox, ADropDownListLeavesTheSystemKeysItDoesNotUseToTheWindow) {
    CommandRecordingForm form(Application);
    form.SetBounds(60, 60, 300, 200);
    auto* combo = Place<TCustomComboBox>(&form, &form, "Colours", 10, 10, 145, 21);
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    for (const char* colour : {"red", "green", "blue"}) combo->Items().Add(colour);
    form.Show();
    ASSERT_TRUE(combo->Focused());
    struct Row {
        const char* Keys;
        WPARAM Key;
        bool Alt;
        std::vector<WPARAM> Commands;
        bool DroppedDown;
    };
    const Row rows[] = {{"Alt+F4", VK_F4, true, {SC_CLOSE}, false},
                        {"F10", VK_F10, false, {SC_KEYMENU}, false},
                        {"Alt+Down", VK_DOWN, true, {}, true}};
    for (const Row& row : rows) {
        form.Commands.clear();
        const LPARAM alt = row.Alt ? KF_ALTDOWN << 16 : 0;
        PostMessageA(combo->Handle(), WM_SYSKEYDOWN, row.Key, alt | 1);
        PostMessageA(combo->Handle(), WM_SYSKEYUP, row.Key, alt | 0xC0000001);
        PumpUntilQuiet();  // the close command is posted in turn
        EXPECT_EQ(form.Commands, row.Commands) << row.Keys;
        EXPECT_EQ(combo->DroppedDown(), row.DroppedDown) << row.Keys;
        SendMessageA(combo->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
    }
    form.Hide();
}
