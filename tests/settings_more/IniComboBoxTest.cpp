#include <gtest/gtest.h>

#include "Application.h"
#include "SettingsTestSupport.h"
#include "DialogDriver.h"

namespace {

// A bound combo box on [Colours] Pick with the items red, green, blue.
struct ComboFixture : BoundFixture {
    explicit ComboFixture(TComboBoxStyle style) {
        combo = form->Add<TIniComboBox>("Combo1");
        combo->SetStyle(style);
        combo->Items().Add("red");
        combo->Items().Add("green");
        combo->Items().Add("blue");
        combo->SetSectionName("Colours");
        combo->SetKeyword("Pick");
    }
    void Bind() {
        combo->SetDataSource(source);
        HandlePosted();
    }
    std::string Stored() const { return StoredValue(path, "Colours", "Pick"); }
    void SetStored(const std::string& value) const { Store(path, "Colours", "Pick", value); }
    TIniComboBox* combo;
};

}  // namespace

TEST(IniComboBox, AListOnlyBoxStoresThePositionOfItsSelection) {
    ComboFixture f(TComboBoxStyle::csDropDownList);
    f.Bind();
    EXPECT_EQ(f.combo->ItemIndex(), 0);  // key absent, DefaultValue empty: position 0
    f.combo->SetItemIndex(1);
    f.source->Save();
    EXPECT_EQ(f.Stored(), "1");
    f.SetStored("2");
    f.source->Refresh();
    EXPECT_EQ(f.combo->ItemIndex(), 2);
    f.SetStored("7");  // outside the items: nothing selected, no error
    f.source->Refresh();
    EXPECT_EQ(f.combo->ItemIndex(), -1);
    f.source->Save();
    EXPECT_EQ(f.Stored(), "-1");
    f.source->Refresh();
    EXPECT_EQ(f.combo->ItemIndex(), -1);
    f.SetStored("0x2");  // the stored forms of integers are all read
    f.source->Refresh();
    EXPECT_EQ(f.combo->ItemIndex(), 2);
}

TEST(IniComboBox, TheDefaultPositionIsThePlainIntegerThatDefaultValueSpells) {
    ComboFixture f(TComboBoxStyle::csDropDownList);
    f.combo->SetDefaultValue("2");
    f.Bind();
    EXPECT_EQ(f.combo->ItemIndex(), 2);
    f.combo->SetItemIndex(0);
    SendFiltered(*f.combo, IM_SETDEFAULT, "colours");
    EXPECT_EQ(f.combo->ItemIndex(), 0);
    SendFiltered(*f.combo, IM_SETDEFAULT, "Colours");
    EXPECT_EQ(f.combo->ItemIndex(), 2);

    const std::pair<const char*, int> cases[] = {{"abc", 0}, {"0x2", 0}, {"$2", 2}, {" 1", 1}, {"1 ", 0}, {"-1", -1}};
    for (const auto& [text, position] : cases) {
        f.combo->SetDefaultValue(text);
        EXPECT_EQ(f.combo->DefaultItemIndex(), position) << text;
        EXPECT_EQ(f.combo->DefaultValue(), text);
    }
    f.combo->SetDefaultValue("abc");
    f.combo->SetItemIndex(2);
    SendMessageA(f.combo->Handle(), IM_SETDEFAULT, 0, 0);
    EXPECT_EQ(f.combo->ItemIndex(), 0);
    EXPECT_EQ(f.Stored(), "<absent>");
}

TEST(IniComboBox, TheOtherStylesStoreTheText) {
    ComboFixture f(TComboBoxStyle::csDropDown);
    f.combo->SetDefaultValue("2");
    f.Bind();
    EXPECT_EQ(f.combo->Text(), "2");  // the default as text, not as a position
    f.combo->SetText("purple");
    f.source->Save();
    EXPECT_EQ(f.Stored(), "purple");
    f.combo->SetText("");
    f.source->Refresh();
    EXPECT_EQ(f.combo->Text(), "purple");
    f.combo->SetText("x");
    SendMessageA(f.combo->Handle(), IM_SETDEFAULT, 0, 0);
    EXPECT_EQ(f.combo->Text(), "2");

    f.combo->SetStyle(TComboBoxStyle::csSimple);
    f.SetStored("blue");
    f.source->Refresh();
    EXPECT_EQ(f.combo->Text(), "blue");
}

TEST(IniComboBox, AValueStoredUnderOneStyleIsReadUnderTheStyleOfTheMoment) {
    ComboFixture f(TComboBoxStyle::csDropDownList);
    f.combo->SetDefaultValue("1");
    f.Bind();
    f.combo->SetItemIndex(2);
    f.source->Save();
    EXPECT_EQ(f.Stored(), "2");
    f.combo->SetStyle(TComboBoxStyle::csDropDown);
    f.source->Refresh();
    EXPECT_EQ(f.combo->Text(), "2");  // the position, read as text
    f.combo->SetText("green");
    f.source->Save();
    EXPECT_EQ(f.Stored(), "green");
    f.combo->SetStyle(TComboBoxStyle::csDropDownList);
    f.source->Refresh();
    EXPECT_EQ(f.combo->ItemIndex(), 1);  // "green" is no number: the default position

    // An owner-drawn list has no edit part either, yet keeps the text.
    f.combo->SetStyle(TComboBoxStyle::csOwnerDrawFixed);
    f.combo->SetItemIndex(2);
    f.source->Save();
    EXPECT_EQ(f.Stored(), "blue");
    f.SetStored("RED");
    f.source->Refresh();
    EXPECT_EQ(f.combo->ItemIndex(), 0);
}

TEST(IniComboBox, ARefreshForAnotherSectionChangesNothingButStillEnablesTheSource) {
    ComboFixture f(TComboBoxStyle::csDropDown);
    f.Bind();
    f.combo->SetText("mine");
    f.SetStored("theirs");
    int activations = 0;
    f.source->OnActivate = [&](TObject*) { ++activations; };
    f.source->SetEnabled(false);
    SendFiltered(*f.combo, IM_REFRESH, "Other");
    EXPECT_EQ(activations, 1);
    EXPECT_TRUE(f.source->Enabled());
    EXPECT_EQ(f.combo->Text(), "mine");
    SendFiltered(*f.combo, IM_SAVE, "Other");
    EXPECT_EQ(f.Stored(), "theirs");
    SendFiltered(*f.combo, IM_REFRESH, "Colours");
    EXPECT_EQ(f.combo->Text(), "theirs");
}

TEST(IniComboBox, TypingOnTheListSetsModifiedButPickingWithTheMouseDoesNot) {
    ComboFixture f(TComboBoxStyle::csDropDownList);
    f.Bind();
    f.combo->SetFocus();
    // The mouse: drop the list down and click the third item.
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(f.combo->Handle(), &info));
    SendMessageA(f.combo->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
    HandlePosted();
    RECT item{};
    SendMessageA(info.hwndList, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM(item.left + 5, item.top + 3);
    SendMessageA(info.hwndList, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(info.hwndList, WM_LBUTTONUP, 0, at);
    HandlePosted();
    EXPECT_EQ(f.combo->ItemIndex(), 2);
    EXPECT_FALSE(f.combo->Modified());
    f.combo->SetItemIndex(0);
    f.source->Refresh();
    EXPECT_FALSE(f.combo->Modified());
    EXPECT_FALSE(f.source->Modified());

    TypeInto(f.combo->Handle(), "g");
    EXPECT_EQ(f.combo->ItemIndex(), 1);
    EXPECT_TRUE(f.combo->Modified());
    EXPECT_TRUE(f.source->Modified());
}

TEST(IniComboBox, TypingIntoTheEditPartDoesNotSetModified) {
    ComboFixture f(TComboBoxStyle::csDropDown);
    f.Bind();
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(f.combo->Handle(), &info));
    SetFocus(info.hwndItem);
    TypeInto(info.hwndItem, "teal");
    EXPECT_EQ(f.combo->Text(), "teal");
    EXPECT_FALSE(f.combo->Modified());
    f.source->Save();
    EXPECT_EQ(f.Stored(), "teal");
}

// Style, Sorted, ItemHeight and DropDownCount make the window again; the value must come through.
TEST(IniComboBox, KeepsItsTextAndSelectionWhenItsWindowIsMadeAgain) {
    ComboFixture f(TComboBoxStyle::csDropDown);
    f.Bind();
    f.combo->SetItemIndex(1);
    f.SetStored("purple");  // a loaded text that is no item, over a selected one
    f.source->Refresh();
    ASSERT_EQ(f.combo->Text(), "purple");
    f.combo->SetDropDownCount(12);
    EXPECT_EQ(f.combo->Text(), "purple");
    f.combo->SetItemHeight(20);
    EXPECT_EQ(f.combo->Text(), "purple");
    f.combo->SetSorted(true);
    EXPECT_EQ(f.combo->Text(), "purple");
    // A typed text.
    f.combo->SetItemIndex(2);
    HWND editPart = FindWindowExA(f.combo->Handle(), nullptr, "Edit", nullptr);
    ASSERT_NE(editPart, nullptr);
    SetWindowTextA(editPart, "");
    TypeInto(editPart, "typed");
    ASSERT_EQ(f.combo->Text(), "typed");
    f.combo->SetStyle(TComboBoxStyle::csSimple);
    EXPECT_EQ(f.combo->Text(), "typed");
    f.source->Save();
    EXPECT_EQ(f.Stored(), "typed");

    // Without an edit part the text is the selected item's: it keeps its item wherever sorting puts it.
    f.combo->SetStyle(TComboBoxStyle::csDropDownList);
    f.combo->SetSorted(false);
    f.combo->Items().Clear();
    for (const char* colour : {"red", "green", "blue"}) f.combo->Items().Add(colour);
    f.combo->SetItemIndex(0);
    f.combo->SetSorted(true);  // blue, green, red
    EXPECT_EQ(f.combo->Text(), "red");
    EXPECT_EQ(f.combo->ItemIndex(), 2);
    f.source->Save();
    EXPECT_EQ(f.Stored(), "2");
    // Going to a style with an edit part and back keeps the item named by the text.
    f.combo->SetStyle(TComboBoxStyle::csDropDown);
    EXPECT_EQ(f.combo->Text(), "red");
    f.combo->SetText("Green");
    f.combo->SetStyle(TComboBoxStyle::csDropDownList);
    EXPECT_EQ(f.combo->ItemIndex(), 1);
    EXPECT_EQ(f.combo->Text(), "green");
}
