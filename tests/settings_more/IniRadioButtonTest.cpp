#include <gtest/gtest.h>

#include "Application.h"
#include "SettingsTestSupport.h"
#include "DialogDriver.h"
#include "Label.h"

namespace {

// Three bound buttons on one panel sharing [Look] Size, with CheckedValue 1, 2 and 3 unless given.
struct RadioGroup : BoundFixture {
    explicit RadioGroup(std::vector<uint16_t> values = {1, 2, 3}) {
        panel = form->Add<TGroupBox>("Panel", nullptr, 100);
        for (size_t i = 0; i < values.size(); ++i) {
            auto* b = new TIniRadioButton(form);
            b->Name = "Radio" + std::to_string(i + 1);
            b->SetParent(panel);
            b->SetBounds(10, 15 + 25 * static_cast<int>(i), 100, 20);
            b->CheckedValue = values[i];
            b->SetSectionName("Look");
            b->SetKeyword("Size");
            buttons.push_back(b);
        }
    }
    void Bind() {
        for (TIniRadioButton* b : buttons) b->SetDataSource(source);
        HandlePosted();
    }
    std::string Checked() const {
        std::string marks;
        for (TIniRadioButton* b : buttons) marks += b->Checked() ? '1' : '0';
        return marks;
    }
    std::string Modified() const {
        std::string marks;
        for (TIniRadioButton* b : buttons) marks += b->Modified() ? '1' : '0';
        return marks;
    }
    std::string Stored() const { return StoredValue(path, "Look", "Size"); }
    TGroupBox* panel;
    std::vector<TIniRadioButton*> buttons;
};

}  // namespace

TEST(IniRadioButton, TheCheckedButtonStoresItsNumberAndALoadChecksTheMatchingOne) {
    RadioGroup g;
    g.Bind();
    EXPECT_EQ(g.Checked(), "000");  // key absent: 0, which no button carries
    g.source->Save();
    EXPECT_EQ(g.Stored(), "<absent>");  // no button checked: nothing written

    SendMessageA(g.buttons[1]->Handle(), BM_CLICK, 0, 0);  // the user picks the second
    g.source->Save();
    EXPECT_EQ(g.Stored(), "2");
    g.buttons[2]->SetChecked(true);
    g.source->Refresh();
    EXPECT_EQ(g.Checked(), "010");

    Store(g.path, "Look", "Size", "7");
    g.source->Refresh();
    EXPECT_EQ(g.Checked(), "000");
    g.source->Save();
    EXPECT_EQ(g.Stored(), "7");  // left as it was

    Store(g.path, "Look", "Size", "0x3");  // the stored forms of integers are all read
    g.source->Refresh();
    EXPECT_EQ(g.Checked(), "001");
    Store(g.path, "Look", "Size", "three");  // no number: 0
    g.source->Refresh();
    EXPECT_EQ(g.Checked(), "000");
}

TEST(IniRadioButton, CheckedValueZeroLoadsWhenTheKeyIsAbsentAndTheLoadCountsAsAChange) {
    RadioGroup g({0, 65535, 5});
    EXPECT_FALSE(g.source->Modified());
    g.Bind();
    EXPECT_EQ(g.Checked(), "100");
    EXPECT_EQ(g.Modified(), "100");  // checked by the load: its Click ran
    EXPECT_TRUE(g.source->Modified());

    g.buttons[1]->SetChecked(true);
    g.source->Save();
    EXPECT_EQ(g.Stored(), "65535");
    g.source->Refresh();
    EXPECT_EQ(g.Checked(), "010");
    EXPECT_EQ(g.Modified(), "110");  // becoming unchecked is no change of its own
}

TEST(IniRadioButton, DefaultsAndSectionFilters) {
    RadioGroup g;
    g.buttons[0]->DefaultValue = true;
    g.buttons[2]->DefaultValue = true;
    g.Bind();
    SendFiltered(*g.buttons[0], IM_SETDEFAULT, "look");  // the case differs: ignored
    EXPECT_EQ(g.Checked(), "000");
    for (TIniRadioButton* b : g.buttons) SendMessageA(b->Handle(), IM_SETDEFAULT, 0, 0);
    EXPECT_EQ(g.Checked(), "001");  // the last button with a true default wins
    EXPECT_EQ(StoredValue(g.path, "Look", "Size"), "<absent>");

    SendFiltered(*g.buttons[2], IM_SAVE, "Other");
    EXPECT_EQ(g.Stored(), "<absent>");
    SendFiltered(*g.buttons[2], IM_SAVE, "Look");
    EXPECT_EQ(g.Stored(), "3");

    Store(g.path, "Look", "Size", "1");
    SendFiltered(*g.buttons[0], IM_REFRESH, "Other");  // a refresh takes no filter
    EXPECT_EQ(g.Checked(), "100");
}

TEST(IniRadioButton, ADisabledSourceIsASaveErrorEvenForAnUncheckedButton) {
    RadioGroup g;
    g.Bind();
    g.source->SetEnabled(false);
    DialogSeen seen;
    DialogDriver driver;
    driver.Record(seen, "OK");
    SendFiltered(*g.buttons[1], IM_SAVE, "Other");  // the source is checked before the filter
    EXPECT_EQ(seen.Text, "Save of Radio2 failed: IniSource1 not enabled.");
    EXPECT_EQ(g.Stored(), "<absent>");
}
