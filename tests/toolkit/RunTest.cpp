// The application's run: the first focus comes after what the main form's making posted (the
// settings it loads), and a main form that cannot be made ends the run at once, not in a crash.
#include <gtest/gtest.h>

#include "Application.h"
#include "DialogDriver.h"
#include "Exceptions.h"
#include "Form.h"
#include "Label.h"
#include "NewChild.h"
#include "RadioButton.h"

namespace {

// A radio group first in tab order; its making posts the click that checks Large, as the
// settings source posts the loads of bound radio buttons; then it asks to close.
class PostedLoadForm : public TForm {
public:
    explicit PostedLoadForm(TComponent* owner) : TForm(owner) {
        SetBounds(60, 60, 300, 160);
        auto* box = NewChild<TGroupBox>(*this);
        box->SetBounds(10, 10, 200, 100);
        box->TabOrder = 0;
        for (int i = 0; i < 2; ++i) {
            Radios[i] = new TRadioButton(this);
            Radios[i]->SetParent(box);
            Radios[i]->SetBounds(10, 20 + 30 * i, 100, 20);
            Radios[i]->TabOrder = i;
        }
        Radios[0]->SetChecked(true);
        OnCreate = [this](TObject*) {
            HWND large = Radios[1]->Handle();
            PostMessageA(GetParent(large), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(large), BN_CLICKED),
                         reinterpret_cast<LPARAM>(large));
            PostMessageA(Handle(), WM_CLOSE, 0, 0);
        };
        FinishLayout();
    }
    TRadioButton* Radios[2];
};

class UnmadeMainForm : public TForm {
public:
    explicit UnmadeMainForm(TComponent* owner) : TForm(owner) { throw EOutOfResources("Error creating window"); }
};

// The quit message that ends Run stays in the queue: take it, so the tests after this go on.
void TakeQuitMessage() {
    MSG msg;
    PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

}  // namespace

TEST(Run, AMainFormThatCannotBeMadeEndsTheRunWithExitCodeOne) {
    ASSERT_EQ(Application->MainForm(), nullptr);
    DialogSeen seen;
    DialogDriver driver;
    driver.Record(seen, "OK");
    UnmadeMainForm* form = nullptr;
    Application->CreateForm(form);
    EXPECT_EQ(seen.Text, "Error creating window.");
    Application->Run();  // returns at once
    EXPECT_EQ(Application->ExitCode(), 1);
}

TEST(Run, TheFirstFocusComesAfterThePostedLoads) {
    ASSERT_EQ(Application->MainForm(), nullptr);
    PostedLoadForm* form = nullptr;
    Application->CreateForm(form);
    ASSERT_NE(form, nullptr);
    Application->Run();  // the posted close ends it
    TakeQuitMessage();
    EXPECT_TRUE(form->Radios[1]->Checked());
    EXPECT_TRUE(form->Radios[1]->Focused()) << "the focus stayed on the button that the load unchecked";
    EXPECT_EQ(Application->ExitCode(), 0);
    delete form;
}
