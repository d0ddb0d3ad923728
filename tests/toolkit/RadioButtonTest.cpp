#include <gtest/gtest.h>

#include "Application.h"
#include "DialogDriver.h"
#include "Form.h"
#include "Label.h"
#include "RadioButton.h"

namespace {

// Three buttons on the form, one more in a group box: two separate groups by parent.
struct RadioForm {
    RadioForm() {
        form.SetCaption("Radio buttons");
        form.SetBounds(40, 40, 300, 200);
        for (int i = 0; i < 3; ++i) {
            buttons[i] = Add(&form, "Radio" + std::to_string(i + 1), i);
        }
        box = new TGroupBox(&form);
        box->SetParent(&form);
        box->SetBounds(150, 10, 120, 80);
        other = Add(box, "Other", 0);
        other->SetChecked(true);
        for (TRadioButton* b : {buttons[0], buttons[1], buttons[2], other})
            b->OnClick = [this](TObject* sender) { clicks.push_back(static_cast<TRadioButton*>(sender)->Name); };
    }
    TRadioButton* Add(TWinControl* parent, const std::string& name, int row) {
        auto* b = new TRadioButton(&form);
        b->Name = name;
        b->SetParent(parent);
        b->SetCaption(name);
        b->SetBounds(10, 15 + 25 * row, 100, 20);
        b->TabOrder = row;
        return b;
    }
    // What the user sees: the check mark of each window.
    std::string Drawn() {
        std::string marks;
        for (TRadioButton* b : {buttons[0], buttons[1], buttons[2], other})
            marks += SendMessageA(b->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED ? '1' : '0';
        return marks;
    }
    std::string Checked() {
        std::string marks;
        for (TRadioButton* b : {buttons[0], buttons[1], buttons[2], other}) marks += b->Checked() ? '1' : '0';
        return marks;
    }
    TForm form{Application};
    TRadioButton* buttons[3];
    TGroupBox* box;
    TRadioButton* other;
    std::vector<std::string> clicks;
};

}  // namespace

TEST(RadioButton, CheckingFromCodeUnchecksTheSiblingsOnlyAndClicksOnce) {
    RadioForm f;
    f.clicks.clear();
    f.buttons[0]->SetChecked(true);  // before any window exists
    f.form.Show();
    EXPECT_EQ(f.Drawn(), "1001");
    f.buttons[1]->SetChecked(true);
    EXPECT_EQ(f.Checked(), "0101");  // the button in the group box is of another group
    EXPECT_EQ(f.Drawn(), "0101");
    EXPECT_EQ(f.clicks, (std::vector<std::string>{"Radio1", "Radio2"}));

    f.clicks.clear();
    f.buttons[1]->SetChecked(true);  // the same value: nothing
    f.buttons[1]->SetChecked(false);  // unchecks this one only, without a click
    EXPECT_EQ(f.Checked(), "0001");
    EXPECT_EQ(f.Drawn(), "0001");
    f.buttons[2]->SetChecked(false);
    EXPECT_TRUE(f.clicks.empty());
    f.form.Hide();
}

TEST(RadioButton, TheUsersClickChecksAndAClickOnTheCheckedOneChangesNothing) {
    RadioForm f;
    f.form.Show();
    f.clicks.clear();
    SendMessageA(f.buttons[2]->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(f.Checked(), "0011");
    EXPECT_EQ(f.Drawn(), "0011");
    SendMessageA(f.buttons[2]->Handle(), BM_CLICK, 0, 0);
    SendMessageA(f.other->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(f.Checked(), "0011");
    EXPECT_EQ(f.Drawn(), "0011");  // the window does not check or uncheck itself
    EXPECT_EQ(f.clicks, std::vector<std::string>{"Radio3"});
    f.form.Hide();
}

TEST(RadioButton, ArrowKeysMoveTheCheckThroughTheGroup) {
    RadioForm f;
    f.buttons[0]->SetChecked(true);
    f.form.Show();
    f.buttons[0]->SetFocus();
    f.clicks.clear();
    PostMessageA(f.buttons[0]->Handle(), WM_KEYDOWN, VK_DOWN, 1);
    PumpUntilQuiet();
    EXPECT_TRUE(f.buttons[1]->Focused());
    EXPECT_EQ(f.Checked(), "0101");
    EXPECT_EQ(f.clicks, std::vector<std::string>{"Radio2"});
    f.form.Hide();
}
