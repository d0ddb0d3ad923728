#include <gtest/gtest.h>

#include "Application.h"
#include "Button.h"
#include "DialogDriver.h"
#include "Exceptions.h"
#include "Form.h"
#include "Handles.h"
#include "NewChild.h"
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
        auto* b = NewChild<TButton>(form);
        b->SetCaption(caption);
        b->SetBounds(10 + 90 * (order - 1), 180, 75, 25);
        b->TabOrder = order;
        b->OnClick = [this, caption](TObject*) { pressed.push_back(caption); };
        return b;
    }
    // Keys as the keyboard delivers them: to the focused window, through the application's loop.
    void Key(UINT vk) {
        PostMessageA(GetFocus(), WM_KEYDOWN, vk, 1);
        PumpUntilQuiet();
    }
    void Type(const std::string& text) {
        for (char c : text) PostMessageA(GetFocus(), WM_CHAR, static_cast<unsigned char>(c), 1);
        PumpUntilQuiet();
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
    EXPECT_THROW(grid.Cells(5, 0), Exception);
    EXPECT_THROW(grid.SetCells(0, -1, "x"), Exception);

    // Fixed counts follow the counts down; without non-fixed cells there is no current cell.
    grid.SetRowCount(1);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.Row(), -1);
    grid.SetRowCount(4);
    EXPECT_EQ(grid.Row(), 1);
    grid.SetFixedCols(9);
    EXPECT_EQ(grid.FixedCols(), 5);
    EXPECT_EQ(grid.Col(), -1);
    EXPECT_THROW(grid.SetCurrentCell(4, 1), Exception);
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
    PumpUntilQuiet();
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
    const TGdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(TClientDC().Get(), 400, 200));
    const TMemoryDC memory(bitmap.Get());
    const HDC dc = memory.Get();
    // Painted, and printed as a transparent label over the grid prints it.
    const std::function<void()> paints[] = {
        [&] { f.grid->Paint(dc); },
        [&] { SendMessageA(f.grid->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT); }};
    for (const auto& paint : paints) {
        PatBlt(dc, 0, 0, 400, 200, BLACKNESS);
        f.grid->SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine);
        paint();
        // Cell (c, r) spans 40 x 20 pixels from (41c, 21r); the lines lie between.
        EXPECT_EQ(GetPixel(dc, 5, 5), GetSysColor(COLOR_BTNFACE));                // fixed corner
        EXPECT_EQ(GetPixel(dc, 41 + 30, 21 + 15), GetSysColor(COLOR_HIGHLIGHT));  // current cell 1,1
        EXPECT_EQ(GetPixel(dc, 82 + 30, 42 + 15), GetSysColor(COLOR_WINDOW));     // plain cell 2,2
        EXPECT_EQ(GetPixel(dc, 40, 5), GetSysColor(COLOR_BTNSHADOW));             // fixed vertical line
        EXPECT_EQ(GetPixel(dc, 81, 50), GetSysColor(COLOR_BTNFACE));              // plain vertical line
        f.grid->SetOptions(goFixedVertLine | goFixedHorzLine);
        paint();
        EXPECT_EQ(GetPixel(dc, 81, 50), GetSysColor(COLOR_WINDOW));  // no line without goVertLine
    }
}

namespace {

bool HasBar(HWND window, LONG_PTR style) { return (GetWindowLongPtrA(window, GWL_STYLE) & style) != 0; }

int BarPosition(HWND window, int bar) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    GetScrollInfo(window, bar, &info);
    return info.nPos;
}

// Whether the whole cell lies inside the client area.
bool Shown(TStringGrid& grid, int col, int row) {
    RECT client{};
    GetClientRect(grid.Handle(), &client);
    const RECT cell = grid.CellRect(col, row);
    return cell.right > cell.left && cell.right <= client.right && cell.bottom <= client.bottom;
}

}  // namespace

TEST(StringGrid, ScrollBarsAppearWhereTheCellsDoNotFitAndScrollTheView) {
    GridForm f;
    HWND grid = f.grid->Handle();
    EXPECT_FALSE(HasBar(grid, WS_VSCROLL));  // 4 x 3 cells fit
    EXPECT_FALSE(HasBar(grid, WS_HSCROLL));
    f.grid->SetRowCount(30);
    EXPECT_TRUE(HasBar(grid, WS_VSCROLL));
    EXPECT_FALSE(HasBar(grid, WS_HSCROLL));
    f.grid->SetColCount(10);
    EXPECT_TRUE(HasBar(grid, WS_VSCROLL));
    EXPECT_TRUE(HasBar(grid, WS_HSCROLL));

    // The bars scroll the non-fixed cells; the current cell stays where it is.
    SendMessageA(grid, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(f.grid->TopRow(), 2);
    EXPECT_EQ(BarPosition(grid, SB_VERT), 1);
    SendMessageA(grid, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_TRUE(Shown(*f.grid, 1, 29));  // the last row, wholly
    EXPECT_FALSE(Shown(*f.grid, 1, f.grid->TopRow() - 1));
    const int lastTop = f.grid->TopRow();
    SendMessageA(grid, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(f.grid->TopRow(), lastTop);  // nothing beyond the last row
    SendMessageA(grid, WM_HSCROLL, SB_BOTTOM, 0);
    EXPECT_TRUE(Shown(*f.grid, 9, 29));
    EXPECT_GT(f.grid->LeftCol(), 1);
    EXPECT_EQ(BarPosition(grid, SB_HORZ), f.grid->LeftCol() - 1);
    EXPECT_EQ(f.Current(), "1,1");
    EXPECT_EQ(f.grid->CellRect(0, 0).top, 0);  // the fixed cells stay in place
    SendMessageA(grid, WM_HSCROLL, SB_TOP, 0);
    SendMessageA(grid, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(f.grid->LeftCol(), 1);
    EXPECT_GT(f.grid->TopRow(), 3);

    // Keys that move the current cell out of sight bring it back, and the bar follows.
    f.Key(VK_END);
    EXPECT_EQ(f.Current(), "9,1");
    EXPECT_TRUE(Shown(*f.grid, 9, 1));
    EXPECT_EQ(f.grid->TopRow(), 1);
    EXPECT_EQ(BarPosition(grid, SB_VERT), 0);
    EXPECT_EQ(BarPosition(grid, SB_HORZ), f.grid->LeftCol() - 1);

    // Enough room again: the bars go.
    f.grid->SetRowCount(3);
    f.grid->SetColCount(4);
    EXPECT_FALSE(HasBar(grid, WS_VSCROLL));
    EXPECT_FALSE(HasBar(grid, WS_HSCROLL));
    EXPECT_EQ(f.grid->TopRow(), 1);
    EXPECT_EQ(f.grid->LeftCol(), 1);
}

TEST(StringGrid, TheMouseWheelScrollsTheRows) {
    GridForm f;
    f.grid->SetRowCount(30);
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    ASSERT_GT(lines, 0u);
    ASSERT_LT(lines, 10u);
    // Wheel messages go to the window with the focus, as the system sends them.
    auto wheel = [&](int delta) {
        PostMessageA(GetFocus(), WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(100, 100));
        PumpUntilQuiet();
    };
    wheel(-WHEEL_DELTA);  // towards the user: further down
    EXPECT_EQ(f.grid->TopRow(), 1 + static_cast<int>(lines));
    wheel(-WHEEL_DELTA / 2);  // half a notch waits for the other half
    EXPECT_EQ(f.grid->TopRow(), 1 + static_cast<int>(lines));
    wheel(-WHEEL_DELTA / 2);
    EXPECT_EQ(f.grid->TopRow(), 1 + 2 * static_cast<int>(lines));
    wheel(5 * WHEEL_DELTA);
    EXPECT_EQ(f.grid->TopRow(), 1);
    EXPECT_EQ(f.Current(), "1,1");

    // Turning the wheel while a cell is being edited puts the typed text into the cell first.
    f.grid->SetOptions(f.grid->Options() | goEditing);
    f.Type("a");
    f.Type("bc");
    ASSERT_TRUE(f.grid->EditorMode());
    wheel(-WHEEL_DELTA);
    EXPECT_FALSE(f.grid->EditorMode());
    EXPECT_EQ(f.grid->Cells(1, 1), "abc");
    EXPECT_EQ(f.grid->TopRow(), 1 + static_cast<int>(lines));
}

namespace {

// The bounding box, in grid client coordinates, of the pixels inside `area` that are not `ground`.
RECT Ink(HWND window, const RECT& area, COLORREF ground) {
    RECT box{area.right, area.bottom, area.left, area.top};
    const TClientDC dc(window);
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF c = GetPixel(dc.Get(), x, y);
            if (c == ground || c == CLR_INVALID) continue;
            box.left = std::min<LONG>(box.left, x);
            box.top = std::min<LONG>(box.top, y);
            box.right = std::max<LONG>(box.right, x + 1);
            box.bottom = std::max<LONG>(box.bottom, y + 1);
        }
    return box;
}

}  // namespace

TEST(StringGrid, TheCellEditorShowsTheTextWhereTheCellShowedIt) {
    GridForm f;
    f.grid->SetOptions(f.grid->Options() | goEditing);
    f.grid->SetDefaultRowHeight(24);
    f.grid->SetCells(2, 1, "Hjq");
    const RECT cell = f.grid->CellRect(2, 1);  // not the current cell: dark text on the window colour
    // Inside the grid lines and a focus rectangle's pixel.
    const RECT inside{cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1};
    RedrawWindow(f.grid->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const RECT drawn = Ink(f.grid->Handle(), inside, GetSysColor(COLOR_WINDOW));
    ASSERT_LT(drawn.left, drawn.right) << "the cell shows no text";

    f.grid->SetCurrentCell(2, 1);
    f.Key(VK_F2);
    ASSERT_TRUE(f.grid->EditorMode());
    HideCaret(f.grid->EditorHandle());  // only the text counts
    RedrawWindow(f.grid->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpUntilQuiet();
    const RECT edited = Ink(f.grid->Handle(), inside, GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(edited.left, drawn.left);
    EXPECT_EQ(edited.top, drawn.top);
    EXPECT_EQ(edited.bottom, drawn.bottom);
    EXPECT_EQ(edited.right, drawn.right);
    f.Key(VK_ESCAPE);
}
