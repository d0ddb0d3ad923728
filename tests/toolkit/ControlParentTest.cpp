#include <gtest/gtest.h>

#include "Application.h"
#include "Edit.h"
#include "Form.h"

// A window made while a control had no parent is a window of its own; once the control gets a
// parent, its window must be a child of the parent's, as if it had been made there.
TEST(Control, AWindowMadeWithoutAParentFollowsTheParentGivenLater) {
    TForm form(Application);
    form.SetBounds(40, 40, 300, 200);
    form.Show();
    auto* edit = new TEdit(&form);
    edit->SetBounds(10, 10, 200, 22);
    edit->SetText("kept");
    const HWND own = edit->Handle();
    EXPECT_EQ(GetParent(own), nullptr);
    edit->SetParent(&form);
    EXPECT_FALSE(IsWindow(own));
    EXPECT_EQ(GetParent(edit->Handle()), form.Handle());
    EXPECT_NE(GetWindowLongPtrA(edit->Handle(), GWL_STYLE) & WS_CHILD, 0);
    EXPECT_EQ(edit->Text(), "kept");
    EXPECT_TRUE(IsWindowVisible(edit->Handle()));
}
