// Enter presses the push button that has the focus, and with the focus elsewhere the form's
// default button, however the focus got where it is.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "Application.h"
#include "Button.h"
#include "DialogDriver.h"
#include "Edit.h"
#include "Form.h"
#include "Label.h"

namespace {

// OK (the default button), Other and an edit, in one group of the dialog manager: on the form
// itself or nested in a group box.
struct ButtonsForm {
    explicit ButtonsForm(bool nested) {
        form.SetCaption("Buttons");
        form.SetBounds(60, 60, 360, 160);
        parent = &form;
        if (nested) {
            parent = new TGroupBox(&form);
            parent->SetParent(&form);
            parent->SetBounds(0, 0, 340, 120);
        }
        ok = AddButton("OK", 10, 0);
        ok->Default = true;
        other = AddButton("Other", 100, 1);
        edit = new TEdit(&form);
        edit->SetParent(parent);
        edit->SetBounds(100, 80, 120, 22);
        edit->TabOrder = 2;
        form.Show();
    }
    ~ButtonsForm() { form.Hide(); }
    TButton* AddButton(const char* caption, int left, int tab) {
        auto* button = new TButton(&form);
        button->SetParent(parent);
        button->SetCaption(caption);
        button->SetBounds(left, 20, 75, 25);
        button->TabOrder = tab;
        button->OnClick = [this, caption](TObject*) { pressed += caption; };
        return button;
    }
    // The captions of the buttons drawn with the default button's thick frame.
    std::string DrawnDefault() const {
        std::string drawn;
        for (TButton* b : {ok, other})
            if ((GetWindowLongPtrA(b->Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) drawn += b->Caption();
        return drawn;
    }
    void Key(UINT key, bool alt = false, bool shift = false) {
        HWND focus = GetFocus();
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        if (alt) {
            PostMessageA(focus, WM_SYSCHAR, key, 1 << 29);
        } else {
            PostMessageA(focus, WM_KEYDOWN, key, 1);
            PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
        }
        PumpPosted();
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
    }

    TForm form{Application};
    TWinControl* parent;
    TButton* ok;
    TButton* other;
    TEdit* edit;
    std::string pressed;
};

// The ways the focus reaches Other from OK.
const std::pair<const char*, std::function<void(ButtonsForm&)>> kWays[] = {
    {"Tab", [](ButtonsForm& f) { f.Key(VK_TAB); }},
    {"Shift+Tab, through the edit",
     [](ButtonsForm& f) {
         f.Key(VK_TAB, false, true);
         f.Key(VK_TAB, false, true);
     }},
    {"arrow key", [](ButtonsForm& f) { f.Key(VK_RIGHT); }},
    {"label's accelerator",
     [](ButtonsForm& f) {
         auto* label = new TLabel(&f.form);
         label->SetParent(f.parent);
         label->SetCaption("&Target");
         label->SetBounds(10, 80, 60, 13);
         label->SetFocusControl(f.other);
         f.Key('t', true);
     }},
    {"mouse",
     [](ButtonsForm& f) {
         // Pressed and let go outside it: the button takes the focus and is not clicked.
         PostMessageA(f.other->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
         PostMessageA(f.other->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(200, 200));
         PumpPosted();
     }},
    {"code", [](ButtonsForm& f) { f.other->SetFocus(); }},
};

}  // namespace

TEST(DefaultButton, EnterPressesTheFocusedButtonHoweverTheFocusCameAndElseTheDefaultOne) {
    for (const bool nested : {false, true}) {
        for (const auto& [way, move] : kWays) {
            SCOPED_TRACE(std::string(way) + (nested ? ", in a group box" : ""));
            ButtonsForm f(nested);
            ASSERT_TRUE(f.ok->Focused());
            EXPECT_EQ(f.DrawnDefault(), "OK");
            move(f);
            ASSERT_TRUE(f.other->Focused());
            EXPECT_EQ(f.pressed, "");
            EXPECT_EQ(f.DrawnDefault(), "Other");
            f.Key(VK_RETURN);
            EXPECT_EQ(f.pressed, "Other");
            f.Key(VK_SPACE);
            EXPECT_EQ(f.pressed, "OtherOther");
            // Tab on to the edit: Enter there presses the form's default button, drawn so again.
            f.Key(VK_TAB);
            ASSERT_TRUE(f.edit->Focused());
            EXPECT_EQ(f.DrawnDefault(), "OK");
            f.Key(VK_RETURN);
            EXPECT_EQ(f.pressed, "OtherOtherOK");
        }
    }
}

TEST(DefaultButton, WithoutADefaultButtonEnterPressesTheFocusedOneAndNothingElse) {
    ButtonsForm f(false);
    f.ok->Default = false;
    f.other->SetFocus();
    f.Key(VK_RETURN);
    EXPECT_EQ(f.pressed, "Other");
    f.edit->SetFocus();
    EXPECT_EQ(f.DrawnDefault(), "");
    f.Key(VK_RETURN);
    EXPECT_EQ(f.pressed, "Other");
    // Back on a button after a modal window, Enter presses it again.
    f.ok->SetFocus();
    DialogDriver driver;
    driver.Then([](WindowView& w) { w.Press("OK"); });
    Application->ShowException("Something failed");
    ASSERT_TRUE(PumpUntil([&] { return f.ok->Focused(); }));
    f.Key(VK_RETURN);
    EXPECT_EQ(f.pressed, "OtherOK");
}
