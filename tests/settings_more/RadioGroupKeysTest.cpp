// The keyboard among bound radio buttons of two groups: the dialog manager's groups keep the arrow
// keys inside one parent, so the other group's setting never changes.
#include <gtest/gtest.h>

#include "SettingsTestSupport.h"
#include "Label.h"

namespace {

// Two group boxes of two buttons, on [Look] Size and [Look] Shape, storing 1 and 2; both keys
// hold 2 in the file, so the second button of each group starts checked.
struct TwoGroups : BoundFixture {
    TwoGroups() {
        Store(path, "Look", "Size", "2");
        Store(path, "Look", "Shape", "2");
        AddGroup("Sizes", "Size", sizes);
        AddGroup("Shapes", "Shape", shapes);
        for (TIniRadioButton* b : {sizes[0], sizes[1], shapes[0], shapes[1]}) b->SetDataSource(source);
        HandlePosted();
    }
    void AddGroup(const std::string& name, const std::string& key, TIniRadioButton* (&buttons)[2]) {
        auto* box = form->Add<TGroupBox>(name, nullptr, 70);
        box->TabOrder = boxes++;
        for (int i = 0; i < 2; ++i) {
            auto* b = new TIniRadioButton(form);
            b->Name = name + std::to_string(i + 1);
            b->SetParent(box);
            b->SetBounds(10, 15 + 25 * i, 100, 20);
            b->TabOrder = i;
            b->CheckedValue = static_cast<uint16_t>(i + 1);
            b->SetSectionName("Look");
            b->SetKeyword(key);
            buttons[i] = b;
        }
    }
    static std::string Checked(TIniRadioButton* const (&buttons)[2]) {
        return std::string(buttons[0]->Checked() ? "1" : "0") + (buttons[1]->Checked() ? "1" : "0");
    }
    // A key pressed on the control that has the focus, through the application's message loop.
    static void Press(UINT key) {
        PostMessageA(GetFocus(), WM_KEYDOWN, key, 1);
        HandlePosted();
    }
    int boxes = 0;
    TIniRadioButton* sizes[2];
    TIniRadioButton* shapes[2];
};

}  // namespace

TEST(RadioGroupKeys, ArrowsMoveAndCheckWithinTheGroupOnlyAndWrapAtTheEnds) {
    TwoGroups g;
    ASSERT_EQ(TwoGroups::Checked(g.sizes), "01");
    ASSERT_EQ(TwoGroups::Checked(g.shapes), "01");
    g.sizes[1]->SetFocus();

    TwoGroups::Press(VK_DOWN);  // from the last button of the group: round to its first
    EXPECT_TRUE(g.sizes[0]->Focused());
    EXPECT_EQ(TwoGroups::Checked(g.sizes), "10");
    EXPECT_EQ(TwoGroups::Checked(g.shapes), "01");
    TwoGroups::Press(VK_UP);  // from the first: round to the last
    EXPECT_TRUE(g.sizes[1]->Focused());
    EXPECT_EQ(TwoGroups::Checked(g.sizes), "01");
    TwoGroups::Press(VK_RIGHT);
    TwoGroups::Press(VK_RIGHT);
    EXPECT_TRUE(g.sizes[1]->Focused());
    EXPECT_EQ(TwoGroups::Checked(g.sizes), "01");
    TwoGroups::Press(VK_LEFT);
    EXPECT_EQ(TwoGroups::Checked(g.sizes), "10");
    EXPECT_EQ(TwoGroups::Checked(g.shapes), "01");
    EXPECT_FALSE(g.shapes[0]->Modified());

    g.source->Save();
    EXPECT_EQ(StoredValue(g.path, "Look", "Size"), "1");
    EXPECT_EQ(StoredValue(g.path, "Look", "Shape"), "2");  // the other group kept its setting

    // Tab leaves the group and enters the next one at its checked button, checking nothing new.
    TwoGroups::Press(VK_TAB);
    EXPECT_TRUE(g.shapes[1]->Focused());
    EXPECT_EQ(TwoGroups::Checked(g.shapes), "01");
    TwoGroups::Press(VK_DOWN);
    EXPECT_TRUE(g.shapes[0]->Focused());
    EXPECT_EQ(TwoGroups::Checked(g.sizes), "10");
    EXPECT_EQ(TwoGroups::Checked(g.shapes), "10");
}
