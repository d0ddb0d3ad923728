// The message dialog, shown for real and answered as a user would.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "Application.h"
#include "DialogDriver.h"
#include "Form.h"
#include "Handles.h"
#include "MessageDlg.h"

namespace {

// Shows a dialog whose buttons are answered by `answer`; returns its result.
int Show(TMsgDlgButtons buttons, DialogDriver::Answer answer, TMsgDlgType type = TMsgDlgType::mtConfirmation) {
    DialogDriver driver;
    driver.Then(std::move(answer));
    return MessageDlg("Go on?", type, buttons, 0);
}

DialogDriver::Answer Press(const std::string& caption) {
    return [caption](WindowView& w) { w.Press(caption); };
}
DialogDriver::Answer Key(UINT key) {
    return [key](WindowView& w) { w.PressKey(key); };
}
DialogDriver::Answer CloseBox() {
    return [](WindowView& w) { w.Close(); };
}

const TMsgDlgButtons kAllButtons = mbYes | mbNo | mbOK | mbCancel | mbAbort | mbRetry | mbIgnore | mbAll | mbHelp;

// The answer the dialog has been given so far (its modal loop ends once the answer is back there).
int Answered(const WindowView& w) {
    auto* form = dynamic_cast<TForm*>(TWinControl::FromHandle(w.Handle()));
    return form ? form->ModalResult : -1;
}

HWND Focus() { return GetFocus(); }

std::string TextOf(HWND window) {
    char text[64] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Moves the focus of the dialog from button to button with `key` until it is on `target`.
void WalkTo(HWND target, UINT key) {
    for (int step = 0; step < 12 && Focus() != target; ++step) {
        HWND from = Focus();
        PostMessageA(from, WM_KEYDOWN, key, 1);
        PostMessageA(from, WM_KEYUP, key, 0xC0000001);
        PumpPosted();
    }
}

}  // namespace

TEST(MessageDlg, EachKindHasItsCaptionAndIcon) {
    const struct {
        TMsgDlgType Type;
        const char* Caption;
        const char* Icon;
    } kinds[] = {{TMsgDlgType::mtWarning, "Warning", "exclamation"},
                 {TMsgDlgType::mtError, "Error", "stop"},
                 {TMsgDlgType::mtInformation, "Information", "information"},
                 {TMsgDlgType::mtConfirmation, "Confirm", "question"},
                 {TMsgDlgType::mtCustom, "Tessellor", ""}};
    for (const auto& kind : kinds) {
        DialogSeen seen;
        DialogDriver driver;
        driver.Record(seen, "OK");
        EXPECT_EQ(MessageDlg("Disk & drive are ready", kind.Type, mbOK, 0), mrOk);
        EXPECT_EQ(seen.Caption, kind.Caption);
        EXPECT_EQ(seen.Icon, kind.Icon) << kind.Caption;
        EXPECT_EQ(seen.Text, "Disk & drive are ready") << kind.Caption;
    }
}

TEST(MessageDlg, ButtonsStandInTheirOrderAndGiveTheirResults) {
    const std::vector<std::string> captions = {"&Yes",   "&No",    "OK",     "Cancel", "&Abort",
                                               "&Retry", "&Ignore", "&All", "&Help"};
    const int results[] = {mrYes, mrNo, mrOk, mrCancel, mrAbort, mrRetry, mrIgnore, mrAll};
    DialogSeen seen;
    {
        DialogDriver driver;
        driver.Record(seen, "&All");
        EXPECT_EQ(MessageDlg("Go on?", TMsgDlgType::mtConfirmation, kAllButtons, 0), mrAll);
    }
    EXPECT_EQ(seen.Buttons, captions);
    EXPECT_EQ(seen.DefaultButton, "OK");
    for (int i = 0; i < 8; ++i) EXPECT_EQ(Show(kAllButtons, Press(captions[i])), results[i]) << captions[i];
    // Buttons that are not asked for are not there.
    DialogDriver driver;
    driver.Record(seen, "&Retry");
    EXPECT_EQ(MessageDlg("Go on?", TMsgDlgType::mtError, mbRetry | mbAbort | mbIgnore, 0), mrRetry);
    EXPECT_EQ(seen.Buttons, (std::vector<std::string>{"&Abort", "&Retry", "&Ignore"}));
}

TEST(MessageDlg, EnterEscAndTheCloseBoxAnswerAsTheirButtons) {
    const struct {
        TMsgDlgButtons Buttons;
        const char* Default;
        int EnterResult;
        int EscResult;
    } cases[] = {
        {mbYes | mbNo, "&Yes", mrYes, mrNo},
        {mbOK | mbCancel, "OK", mrOk, mrCancel},
        {mbYes | mbNo | mbCancel, "&Yes", mrYes, mrCancel},
        {mbYes | mbNo | mbOK, "OK", mrOk, mrNo},
        {mbOK | mbHelp, "OK", mrOk, mrOk},
        {mbAbort | mbRetry | mbIgnore, "&Retry", mrRetry, mrNone},  // no cancel button: Esc does nothing
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Default);
        DialogSeen seen;
        {
            DialogDriver driver;
            driver.Record(seen, c.Default);
            MessageDlg("Go on?", TMsgDlgType::mtConfirmation, c.Buttons, 0);
        }
        EXPECT_EQ(seen.DefaultButton, c.Default);
        EXPECT_EQ(Show(c.Buttons, Key(VK_RETURN)), c.EnterResult);
        // Space presses the button that has the focus: the default one at first.
        EXPECT_EQ(Show(c.Buttons, Key(VK_SPACE)), c.EnterResult);
        if (c.EscResult != mrNone) {
            EXPECT_EQ(Show(c.Buttons, Key(VK_ESCAPE)), c.EscResult);
            EXPECT_EQ(Show(c.Buttons, CloseBox()), c.EscResult);
        } else {
            int result = -1;
            {
                DialogDriver driver;
                driver.Then([](WindowView& w) {
                    w.PressKey(VK_ESCAPE);
                    PumpPosted();
                    EXPECT_EQ(Answered(w), mrNone) << "Esc closed a dialog without a cancel button";
                    w.Close();
                });
                result = MessageDlg("Go on?", TMsgDlgType::mtConfirmation, c.Buttons, 0);
            }
            EXPECT_EQ(result, mrCancel);
        }
    }
}

TEST(MessageDlg, HelpShowsHelpAndLeavesTheDialogOpen) {
    std::vector<int> contexts;
    Application->OnHelp = [&](int context) { contexts.push_back(context); };
    DialogDriver driver;
    driver.Then([](WindowView& w) {
        w.Press("&Help");
        PumpPosted();
        EXPECT_EQ(Answered(w), mrNone);
        w.Press("&Help");
        PumpPosted();
        w.Press("OK");
    });
    EXPECT_EQ(MessageDlg("Bad value", TMsgDlgType::mtError, mbOK | mbHelp, 6100), mrOk);
    Application->OnHelp = nullptr;
    EXPECT_EQ(contexts, (std::vector<int>{6100, 6100}));

    // Without a help handler the user is told that there is no help file.
    DialogSeen note;
    HWND dialog = nullptr;
    driver.Then([&](WindowView& w) {
        dialog = w.Handle();
        w.Press("&Help");
    });
    // The note comes up over the message dialog, which was answered already: close both from here.
    driver.Then([&](WindowView& w) {
        note.Shown = true;
        note.Caption = w.Caption();
        note.Text = w.Text();
        note.Icon = w.IconName();
        w.Press("OK");
        WindowView(dialog).Press("OK");
    });
    EXPECT_EQ(MessageDlg("Bad value", TMsgDlgType::mtError, mbOK | mbHelp, 6000), mrOk);
    EXPECT_EQ(note.Caption, "Tessellor");
    EXPECT_EQ(note.Icon, "information");
    EXPECT_NE(note.Text.find("6000"), std::string::npos) << note.Text;
}

TEST(MessageDlg, TheDialogFitsItsTextAndIsCentred) {
    const std::string text =
        "Need row and column titles to write out in hierarchical format. This text is long enough to take "
        "several lines in the dialog, and every one of its words must be seen.";
    DialogDriver driver;
    driver.Then([&](WindowView& w) {
        RECT window{};
        GetWindowRect(w.Handle(), &window);
        const int centreX = (window.left + window.right) / 2, centreY = (window.top + window.bottom) / 2;
        EXPECT_NEAR(centreX, GetSystemMetrics(SM_CXSCREEN) / 2, 2);
        EXPECT_NEAR(centreY, GetSystemMetrics(SM_CYSCREEN) / 2, 2);

        HWND label = w.FindChild("Static", text);
        ASSERT_NE(label, nullptr);
        // The text needs this much room in the label's own font at the label's width.
        RECT shown{};
        GetClientRect(label, &shown);
        RECT needed{0, 0, shown.right, 0};
        {
            const TClientDC dc(label);
            const TSelectedObject font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
            DrawTextA(dc.Get(), text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        }
        EXPECT_GE(shown.bottom, needed.bottom);
        EXPECT_GT(needed.bottom, 13) << "the text should take more than one line";

        // Label and buttons lie inside the dialog, the buttons below the text.
        RECT client{}, labelRect{}, buttonRect{};
        GetClientRect(w.Handle(), &client);
        GetWindowRect(label, &labelRect);
        MapWindowPoints(nullptr, w.Handle(), reinterpret_cast<POINT*>(&labelRect), 2);
        HWND ok = w.FindChild("Button", "OK");
        ASSERT_NE(ok, nullptr);
        GetWindowRect(ok, &buttonRect);
        MapWindowPoints(nullptr, w.Handle(), reinterpret_cast<POINT*>(&buttonRect), 2);
        EXPECT_LE(labelRect.right, client.right);
        EXPECT_LE(buttonRect.bottom, client.bottom);
        EXPECT_LE(buttonRect.right, client.right);
        EXPECT_GE(buttonRect.left, 0);
        EXPECT_GT(buttonRect.top, labelRect.bottom);
        w.Press("OK");
    });
    EXPECT_EQ(MessageDlg(text, TMsgDlgType::mtWarning, mbOK, 0), mrOk);
}

TEST(MessageDlg, EnterAndSpacePressTheButtonThatHasTheFocusHoweverItGotThere) {
    const struct {
        const char* Caption;
        int Result;
    } kinds[] = {{"&Yes", mrYes},        {"&No", mrNo},     {"OK", mrOk},        {"Cancel", mrCancel},
                 {"&Abort", mrAbort},    {"&Retry", mrRetry}, {"&Ignore", mrIgnore}, {"&All", mrAll}};
    const std::pair<const char*, std::function<void(HWND)>> ways[] = {
        {"Tab", [](HWND button) { WalkTo(button, VK_TAB); }},
        {"arrow key", [](HWND button) { WalkTo(button, VK_RIGHT); }},
        {"mouse",
         [](HWND button) {
             // Pressed and let go beside it: the focus moves there, no click.
             PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
             PostMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(300, 300));
             PumpPosted();
         }},
        {"code", [](HWND button) { SetFocus(button); }},
    };
    for (const auto& kind : kinds) {
        for (const auto& [way, move] : ways) {
            for (UINT key : {VK_RETURN, VK_SPACE}) {
                SCOPED_TRACE(std::string(kind.Caption) + " by " + way + (key == VK_RETURN ? ", Enter" : ", Space"));
                std::string drawnDefault;
                const int result = Show(kAllButtons, [&, move = move, key](WindowView& w) {
                    EXPECT_EQ(TextOf(Focus()), "OK") << "the dialog opens on its default button";
                    HWND button = w.FindChild("Button", kind.Caption);
                    move(button);
                    EXPECT_EQ(Focus(), button);
                    EXPECT_EQ(Answered(w), mrNone);
                    drawnDefault = w.DefaultButton();
                    w.PressKey(key);
                });
                EXPECT_EQ(result, kind.Result);
                EXPECT_EQ(drawnDefault, kind.Caption);
            }
        }
    }
}

TEST(MessageDlg, AClickGoesToTheButtonItNamesWhateverItsIdReadsAs) {
    // A click of No whose id reads as IDOK, and one of Yes whose id reads as IDCANCEL.
    EXPECT_EQ(Show(mbYes | mbNo, [](WindowView& w) {
                  PostMessageA(w.Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                               reinterpret_cast<LPARAM>(w.FindChild("Button", "&No")));
              }),
              mrNo);
    EXPECT_EQ(Show(mbYes | mbNo, [](WindowView& w) {
                  PostMessageA(w.Handle(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                               reinterpret_cast<LPARAM>(w.FindChild("Button", "&Yes")));
              }),
              mrYes);
    // The dialog manager names the default button by the id that DM_GETDEFID gives.
    EXPECT_EQ(Show(mbYes | mbNo, [](WindowView& w) {
                  const LRESULT answer = SendMessageA(w.Handle(), DM_GETDEFID, 0, 0);
                  EXPECT_EQ(HIWORD(answer), DC_HASDEFID);
                  EXPECT_EQ(LOWORD(answer), GetDlgCtrlID(w.FindChild("Button", "&Yes")));
                  w.Press("&No");
              }),
              mrNo);
}
