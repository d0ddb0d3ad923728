#include <gtest/gtest.h>

#include "Application.h"
#include "Button.h"
#include "DialogDriver.h"
#include "Exceptions.h"
#include "Form.h"
#include "Label.h"
#include "MessageDlg.h"
#include "NewChild.h"
#include "RadioButton.h"

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
    // EAbort is silent: no dialog appears (the driver would report one; the click waits for it).
    SendMessageA(form.CancelBtn->Handle(), BM_CLICK, 0, 0);
    form.Hide();
}

// A label's accelerator lands on its control; a group box's on the first tab stop inside it.
TEST(Form, AcceleratorsOfLabelsAndGroupBoxesLandOnTheirControls) {
    TForm form(Application);
    form.SetBounds(60, 60, 360, 240);
    auto* first = NewChild<TButton>(form);
    first->SetCaption("First");
    first->TabOrder = 0;
    auto* label = NewChild<TLabel>(form);
    label->SetCaption("&Target");
    label->SetBounds(10, 40, 60, 13);
    auto* target = NewChild<TButton>(form);
    target->SetCaption("Other");
    target->SetBounds(80, 40, 75, 25);
    target->TabOrder = 1;
    label->SetFocusControl(target);
    auto* box = NewChild<TGroupBox>(form);
    box->SetCaption("Thumbnail &size");
    box->SetBounds(10, 80, 200, 100);
    box->TabOrder = 2;
    TRadioButton* radios[2];
    for (int i = 0; i < 2; ++i) {
        radios[i] = new TRadioButton(&form);
        radios[i]->SetParent(box);
        radios[i]->SetCaption(i == 0 ? "Small" : "Large");
        radios[i]->SetBounds(10, 20 + 30 * i, 100, 20);
        radios[i]->TabOrder = i;
    }
    auto* after = NewChild<TButton>(form);
    after->SetCaption("After");
    after->SetBounds(220, 80, 75, 25);
    after->TabOrder = 3;
    form.Show();
    first->SetFocus();
    // Alt+T, as the keyboard sends it, through the application's message loop.
    PostMessageA(first->Handle(), WM_SYSCHAR, 't', 1 << 29);
    EXPECT_TRUE(PumpUntil([&] { return target->Focused(); }));
    // A radio group enters at its checked button; a plain group at its first tab stop.
    for (int checked : {1, 0}) {
        radios[checked]->SetChecked(true);
        first->SetFocus();
        PostMessageA(first->Handle(), WM_SYSCHAR, 's', 1 << 29);
        PumpPosted();
        EXPECT_TRUE(radios[checked]->Focused()) << "checked " << checked;
    }
    for (TRadioButton* radio : radios) radio->SetParent(nullptr);
    auto* inside = new TButton(&form);
    inside->SetParent(box);
    inside->SetCaption("Inside");
    inside->TabOrder = 0;
    first->SetFocus();
    PostMessageA(first->Handle(), WM_SYSCHAR, 's', 1 << 29);
    PumpPosted();
    EXPECT_TRUE(inside->Focused());
    form.Hide();
}

namespace {

// The windows of a parent's children, in window order.
std::vector<HWND> WindowOrder(HWND parent) {
    std::vector<HWND> windows;
    for (HWND w = GetWindow(parent, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) windows.push_back(w);
    return windows;
}

TButton* AddButton(TForm& form, const char* caption, int left, int tabOrder) {
    auto* button = NewChild<TButton>(form);
    button->SetCaption(caption);
    button->SetBounds(left, 40, 60, 25);
    button->TabOrder = tabOrder;
    return button;
}

}  // namespace

TEST(Form, TheWindowOrderFollowsTheTabOrderWheneverTheWindowsAreMade) {
    TForm form(Application);
    form.SetClientSize(400, 100);
    form.Show();  // every control below is put into a live window
    TButton* third = AddButton(form, "Third", 210, 2);
    TButton* first = AddButton(form, "First", 10, 0);
    auto* label = NewChild<TLabel>(form);
    label->SetCaption("&Target");
    label->SetBounds(300, 10, 60, 13);
    TButton* second = AddButton(form, "Second", 110, 5);
    EXPECT_EQ(WindowOrder(form.Handle()), (std::vector<HWND>{first->Handle(), third->Handle(), second->Handle(),
                                                             label->Handle()}));
    second->TabOrder = 1;  // a change of tab order moves the window
    label->SetFocusControl(third);  // and a label goes right before its control
    EXPECT_EQ(WindowOrder(form.Handle()), (std::vector<HWND>{first->Handle(), second->Handle(), label->Handle(),
                                                             third->Handle()}));

    // The dialog manager follows: Tab from the first goes to the second, Alt+T to the third.
    first->SetFocus();
    PostMessageA(first->Handle(), WM_KEYDOWN, VK_TAB, 1);
    EXPECT_TRUE(PumpUntil([&] { return second->Focused(); }));
    PostMessageA(second->Handle(), WM_SYSCHAR, 't', 1 << 29);
    EXPECT_TRUE(PumpUntil([&] { return third->Focused(); }));

    // A window made again takes its place again.
    third->RecreateWnd();
    EXPECT_EQ(WindowOrder(form.Handle()).back(), third->Handle());
    form.Hide();
}

TEST(Form, AShownFormFocusesItsActiveControlElseItsFirstTabStopAndGetsItBackAfterAModalWindow) {
    {
        TForm form(Application);
        form.SetClientSize(300, 100);
        TButton* later = AddButton(form, "Later", 10, 1);
        TButton* earlier = AddButton(form, "Earlier", 110, 0);
        form.Show();
        EXPECT_TRUE(earlier->Focused());  // first in tab order, not in layout order
        form.Hide();
        form.SetActiveControl(later);
        form.Show();
        EXPECT_TRUE(later->Focused());
        EXPECT_EQ(form.ActiveControl(), later);
        form.Hide();
    }
    TForm form(Application);
    form.SetClientSize(300, 100);
    AddButton(form, "One", 10, 0);
    TButton* two = AddButton(form, "Two", 110, 1);
    form.Show();
    two->SetFocus();
    // The message dialog, the error box and a modal form each give the focus back.
    DialogDriver driver;
    driver.Then([](WindowView& w) { w.PressKey(VK_RETURN); });
    MessageDlg("Go on?", TMsgDlgType::mtConfirmation, mbYes | mbNo, 0);
    EXPECT_TRUE(PumpUntil([&] { return two->Focused(); }));
    driver.Then([](WindowView& w) { w.Press("OK"); });
    Application->ShowException("Something failed");
    EXPECT_TRUE(PumpUntil([&] { return two->Focused(); }));
    TwoButtonForm modal(Application);
    driver.Then([](WindowView& w) { w.PressKey(VK_ESCAPE); });
    EXPECT_EQ(modal.ShowModal(), mrCancel);
    EXPECT_TRUE(PumpUntil([&] { return two->Focused(); }));
    form.Hide();
}

TEST(Form, AModalLoopEndsOnTheQuitMessageAndPassesItOnOrWhenItsFormIsFreed) {
    TForm other(Application);
    other.Show();
    TwoButtonForm form(Application);
    DialogDriver driver;
    driver.Then([](WindowView&) { PostQuitMessage(7); });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(form.Modal());
    // The loop outside sees the quit message too; taken here, so that the tests go on.
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    // The other windows were enabled again.
    EXPECT_TRUE(IsWindowEnabled(other.Handle()));

    // A form that its own button frees ends its loop with the button's answer; nothing reads it after.
    auto* freed = new TwoButtonForm(Application);
    freed->Ok->OnClick = [freed](TObject*) { delete freed; };
    driver.Then([](WindowView& w) { w.Press("OK"); });
    EXPECT_EQ(freed->ShowModal(), mrOk);
    EXPECT_TRUE(IsWindowEnabled(other.Handle()));
    other.Hide();
}

TEST(Form, AVisibleFormCannotBeMadeModalAndStaysAsItWas) {
    TwoButtonForm form(Application);
    form.Show();
    EXPECT_THROW(form.ShowModal(), EInvalidOperation);
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
    EXPECT_TRUE(IsWindowEnabled(form.Handle()));
    EXPECT_FALSE(form.Modal());
    form.Hide();
    // Hidden, it can be.
    DialogDriver driver;
    driver.Then([](WindowView& w) { w.Press("OK"); });
    EXPECT_EQ(form.ShowModal(), mrOk);
}

TEST(Form, OnCloseWithCaNoneKeepsAModalFormOpen) {
    TwoButtonForm form(Application);
    // The close box and Cancel are refused, each time with the form still up; OK is let through.
    std::vector<int> asked;
    form.OnClose = [&](TObject*, TCloseAction& action) {
        asked.push_back(form.ModalResult);
        EXPECT_TRUE(IsWindowVisible(form.Handle()));
        WindowView view(form.Handle());
        if (asked.size() == 1) {
            action = TCloseAction::caNone;
            view.Press("Cancel");
        } else if (asked.size() == 2) {
            action = TCloseAction::caNone;
            view.Press("OK");
        }
    };
    DialogDriver driver;
    driver.Then([](WindowView& w) { w.Close(); });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(asked, (std::vector<int>{mrCancel, mrCancel, mrOk}));
    EXPECT_FALSE(form.Visible());
}
