#include <gtest/gtest.h>

#include <memory>

#include "Application.h"
#include "DialogDriver.h"
#include "DialogLayout.h"
#include "support.h"

TEST(SupportDialog, ShowsItsTextsAndEnterClosesItWithOk) {
    auto form = std::make_unique<TSupportFrm>(Application);
    DialogDriver driver;
    std::string caption, text, defaultButton;
    RECT client{}, window{};
    driver.Then([&](WindowView& w) {
        caption = w.Caption();
        text = w.Text();
        defaultButton = w.DefaultButton();
        client = ClientRectOf(w.Handle());
        GetWindowRect(w.Handle(), &window);
        ExpectLayout(*form, {{"Label1", 20, 14, 281, 53},
                             {"Label3", 14, 70, 287, 24},
                             {"Label4", 16, 96, 289, 20},
                             {"OKBtn", 123, 154, 75, 25}});
        w.PressKey(VK_RETURN);
    });
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_EQ(caption, "Technical Support");
    EXPECT_EQ(client.right, Scaled(313));
    EXPECT_EQ(client.bottom, Scaled(191));
    EXPECT_EQ(defaultButton, "OK");
    // The maker's web address, then the support e-mail, each on a line of its own.
    EXPECT_NE(text.find("\ntessellor.test\nsupport@tessellor.test"), std::string::npos) << text;
    // Centred on the screen.
    EXPECT_NEAR((window.left + window.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((window.top + window.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
}

TEST(InformationDialogs, EachShowingIsAFreshDialogThatLeavesNoWindowBehind) {
    const size_t before = ThreadWindows().size();
    std::vector<HWND> shown;
    // OK button, close box, Enter; then the other dialog with its OK button, close box and Esc.
    const std::vector<std::function<void(WindowView&)>> support = {
        [](WindowView& w) { w.Press("OK"); }, [](WindowView& w) { w.Close(); },
        [](WindowView& w) { w.PressKey(VK_RETURN); }};
    const int supportResults[] = {mrOk, mrCancel, mrOk};
    for (size_t i = 0; i < support.size(); ++i) {
        auto form = std::make_unique<TSupportFrm>(Application);
        EXPECT_FALSE(form->HandleAllocated());
        DialogDriver driver;
        driver.Then([&, i](WindowView& w) {
            shown.push_back(w.Handle());
            support[i](w);
        });
        EXPECT_EQ(form->ShowModal(), supportResults[i]);
    }
    EXPECT_EQ(shown.size(), 3u);
    for (HWND window : shown) EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(ThreadWindows().size(), before);
    EXPECT_EQ(Application->FindComponent("SupportFrm"), nullptr);
}
