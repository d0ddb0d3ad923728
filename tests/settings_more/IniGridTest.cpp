#include <gtest/gtest.h>

#include "Application.h"
#include "SettingsTestSupport.h"
#include "DialogDriver.h"

namespace {

// A bound grid on [Table] Cells: one fixed row and column, `cols` x `rows` cells in all.
struct GridFixture : BoundFixture {
    explicit GridFixture(int cols = 3, int rows = 3) {
        grid = form->Add<TIniGrid>("Grid1", nullptr, 150);
        grid->SetColCount(cols);
        grid->SetRowCount(rows);
        grid->SetSectionName("Table");
        grid->SetKeyword("Cells");
    }
    void Bind() {
        grid->SetDataSource(source);
        HandlePosted();
    }
    // The non-fixed cells in row-major order, each followed by "|".
    std::string Cells() const {
        std::string all;
        for (int r = grid->FixedRows(); r < grid->RowCount(); ++r)
            for (int c = grid->FixedCols(); c < grid->ColCount(); ++c) all += grid->Cells(c, r) + "|";
        return all;
    }
    void Fill(const std::vector<std::string>& texts) {
        size_t i = 0;
        for (int r = grid->FixedRows(); r < grid->RowCount(); ++r)
            for (int c = grid->FixedCols(); c < grid->ColCount() && i < texts.size(); ++c) grid->SetCells(c, r, texts[i++]);
    }
    std::string Stored(const std::string& key = "Cells") const { return StoredValue(path, "Table", key); }
    TIniGrid* grid;
};

// The hierarchical grid: rows titled Width and 2nd, columns Min and Max, keyword Size.
struct TitledGrid : GridFixture {
    TitledGrid() {
        grid->SetKeyword("Size");
        grid->SetCells(0, 1, "Width");
        grid->SetCells(0, 2, "2nd");
        grid->SetCells(1, 0, "Min");
        grid->SetCells(2, 0, "Max");
        grid->SetHierarchical(true);
    }
};

}  // namespace

TEST(IniGrid, FlatSaveJoinsTheCellsAndALoadSpreadsThemBack) {
    GridFixture f;
    f.Bind();
    EXPECT_EQ(f.Cells(), "||||");  // absent key, empty DefaultValue: the first cell emptied
    f.Fill({"a", "b", "c", "d"});
    f.source->Save();
    EXPECT_EQ(f.Stored(), "a,b,c,d");
    f.Fill({"", "", "", ""});
    f.source->Refresh();
    EXPECT_EQ(f.Cells(), "a|b|c|d|");

    Store(f.path, "Table", "Cells", "x");  // fewer values: the other cells keep their texts
    f.source->Refresh();
    EXPECT_EQ(f.Cells(), "x|b|c|d|");
    Store(f.path, "Table", "Cells", "1,2,3,4,5,6");  // more values: the rest is ignored
    f.source->Refresh();
    EXPECT_EQ(f.Cells(), "1|2|3|4|");
    Store(f.path, "Table", "Cells", "p,,q");
    f.source->Refresh();
    EXPECT_EQ(f.Cells(), "p||q|4|");

    // A comma inside a cell is stored as it is and comes back as a separator.
    f.Fill({"a,b", "c", "d", "e"});
    f.source->Save();
    EXPECT_EQ(f.Stored(), "a,b,c,d,e");
    f.source->Refresh();
    EXPECT_EQ(f.Cells(), "a|b|c|d|");
}

TEST(IniGrid, FlatValuesAreCutAt254CharactersOnSaveAndReadThroughA255CharacterWindow) {
    GridFixture f;
    f.Bind();
    const std::string a(100, 'a'), b(100, 'b'), c(100, 'c');
    f.Fill({a, b, c, "dd"});
    f.source->Save();
    const std::string joined = a + "," + b + "," + c + ",dd";
    EXPECT_EQ(f.Stored(), joined.substr(0, 254));
    f.Fill({"", "", "", "old"});
    f.source->Refresh();  // what the grid wrote itself always comes back
    EXPECT_EQ(f.Cells(), a + "|" + b + "|" + std::string(52, 'c') + "|old|");

    // After the first value only 255 characters stay in play: the third value is cut off, loses its
    // comma, and the spread ends there.
    const std::string b200(200, 'b'), c60(60, 'c');
    Store(f.path, "Table", "Cells", "x," + b200 + "," + c60 + ",d");
    f.Fill({"", "", "keep3", "keep4"});
    f.source->Refresh();
    EXPECT_EQ(f.Cells(), "x|" + b200 + "|keep3|keep4|");
}

TEST(IniGrid, AGridWithoutNonFixedCellsWritesAnEmptyValueAndReadsNothing) {
    GridFixture f(3, 1);
    f.grid->DefaultValue = "z";
    f.Bind();  // no cell to fill, none outside the grid touched
    EXPECT_EQ(f.grid->Cells(1, 0), "");
    f.source->Save();
    EXPECT_EQ(f.Stored(), "");
    SendMessageA(f.grid->Handle(), IM_SETDEFAULT, 0, 0);
    EXPECT_EQ(f.grid->Cells(1, 0), "");
}

TEST(IniGrid, DefaultsFillTheFirstCellsOnAbsentKeysAndOnReset) {
    GridFixture f;
    f.grid->DefaultValue = "0,0";
    f.Fill({"a", "b", "c", "d"});
    f.Bind();
    EXPECT_EQ(f.Cells(), "0|0|c|d|");
    f.Fill({"a", "b", "c", "d"});
    SendFiltered(*f.grid, IM_SETDEFAULT, "table");
    EXPECT_EQ(f.Cells(), "a|b|c|d|");
    SendFiltered(*f.grid, IM_SETDEFAULT, "Table");
    EXPECT_EQ(f.Cells(), "0|0|c|d|");
    EXPECT_EQ(f.Stored(), "<absent>");
}

TEST(IniGrid, HierarchicalKeysComeFromValidRowAndColumnTitles) {
    TitledGrid f;
    f.grid->DefaultValue = "d1,d2,d3,d4";
    f.Bind();
    EXPECT_EQ(f.Cells(), "d1|d2|d3|d4|");
    f.Fill({"10", "", "x", "y"});
    f.source->Save();
    EXPECT_EQ(f.Stored("Size\\Width\\Min"), "10");
    EXPECT_EQ(f.Stored("Size\\Width\\Max"), "");  // an empty cell is written too
    EXPECT_EQ(f.Stored("Size\\2nd\\Min"), "<absent>");
    EXPECT_EQ(f.Stored("Size"), "<absent>");

    Store(f.path, "Table", "Size\\2nd\\Min", "never read");
    WritePrivateProfileStringA("Table", "Size\\Width\\Max", nullptr, f.path.c_str());  // a key gone
    f.Fill({"", "", "", ""});
    f.source->Refresh();
    EXPECT_EQ(f.Cells(), "10|d2|d3|d4|");  // defaults first, then what the file has

    // Titles must be identifiers: letters, digits and "_", not starting with a digit.
    for (const char* bad : {"", "Max Width", "9lives", "a.b", "caf\xE9", "-x"}) {
        EXPECT_FALSE(TIniGrid::IsValidTitle(bad)) << bad;
    }
    for (const char* good : {"_", "a", "Z9_", "_9"}) {
        EXPECT_TRUE(TIniGrid::IsValidTitle(good)) << good;
    }
    f.grid->SetCells(2, 0, "_max2");
    f.grid->SetCells(0, 2, "Height");
    f.Fill({"1", "2", "3", "4"});
    f.source->Save();
    EXPECT_EQ(f.Stored("Size\\Height\\_max2"), "4");
}

TEST(IniGrid, HierarchicalIsRefusedWithoutTitleRowAndColumn) {
    GridFixture f;
    f.grid->SetFixedCols(0);
    DialogSeen seen;
    {
        DialogDriver driver;
        driver.Record(seen, "OK");
        f.grid->SetHierarchical(true);
    }
    EXPECT_FALSE(f.grid->Hierarchical());
    EXPECT_EQ(seen.Caption, "Error");
    EXPECT_EQ(seen.Text, "Need row and column titles to write out in hierarchical format");
    EXPECT_EQ(seen.Icon, "stop");
    EXPECT_EQ(seen.Buttons, (std::vector<std::string>{"OK", "&Help"}));

    f.grid->SetFixedCols(1);
    f.grid->SetHierarchical(true);  // accepted without a dialog
    EXPECT_TRUE(f.grid->Hierarchical());
    // Losing the title column afterwards: the walk finds no titles and touches nothing.
    f.grid->SetFixedCols(0);
    f.Bind();
    f.source->Save();
    EXPECT_EQ(f.Stored(), "<absent>");
    f.grid->SetHierarchical(false);
    EXPECT_FALSE(f.grid->Hierarchical());
}

TEST(IniGrid, SectionFiltersApplyToAllThreeAndTheSourceIsCheckedFirst) {
    GridFixture f;
    f.Bind();
    f.Fill({"a", "b", "c", "d"});
    SendFiltered(*f.grid, IM_SAVE, "Other");
    EXPECT_EQ(f.Stored(), "<absent>");
    Store(f.path, "Table", "Cells", "x,y");
    SendFiltered(*f.grid, IM_REFRESH, "Other");
    EXPECT_EQ(f.Cells(), "a|b|c|d|");

    int activations = 0;
    f.source->OnActivate = [&](TObject*) { ++activations; };
    f.source->SetEnabled(false);
    SendFiltered(*f.grid, IM_REFRESH, "Other");  // enables the source all the same
    EXPECT_EQ(activations, 1);
    EXPECT_EQ(f.Cells(), "a|b|c|d|");

    f.source->SetEnabled(false);
    DialogSeen seen;
    DialogDriver driver;
    driver.Record(seen, "OK");
    SendFiltered(*f.grid, IM_SAVE, "Other");
    EXPECT_EQ(seen.Text, "Save of Grid1 failed: IniSource1 not enabled.");
}

TEST(IniGrid, TypedCharactersOnTheGridItselfSetModified) {
    GridFixture f;
    f.Bind();
    f.grid->SetFocus();
    TypeInto(f.grid->Handle(), "\r\x1b\t");
    EXPECT_FALSE(f.grid->Modified());
    EXPECT_FALSE(f.source->Modified());
    TypeInto(f.grid->Handle(), "\b");  // no editing: no cell changes, yet it counts
    EXPECT_TRUE(f.grid->Modified());
    EXPECT_EQ(f.Cells(), "||||");
    f.source->Save();
    f.source->Refresh();
    EXPECT_TRUE(f.grid->Modified());
    EXPECT_TRUE(f.source->Modified());
}

TEST(IniGrid, TextTypedIntoTheCellEditorIsSavedButDoesNotSetModified) {
    GridFixture f;
    f.grid->SetOptions(f.grid->Options() | goEditing);
    f.Bind();
    f.grid->SetFocus();
    f.grid->SetEditorMode(true);
    ASSERT_NE(f.grid->EditorHandle(), nullptr);
    TypeInto(f.grid->EditorHandle(), "typed");
    EXPECT_FALSE(f.grid->Modified());
    f.source->Save();  // the editor is still open: what it holds is part of the value
    EXPECT_EQ(f.Stored(), "typed,,,");
    EXPECT_FALSE(f.grid->EditorMode());

    // A load drops an open editor, so it cannot put its old text over the loaded cell later.
    Store(f.path, "Table", "Cells", "loaded");
    TypeInto(f.grid->Handle(), "z");
    EXPECT_TRUE(f.grid->EditorMode());
    EXPECT_TRUE(f.grid->Modified());
    f.source->Refresh();
    EXPECT_FALSE(f.grid->EditorMode());
    EXPECT_EQ(f.grid->Cells(1, 1), "loaded");
}
