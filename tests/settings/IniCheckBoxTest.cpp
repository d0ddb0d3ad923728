#include <gtest/gtest.h>

#include "Application.h"
#include "DialogDriver.h"
#include "SettingsTestSupport.h"
#include "TestFiles.h"

namespace {

// Check boxes on one key, Options in section Tessellor, bound to a source on a fresh file.
struct Boxes {
    Boxes() {
        source = new TIniSource(&form);
        source->Name = "IniSource1";
        source->SetIniFileName(path);
    }
    TIniCheckBox* Add(int position, bool grayed = false) {
        auto* box = form.Add<TIniCheckBox>("Box" + std::to_string(boxes.size() + 1));
        box->SetSectionName("Tessellor");
        box->SetKeyword("Options");
        box->SetAllowGrayed(grayed);
        box->SetCheckedValue(static_cast<uint8_t>(position));
        boxes.push_back(box);
        return box;
    }
    // Binds every box and lets them load.
    void Load() {
        for (TIniCheckBox* box : boxes) box->SetDataSource(source);
        HandlePosted();
    }
    std::string Stored() const { return StoredValue(path, "Tessellor", "Options"); }
    void SetStored(const std::string& value) { Store(path, "Tessellor", "Options", value); }
    TempDir dir;
    std::string path = dir / "boxes.ini";
    TBoundForm form{Application};
    TIniSource* source;
    std::vector<TIniCheckBox*> boxes;
};

// What the user's click does: the button tells its parent it was clicked.
void UserClick(TIniCheckBox* box) {
    SendMessageA(box->Handle(), BM_CLICK, 0, 0);
    HandlePosted();
}

LRESULT ButtonState(TIniCheckBox* box) { return SendMessageA(box->Handle(), BM_GETCHECK, 0, 0); }

}  // namespace

TEST(IniCheckBox, AnAbsentKeyReadsAsBitsZeroToFourteenSet) {
    Boxes f;
    TIniCheckBox* plain = f.Add(0);
    TIniCheckBox* inverted = f.Add(14);
    inverted->Inverted = true;
    TIniCheckBox* top = f.Add(15);
    TIniCheckBox* grayed = f.Add(2, true);
    grayed->DefaultValue = cbGrayed;
    TIniCheckBox* high = f.Add(14, true);
    f.Load();
    EXPECT_EQ(plain->State(), cbChecked);
    EXPECT_EQ(inverted->State(), cbUnchecked);
    EXPECT_EQ(top->State(), cbUnchecked);
    EXPECT_EQ(grayed->State(), cbGrayed);  // code 3: its DefaultValue
    EXPECT_EQ(high->State(), cbChecked);   // bit 15 clear, bit 14 set: code 1
    EXPECT_EQ(ButtonState(grayed), BST_INDETERMINATE);
    EXPECT_EQ(ButtonState(plain), BST_CHECKED);
    EXPECT_EQ(f.Stored(), "<absent>");
}

TEST(IniCheckBox, EachBoxWritesItsOwnFieldOfAKeyReadAfresh) {
    {
        Boxes f;
        f.Add(0);
        f.Load();
        f.source->Save();
        EXPECT_EQ(f.Stored(), "1");  // built on 0, not on the 32767 of reading
    }
    {
        Boxes f;
        f.Add(0)->Inverted = true;
        f.Load();
        EXPECT_FALSE(f.boxes[0]->Checked());
        f.source->Save();
        EXPECT_EQ(f.Stored(), "1");
    }
    {
        Boxes f;
        f.Add(2, true)->DefaultValue = cbGrayed;
        f.Load();
        f.source->Save();
        EXPECT_EQ(f.Stored(), "8");
    }
    {
        Boxes f;
        f.SetStored("5");
        f.Add(0);
        f.Add(1);
        f.Add(2);
        f.Load();
        EXPECT_EQ(f.boxes[0]->State(), cbChecked);
        EXPECT_EQ(f.boxes[1]->State(), cbUnchecked);
        EXPECT_EQ(f.boxes[2]->State(), cbChecked);
        f.boxes[2]->SetChecked(false);
        f.source->Save();
        EXPECT_EQ(f.Stored(), "1");
        // Shared key, one box at a time: a box that changes keeps the others' bits.
        f.boxes[1]->SetChecked(true);
        SendMessageA(f.boxes[1]->Handle(), IM_SAVE, 0, 0);
        EXPECT_EQ(f.Stored(), "3");
    }
}

TEST(IniCheckBox, WritesDropBitsSixteenToThirtyOneAndAlwaysUseDecimal) {
    {
        Boxes f;
        f.SetStored("-1");
        f.Add(0);
        f.Load();
        EXPECT_TRUE(f.boxes[0]->Checked());
        f.boxes[0]->SetChecked(false);
        f.source->Save();
        EXPECT_EQ(f.Stored(), "65534");
    }
    {
        Boxes f;
        f.SetStored("0x0004");
        f.Add(2);
        f.Load();
        EXPECT_TRUE(f.boxes[0]->Checked());
        f.source->Save();
        EXPECT_EQ(f.Stored(), "4");
    }
    {
        Boxes f;
        f.SetStored("abc");
        f.Add(3);
        f.Load();
        EXPECT_TRUE(f.boxes[0]->Checked());
        f.source->Save();
        EXPECT_EQ(f.Stored(), "8");
    }
    {
        // A two-state box grayed by code cannot say so in one bit; no other bit may change.
        Boxes f;
        f.SetStored("2");
        f.Add(0);
        f.Load();
        f.boxes[0]->SetState(cbGrayed);
        f.source->Save();
        EXPECT_EQ(f.Stored(), "2");
    }
}

TEST(IniCheckBox, ClicksMoveTheStateOnAndMarkTheBoxModified) {
    Boxes f;
    f.SetStored("0");
    TIniCheckBox* two = f.Add(0);
    TIniCheckBox* three = f.Add(2, true);
    int clicks = 0;
    three->OnClick = [&](TObject*) { ++clicks; };
    f.Load();
    EXPECT_FALSE(f.source->Modified());  // a load that keeps the state changes nothing

    UserClick(two);
    EXPECT_EQ(two->State(), cbChecked);
    EXPECT_EQ(ButtonState(two), BST_CHECKED);
    EXPECT_TRUE(two->Modified());
    EXPECT_TRUE(f.source->Modified());
    UserClick(two);
    EXPECT_EQ(two->State(), cbUnchecked);

    const TCheckBoxState cycle[] = {cbGrayed, cbChecked, cbUnchecked, cbGrayed};
    for (TCheckBoxState expected : cycle) {
        UserClick(three);
        EXPECT_EQ(three->State(), expected);
        EXPECT_EQ(ButtonState(three), static_cast<LRESULT>(expected));
    }
    EXPECT_EQ(clicks, 4);
    f.source->Save();
    EXPECT_EQ(f.Stored(), "8");  // grayed at bits 2-3
    f.source->Refresh();
    EXPECT_TRUE(three->Modified());  // nothing clears it
}

TEST(IniCheckBox, ResetToTheDefaultCountsAsAChangeOnlyWhenItIsOne) {
    Boxes f;
    f.SetStored("0");
    TIniCheckBox* box = f.Add(0);
    f.Load();  // unchecked, as it was made: no change
    SendMessageA(box->Handle(), IM_SETDEFAULT, 0, 0);
    EXPECT_FALSE(box->Modified());
    box->DefaultValue = cbChecked;
    SendFiltered(*box, IM_SETDEFAULT, "Elsewhere");
    EXPECT_FALSE(box->Checked());
    SendMessageA(box->Handle(), IM_SETDEFAULT, 0, 0);
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(box->Modified());
    EXPECT_EQ(f.Stored(), "0");  // the file is not touched
}

TEST(IniCheckBox, AnOddPositionAndGrayedClicksRefuseEachOther) {
    Boxes f;
    TIniCheckBox* box = f.Add(0, true);
    DialogSeen first, second;
    {
        DialogDriver driver;
        driver.Record(first, "OK");
        box->SetCheckedValue(3);
    }
    EXPECT_EQ(first.Caption, "Error");
    EXPECT_EQ(first.Text, "CheckedValue must be even if AllowGrayed is true");
    EXPECT_EQ(first.Icon, "stop");
    EXPECT_EQ(first.Buttons, (std::vector<std::string>{"OK", "&Help"}));
    EXPECT_EQ(box->CheckedValue(), 0);
    box->SetCheckedValue(4);
    EXPECT_EQ(box->CheckedValue(), 4);

    box->SetAllowGrayed(false);
    box->SetCheckedValue(3);
    {
        DialogDriver driver;
        driver.Record(second, "OK");
        box->SetAllowGrayed(true);
    }
    EXPECT_EQ(second.Text, "AllowGrayed must be false if CheckedValue is odd");
    EXPECT_FALSE(box->AllowGrayed());
    for (int i = 0; i < 3; ++i) {
        UserClick(box);
        EXPECT_NE(box->State(), cbGrayed);
    }
}

TEST(IniCheckBox, APositionOutsideTheSixteenBitsIsRefused) {
    Boxes f;
    TIniCheckBox* box = f.Add(15);
    EXPECT_EQ(box->CheckedValue(), 15);
    for (int wrong : {16, 31, 255, 256, -1}) {
        DialogSeen seen;
        {
            DialogDriver driver;
            driver.Record(seen, "OK");
            box->SetCheckedValue(wrong);
        }
        EXPECT_EQ(seen.Caption, "Error") << wrong;
        EXPECT_EQ(seen.Text, "CheckedValue must be from 0 to 15") << wrong;
        EXPECT_EQ(seen.Icon, "stop");
        EXPECT_EQ(seen.Buttons, (std::vector<std::string>{"OK", "&Help"}));
        EXPECT_EQ(box->CheckedValue(), 15) << wrong;
    }
    // The box still owns bit 15 of the key.
    f.SetStored("1");
    f.Load();
    EXPECT_FALSE(box->Checked());
    box->SetChecked(true);
    f.source->Save();
    EXPECT_EQ(f.Stored(), "32769");
}
