// Every exception that escapes a handler reaches the error box once and the program goes on: from
// a timer, from the making of a form and its OnCreate, from a control filling its new window or
// painting it, from OnDestroy, and from drawing a list's items, once for a whole paint.
#include <gtest/gtest.h>

#include <stdexcept>

#include "Application.h"
#include "Button.h"
#include "DialogDriver.h"
#include "Exceptions.h"
#include "Form.h"
#include "ListBox.h"
#include "NewChild.h"
#include "Timer.h"

namespace {

// Runs `raise` where the platform calls the program and returns what the error box showed.
DialogSeen SeenFromTimer(const std::function<void()>& raise) {
    DialogSeen seen;
    DialogDriver driver;
    driver.Record(seen, "OK");
    TTimer timer(nullptr);
    timer.SetInterval(10);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) {
        timer.SetEnabled(false);
        ++ticks;
        raise();
    };
    EXPECT_TRUE(PumpUntil([&] { return ticks == 1 && driver.Pending() == 0; }));
    return seen;
}

// A form built as a layout builds it, whose creation handler raises.
class FailingCreateForm : public TForm {
public:
    explicit FailingCreateForm(TComponent* owner) : TForm(owner) {
        SetBounds(60, 60, 200, 100);
        Button = new TButton(this);
        Button->SetParent(this);
        Button->SetCaption("Made");
        OnCreate = [](TObject*) { throw Exception("Create failed"); };
        FinishLayout();
        Finished = true;
    }
    TButton* Button;
    bool Finished = false;
};

// A form whose layout cannot be made at all; its destroy handler must not run on the half-made form.
class UnmadeForm : public TForm {
public:
    explicit UnmadeForm(TComponent* owner) : TForm(owner) {
        OnDestroy = [](TObject*) { ++Destroyed; };
        throw EOutOfResources("Error creating window of Unmade");
    }
    static inline int Destroyed = 0;
};

// A control that fails to fill its window once the window is made, as a list fails to read.
class FailingFill : public TButton {
public:
    using TButton::TButton;

protected:
    void CreateWnd() override {
        TButton::CreateWnd();
        throw EInOutError("I/O error 123", 123);
    }
};

// A window whose painting fails before it begins.
class FailingPaint : public TWinControl {
public:
    using TWinControl::TWinControl;
    int Paints = 0;
    void WndProc(TMessage& message) override {
        if (message.Msg == WM_PAINT) {
            ++Paints;
            throw Exception("Paint failed");
        }
        TWinControl::WndProc(message);
    }
};

}  // namespace

TEST(ErrorBoundary, WhatATimerHandlerRaisesIsShownAsTheErrorBoxShowsIt) {
    DialogSeen seen = SeenFromTimer([] { throw Exception("Timer failed"); });
    EXPECT_EQ(seen.Caption, "Tessellor");
    EXPECT_EQ(seen.Text, "Timer failed.");
    EXPECT_EQ(seen.Icon, "stop");
    EXPECT_EQ(seen.Buttons, std::vector<std::string>{"OK"});
    EXPECT_EQ(SeenFromTimer([] { throw std::runtime_error("Standard failure"); }).Text, "Standard failure.");
    EXPECT_EQ(SeenFromTimer([] { throw 42; }).Text, "Unknown exception.");
    // EAbort is silent: the driver reports a box that nobody expected.
    TTimer timer(nullptr);
    timer.SetInterval(10);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) {
        if (++ticks == 1) throw EAbort();
    };
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; })) << "the timer goes on after a failed tick";
}

TEST(ErrorBoundary, AFailingCreationHandlerIsShownOnceAndTheFormIsMadeAndUsable) {
    DialogSeen seen;
    DialogDriver driver;
    driver.Record(seen, "OK");
    FailingCreateForm* form = nullptr;
    Application->CreateForm(form);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->Finished);
    EXPECT_EQ(seen.Text, "Create failed.");
    EXPECT_EQ(driver.Answered(), 1);
    form->Show();
    EXPECT_TRUE(form->Button->Focused());
    delete form;
}

TEST(ErrorBoundary, AFormThatCannotBeMadeIsShownAndLeavesNoForm) {
    const int before = Application->ComponentCount();
    DialogSeen seen;
    DialogDriver driver;
    driver.Record(seen, "OK");
    UnmadeForm* form = reinterpret_cast<UnmadeForm*>(1);
    Application->CreateForm(form);
    EXPECT_EQ(form, nullptr);
    EXPECT_EQ(seen.Text, "Error creating window of Unmade.");
    EXPECT_EQ(Application->ComponentCount(), before);
    EXPECT_EQ(UnmadeForm::Destroyed, 0);
}

TEST(ErrorBoundary, AControlThatFailsToFillItsNewWindowIsShownOnceAndKeepsIt) {
    TForm form(Application);
    form.SetBounds(60, 60, 300, 100);
    auto* failing = NewChild<FailingFill>(form);
    failing->TabOrder = 0;
    auto* after = NewChild<TButton>(form);
    after->SetLeft(100);
    after->TabOrder = 1;
    DialogSeen seen;
    DialogDriver driver;
    driver.Record(seen, "OK");
    form.Show();  // makes the windows
    EXPECT_EQ(seen.Text, "I/O error 123.");
    EXPECT_EQ(driver.Answered(), 1);
    EXPECT_TRUE(failing->HandleAllocated());
    EXPECT_TRUE(after->HandleAllocated());
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
    form.Hide();
}

TEST(ErrorBoundary, AFailedPaintIsShownOnceAndNotTriedAgain) {
    TForm form(Application);
    form.SetBounds(60, 60, 300, 100);
    auto* failing = NewChild<FailingPaint>(form);
    failing->SetBounds(10, 10, 100, 40);
    DialogSeen seen;
    DialogDriver driver;
    driver.Record(seen, "OK");
    form.Show();
    EXPECT_TRUE(PumpUntil([&] { return driver.Answered() == 1; }));
    EXPECT_TRUE(PumpUntilQuiet());
    EXPECT_EQ(seen.Text, "Paint failed.");
    EXPECT_EQ(failing->Paints, 1);
    form.Hide();
}

TEST(ErrorBoundary, AFailingDestroyHandlerIsShownAndTheFormStillGoes) {
    DialogSeen seen;
    DialogDriver driver;
    driver.Record(seen, "OK");
    auto* form = new TForm(Application);
    auto* button = NewChild<TButton>(*form);
    form->Show();
    const HWND window = button->Handle();
    form->OnDestroy = [](TObject*) { throw Exception("Destroy failed"); };
    delete form;
    EXPECT_EQ(seen.Text, "Destroy failed.");
    EXPECT_FALSE(IsWindow(window));
}

TEST(ErrorBoundary, AListWhoseItemsFailToDrawShowsOneBoxForAPaint) {
    TForm form(Application);
    form.SetBounds(60, 60, 300, 200);
    auto* list = NewChild<TCustomListBox>(form);
    for (const char* line : {"one", "two", "three"}) list->Items().Add(line);
    form.Show();
    PumpUntilQuiet();
    list->OnDrawItem = [](TObject*, int, const RECT&, UINT) { throw Exception("Drawing failed"); };
    DialogSeen seen;
    DialogDriver driver;
    for (int paint = 1; paint <= 2; ++paint) {  // the next paint tries again
        driver.Record(seen, "OK");
        InvalidateRect(list->Handle(), nullptr, TRUE);
        UpdateWindow(list->Handle());
        EXPECT_EQ(driver.Answered(), paint);
        EXPECT_EQ(seen.Text, "Drawing failed.");
    }
    list->OnDrawItem = nullptr;
    PumpUntilQuiet();
    form.Hide();
}
