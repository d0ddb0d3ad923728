#include <gtest/gtest.h>

#include "Application.h"
#include "SettingsTestSupport.h"
#include "DialogDriver.h"

// The radio button, the grid and the combo box take part in the source's protocol like the others:
// found among the owner's components on enabling, loaded once the loop runs, listed in order, told
// when the source goes, and off the list when they go.
TEST(BoundControlKinds, AreAttachedLoadedAndReleasedByTheirSource) {
    BoundFixture f;
    auto* radio = f.form->Add<TIniRadioButton>("Radio1");
    radio->CheckedValue = 4;
    auto* grid = f.form->Add<TIniGrid>("Grid1", nullptr, 100);
    auto* combo = f.form->Add<TIniComboBox>("Combo1");
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    combo->Items().Add("a");
    combo->Items().Add("b");
    for (TIniBoundControl* c : std::initializer_list<TIniBoundControl*>{combo, grid, radio}) {
        c->SetSectionName("S");
        c->SetDataSource(f.source);
    }
    EXPECT_EQ(f.source->BoundControlCount(), 3);

    const std::string other = f.dir / "other.ini";
    Store(other, "S", "Radio", "4");
    Store(other, "S", "Grid", "g1,g2");
    Store(other, "S", "Combo", "1");
    radio->SetKeyword("Radio");
    grid->SetKeyword("Grid");
    combo->SetKeyword("Combo");
    f.source->SetIniFileName(other);  // disables, re-enables: IM_ATTACH to every bound control of the form
    EXPECT_EQ(f.source->BoundControlCount(), 0);
    HandlePosted();
    ASSERT_EQ(f.source->BoundControlCount(), 3);
    // The form's component order: the source first, then radio, grid, combo.
    EXPECT_EQ(f.source->BoundControls(0), radio);
    EXPECT_EQ(f.source->BoundControls(1), grid);
    EXPECT_EQ(f.source->BoundControls(2), combo);
    EXPECT_TRUE(radio->Checked());
    EXPECT_EQ(grid->Cells(1, 1), "g1");
    EXPECT_EQ(grid->Cells(2, 1), "g2");
    EXPECT_EQ(combo->ItemIndex(), 1);

    delete grid;
    EXPECT_EQ(f.source->BoundControlCount(), 2);
    delete f.source;
    EXPECT_EQ(radio->DataSource(), nullptr);
    EXPECT_EQ(combo->DataSource(), nullptr);
    HandlePosted();
}

TEST(BoundControlKinds, ReportTheRefreshErrorWithTheirNames) {
    BoundFixture f;
    auto* combo = f.form->Add<TIniComboBox>("Combo1");
    combo->SetDataSource(f.source);
    HandlePosted();
    // An OnActivate that disables the source again leaves it disabled after the refresh enabled it.
    f.source->SetEnabled(false);
    f.source->OnActivate = [&](TObject*) { f.source->SetEnabled(false); };
    combo->SetText("kept");
    DialogSeen seen;
    DialogDriver driver;
    driver.Record(seen, "OK");
    SendMessageA(combo->Handle(), IM_REFRESH, 0, 0);
    EXPECT_EQ(seen.Text, "Refresh of Combo1 failed: IniSource1 not enabled.");
    EXPECT_EQ(combo->Text(), "kept");
}
