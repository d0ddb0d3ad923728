#include <gtest/gtest.h>

#include "Application.h"
#include "Button.h"
#include "DialogDriver.h"
#include "Exceptions.h"
#include "Form.h"
#include "StringGrid.h"

namespace {

// A grid that logs the characters its window receives before the base grid handles them, and
// lets the test paint it into a bitmap.
class TLoggingGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
    std::vector<std::string> Log;
    void WndProc(TMessage& message) override {
        if (message.Msg == WM_CHAR)
            Log.push_back(std::string(1, static_cast<char>(message.WParam)) + (EditorMode() ? ":open" : ":closed"));
        TStringGrid::WndProc(message);
    }
    using TStringGrid::Paint;
};

// A shown form with a grid of 4 x 3 cells (one fixed row and column) and an OK and a Cancel button,
// so that Enter and Esc have somewhere else to go.
struct GridForm {
    GridForm() {
        form.SetCaption("Grid");
        form.SetBounds(40, 40, 400, 260);
        grid = new TLoggingGrid(&form);
        grid->SetParent(&form);
        grid->SetBounds(10, 10, 360, 150);
        grid->SetColCount(4);
        grid->SetRowCount(3);
        grid->TabOrder = 0;
        ok = AddButton("OK", 1);
        ok->Default = true;
        cancel = AddButton("Cancel", 2);
        cancel->Cancel = true;
        form.Show();
        grid->SetFocus();
    }
    TButton* AddButton(const std::string& caption, int order) {
        auto* b = new TButton(&form);
        b->SetParent(&form);
        b->SetCaption(caption);
        b->SetBounds(10 + 90 * (order - 1), 180, 75, 25);
        b->TabOrder = order;
        b->OnClick = [this, caption](TObject*) { pressed.push_back(caption); };
        return b;
    }
    // Keys as the keyboard delivers them: to the focused window, through the application's loop.
    void Key(UINT vk) {
        PostMessageA(GetFocus(), WM_KEYDOWN, vk, 1);
        PumpFor(60);
    }
    void Type(const std::string& text) {
        for (char c : text) PostMessageA(GetFocus(), WM_CHAR, static_cast<unsigned char>(c), 1);
        PumpFor(60);
    }
    std::string Current() const { return std::to_string(grid->Col()) + "," + std::to_string(grid->Row()); }
    ~GridForm() { form.Hide(); }

    TForm form{Application};
    TLoggingGrid* grid;
    TButton* ok;
    TButton* cancel;
    std::vector<std::string> pressed;
};

}  // namespace

TEST(StringGrid, CellsKeepTheirTextsWhenTheShapeChangesAndNothingOutsideIsReached) {
    TStringGrid grid(Application);
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.FixedRows(), 1);
    grid.SetCells(4, 4, "corner");
    grid.SetCells(1, 1, "first");
    grid.SetColCount(3);
    grid.SetColCount(5);
    EXPECT_EQ(grid.Cells(1, 1), "first");
    EXPECT_EQ(grid.Cells(4, 4), "");  // cut off and made again: empty
    EXPECT_THROW(grid.Cells(5, 0), EInvalidOperation);
    EXPECT_THROW(grid.SetCells(0, -1, "x"), EInvalidOperation);

    // Fixed counts follow the counts down; without non-fixed cells there is no current cell.
    grid.SetRowCount(1);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.Row(), -1);
    grid.SetRowCount(4);
    EXPECT_EQ(grid.Row(), 1);
    grid.SetFixedCols(9);
    EXPECT_EQ(grid.FixedCols(), 5);
    EXPECT_EQ(grid.Col(), -1);
    EXPECT_THROW(grid.SetCurrentCell(4, 1), EInvalidOperation);
}

TEST(StringGrid, ArrowKeysAndTheMouseMoveTheCurrentCellWithinTheNonFixedCells) {
    GridForm f;
    EXPECT_EQ(f.Current(), "1,1");
    EXPECT_EQ(SendMessageA(f.grid->Handle(), WM_GETDLGCODE, 0, 0) & (DLGC_WANTARROWS | DLGC_WANTCHARS),
              DLGC_WANTARROWS | DLGC_WANTCHARS);
    f.Key(VK_LEFT);
    f.Key(VK_UP);
    EXPECT_EQ(f.Current(), "1,1");  // the fixed cells are never current
    f.Key(VK_RIGHT);
    f.Key(VK_RIGHT);
    f.Key(VK_RIGHT);
    f.Key(VK_DOWN);
    f.Key(VK_DOWN);
    EXPECT_EQ(f.Current(), "3,2");
    f.Key(VK_HOME);
    EXPECT_EQ(f.Current(), "1,2");
    EXPECT_TRUE(f.grid->Focused());  // the dialog manager left the arrows to the grid

    const RECT cell = f.grid->CellRect(2, 1);
    SendMessageA(f.grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(cell.left + 3, cell.top + 3));
    EXPECT_EQ(f.Current(), "2,1");
    const RECT title = f.grid->CellRect(3, 0);
    SendMessageA(f.grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(title.left + 3, title.top + 3));
    EXPECT_EQ(f.Current(), "2,1");

    // Moving below the window scrolls the rows under the fixed one; the current cell stays in view.
    f.grid->SetRowCount(40);
    f.Key(VK_NEXT);
    f.Key(VK_NEXT);
    EXPECT_GT(f.grid->Row(), 5);
    EXPECT_GT(f.grid->TopRow(), 1);
    RECT client{};
    GetClientRect(f.grid->Handle(), &client);
    const RECT current = f.grid->CellRect(f.grid->Col(), f.grid->Row());
    EXPECT_GT(current.bottom, current.top);
    EXPECT_LE(current.bottom, client.bottom);
    EXPECT_EQ(f.grid->CellRect(1, 0).top, 0);  // the fixed row stays on top
}

TEST(StringGrid, TypingOpensTheEditorWhichEnterCommitsAndEscDrops) {
    GridForm f;
    f.grid->SetOptions(f.grid->Options() | goEditing);
    f.grid->SetCells(1, 1, "old");
    f.Type("n");
    ASSERT_TRUE(f.grid->EditorMode());
    HWND editor = f.grid->EditorHandle();
    EXPECT_EQ(GetFocus(), editor);
    EXPECT_TRUE(IsWindowVisible(editor));
    f.Type("ew");  // now to the editor, not to the grid's window
    f.Key(VK_RETURN);
    EXPECT_FALSE(f.grid->EditorMode());
    EXPECT_FALSE(IsWindowVisible(editor));
    EXPECT_EQ(f.grid->Cells(1, 1), "new");
    EXPECT_TRUE(f.grid->Focused());
    EXPECT_EQ(f.grid->Log, std::vector<std::string>{"n:closed"});  // the derived class saw it first

    f.Type("x");
    f.Key(VK_ESCAPE);
    EXPECT_FALSE(f.grid->EditorMode());
    EXPECT_EQ(f.grid->Cells(1, 1), "new");
    EXPECT_TRUE(f.pressed.empty());  // neither Enter nor Esc reached the form's buttons

    // F2 edits the text as it is; losing the focus commits.
    f.Key(VK_F2);
    f.Type("!");
    f.ok->SetFocus();
    PumpFor(60);
    EXPECT_FALSE(f.grid->EditorMode());
    EXPECT_EQ(f.grid->Cells(1, 1), "new!");
    EXPECT_TRUE(f.ok->Focused());
}

TEST(StringGrid, WithoutEditingTypingChangesNothing) {
    GridForm f;
    f.grid->SetCells(1, 1, "kept");
    f.Type("a\b");
    f.Key(VK_F2);
    EXPECT_FALSE(f.grid->EditorMode());
    EXPECT_EQ(f.grid->Cells(1, 1), "kept");
    EXPECT_EQ(f.grid->Log, (std::vector<std::string>{"a:closed", "\b:closed"}));
}

TEST(StringGrid, PaintsFixedCellsShadedTheCurrentCellHighlightedAndGridLines) {
    GridForm f;
    f.grid->SetDefaultColWidth(40);
    f.grid->SetDefaultRowHeight(20);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 400, 200);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    f.grid->Paint(dc);
    // Cell (c, r) spans 40 x 20 pixels from (41c, 21r); the lines lie between.
    EXPECT_EQ(GetPixel(dc, 5, 5), GetSysColor(COLOR_BTNFACE));            // fixed corner
    EXPECT_EQ(GetPixel(dc, 41 + 30, 21 + 15), GetSysColor(COLOR_HIGHLIGHT));  // current cell 1,1
    EXPECT_EQ(GetPixel(dc, 82 + 30, 42 + 15), GetSysColor(COLOR_WINDOW));     // plain cell 2,2
    EXPECT_EQ(GetPixel(dc, 40, 5), GetSysColor(COLOR_BTNSHADOW));            // fixed vertical line
    EXPECT_EQ(GetPixel(dc, 81, 50), GetSysColor(COLOR_BTNFACE));              // plain vertical line
    f.grid->SetOptions(goFixedVertLine | goFixedHorzLine);
    f.grid->Paint(dc);
    EXPECT_EQ(GetPixel(dc, 81, 50), GetSysColor(COLOR_WINDOW));  // no line without goVertLine
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}
