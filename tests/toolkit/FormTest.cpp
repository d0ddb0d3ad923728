#include <gtest/gtest.h>

#include "Application.h"
#include "Button.h"
#include "DialogDriver.h"
#include "Exceptions.h"
#include "Form.h"
#include "Label.h"

namespace {

// A form with an OK (default) and a Cancel button, built the way window layouts are.
class TwoButtonForm : public TForm {
public:
    explicit TwoButtonForm(TComponent* owner) : TForm(owner) {
        SetCaption("Two buttons");
        BorderStyle = TFormBorderStyle::bsDialog;
        Position = TPosition::poScreenCenter;
        SetClientSize(200, 80);
        Ok = new TButton(this);
        Ok->SetParent(this);
        Ok->SetCaption("OK");
        Ok->SetBounds(10, 40, 75, 25);
        Ok->Default = true;
        Ok->ModalResult = mrOk;
        Ok->TabOrder = 0;
        CancelBtn = new TButton(this);
        CancelBtn->SetParent(this);
        CancelBtn->SetCaption("Cancel");
        CancelBtn->SetBounds(100, 40, 75, 25);
        CancelBtn->Cancel = true;
        CancelBtn->ModalResult = mrCancel;
        CancelBtn->TabOrder = 1;
    }
    TButton* Ok;
    TButton* CancelBtn;
};

}  // namespace

TEST(Form, ModalResultComesFromTheButtonPressed) {
    TwoButtonForm form(Application);
    DialogDriver driver;
    driver.Then([](WindowView& w) {
        EXPECT_EQ(w.Caption(), "Two buttons");
        EXPECT_EQ(w.DefaultButton(), "OK");
        w.Press("Cancel");
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    driver.Then([](WindowView& w) { w.PressKey(VK_RETURN); });
    EXPECT_EQ(form.ShowModal(), mrOk);
    driver.Then([](WindowView& w) { w.PressKey(VK_ESCAPE); });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    driver.Then([](WindowView& w) { w.Close(); });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_FALSE(form.Visible());
}

TEST(Form, AnExceptionInAHandlerReachesTheErrorBoxAndTheProgramGoesOn) {
    TwoButtonForm form(Application);
    int clicks = 0;
    form.Ok->OnClick = [&](TObject*) {
        ++clicks;
        throw Exception("Something failed");
    };
    form.CancelBtn->OnClick = [&](TObject*) { throw EAbort(); };
    form.Show();
    DialogSeen seen;
    DialogDriver driver;
    driver.Record(seen, "OK");
    // A real click on the real button: the window procedure must catch what the handler throws.
    SendMessageA(form.Ok->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(seen.Shown);
    EXPECT_EQ(seen.Caption, "Tessellor");
    EXPECT_EQ(seen.Text, "Something failed.");
    EXPECT_EQ(seen.Icon, "stop");
    EXPECT_EQ(seen.Buttons, std::vector<std::string>{"OK"});
    // EAbort is silent: no dialog appears (the driver would report one).
    SendMessageA(form.CancelBtn->Handle(), BM_CLICK, 0, 0);
    PumpFor(300);
    form.Hide();
}

TEST(Form, LabelAcceleratorFocusesItsControl) {
    TForm form(Application);
    form.SetClientSize(300, 100);
    auto* first = new TButton(&form);
    first->SetParent(&form);
    first->SetCaption("First");
    first->TabOrder = 0;
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetCaption("&Target");
    label->SetBounds(10, 40, 60, 13);
    auto* target = new TButton(&form);
    target->SetParent(&form);
    target->SetCaption("Other");
    target->SetBounds(80, 40, 75, 25);
    target->TabOrder = 1;
    label->SetFocusControl(target);
    form.Show();
    first->SetFocus();
    // Alt+T, as the keyboard sends it, through the application's message loop.
    PostMessageA(first->Handle(), WM_SYSCHAR, 't', 1 << 29);
    PumpFor(200);
    EXPECT_TRUE(target->Focused());
    form.Hide();
}
