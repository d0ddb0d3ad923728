#pragma once
// TStringGrid: a grid of text cells in a window of our own. Fixed rows and columns at the top and the
// left hold titles and stay in place; one non-fixed cell is the current one, moved with the arrow
// keys and the mouse. With goEditing, typing a printable character on the current cell opens a cell
// editor over it (an EDIT that receives the character), committed by Enter or by losing the focus
// and dropped by Esc. WM_CHAR is handled in WndProc, so a derived class sees it first. Scroll bars
// appear for the directions in which the cells do not fit; they, and the mouse wheel, scroll the
// non-fixed cells without moving the current cell. The grid draws itself alike for WM_PAINT and for
// WM_PRINTCLIENT, so that a transparent label over it, which prints it, shows it as it is.
#include <string>
#include <vector>

#include "Control.h"

enum TGridOption : unsigned {
    goFixedVertLine = 1 << 0,
    goFixedHorzLine = 1 << 1,
    goVertLine = 1 << 2,
    goHorzLine = 1 << 3,
    goEditing = 1 << 4,
};
using TGridOptions = unsigned;

class TGridCellEditor;

class TStringGrid : public TWinControl {
public:
    explicit TStringGrid(TComponent* owner);
    ~TStringGrid() override;

    int ColCount() const { return FCols.Count; }
    void SetColCount(int value) { SetCount(FCols, value); }
    int RowCount() const { return FRows.Count; }
    void SetRowCount(int value) { SetCount(FRows, value); }
    // At most ColCount (RowCount); lowering a count lowers the fixed count with it.
    int FixedCols() const { return FCols.Fixed; }
    void SetFixedCols(int value) { SetFixed(FCols, value); }
    int FixedRows() const { return FRows.Fixed; }
    void SetFixedRows(int value) { SetFixed(FRows, value); }

    int DefaultColWidth() const { return FCols.Size; }
    void SetDefaultColWidth(int value) { SetCellSize(FCols, value); }
    int DefaultRowHeight() const { return FRows.Size; }
    void SetDefaultRowHeight(int value) { SetCellSize(FRows, value); }

    TGridOptions Options() const { return FOptions; }
    void SetOptions(TGridOptions value);

    // The text of the cell in column `col` and row `row`, both counted from 0. A cell outside the
    // grid raises the list index error: reading or writing one is a fault of the caller.
    const std::string& Cells(int col, int row) const;
    void SetCells(int col, int row, const std::string& text);

    // The current cell; -1 while the grid has no non-fixed cell.
    int Col() const { return FCols.Current; }
    int Row() const { return FRows.Current; }
    // Makes a non-fixed cell current; others are refused with the list index error.
    void SetCurrentCell(int col, int row);
    // The first non-fixed column and row shown after the fixed ones.
    int LeftCol() const { return FCols.First; }
    int TopRow() const { return FRows.First; }
    // Shows the non-fixed cells from this column and row on, as far as the cells allow.
    void ScrollTo(int leftCol, int topRow);

    // Whether the cell editor is open; opening it edits the current cell's text as it is, closing
    // it puts the edited text into the cell.
    bool EditorMode() const { return FEditing; }
    void SetEditorMode(bool value);
    // Closes the cell editor, if open, and drops what was typed into it.
    void CancelEdit() { CloseEditor(false); }
    // The cell editor's window while it is open, else none.
    HWND EditorHandle() const;

    // The rectangle of a cell in client coordinates (empty when the cell is scrolled out of sight).
    RECT CellRect(int col, int row) const;
    // The cell at a client point; false when the point is on no cell.
    bool MouseToCell(int x, int y, int& col, int& row) const;

    TNotifyEvent OnSelectCell;

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    // The default cell sizes too.
    void ChangeScale(int to, int from) override;
    void CreateWnd() override;
    // A character typed on the grid's own window (not in the cell editor).
    virtual void KeyPress(char key);
    virtual void KeyDown(WORD key);
    virtual void Paint(HDC dc);

private:
    // One direction of the cells: the columns across or the rows down. Each rule of the grid's
    // shape, scrolling and geometry is written once, here, and holds for both.
    struct TAxis {
        TAxis(int bar, int size) : Bar(bar), Size(size) {}
        const int Bar;     // SB_HORZ for the columns, SB_VERT for the rows
        int Size;          // every cell's width (height), without the grid line after it
        int Count = 5;
        int Fixed = 1;
        int First = 1;     // the first non-fixed cell shown after the fixed ones
        int Current = 1;   // the current cell's column (row); -1 while there is no non-fixed cell
        int WheelRest = 0; // wheel turns not yet scrolled

        int Pitch() const;
        bool Contains(int index) const { return index >= 0 && index < Count; }
        // The pixels that all the cells take, the lines between them included.
        int Extent() const;
        // The non-fixed cells that fit wholly into `client` pixels, at least one.
        int Visible(int client) const;
        // `first` kept where a view may start: at a non-fixed cell, and not so late that the
        // client shows fewer cells than fit.
        int ClampedFirst(int first, int client) const;
        // Moves First so that the current cell is shown, within the cells.
        void ScrollInView(int client);
        // The client pixel where a cell starts; -1 for a non-fixed one scrolled out before First.
        int Start(int index) const;
        // The cell at a client pixel (not negative); it may lie beyond the last.
        int IndexAt(int pixel) const;
    };

    void SetCount(TAxis& axis, int value);
    void SetFixed(TAxis& axis, int value);
    void SetCellSize(TAxis& axis, int value);
    // The client area's width (for the columns) or height (for the rows).
    int ClientExtent(const TAxis& axis) const;
    // Named apart from TControl::Visible, which a grid's users call.
    int VisibleCells(const TAxis& axis) const { return axis.Visible(ClientExtent(axis)); }
    TAxis& AxisOf(int bar) { return bar == SB_VERT ? FRows : FCols; }
    void ResizeCells();
    void ClampCurrentCell();
    void ScrollInView();
    // Shows the scroll bars that the cells need and sets their ranges and positions.
    void UpdateScrollBars();
    void ScrollBy(int bar, WORD code);
    void Wheel(int bar, int delta);
    // Scrolls along one bar's direction only.
    void ScrollAlong(int bar, int first);
    void MoveTo(int col, int row);
    void OpenEditor(bool replaceWithKey, char key);
    // Lays the editor over the edited cell so that its text stands where the cell draws its own.
    void PlaceEditor();
    void CloseEditor(bool commit);
    bool HasNonFixedCells() const { return FCols.Count > FCols.Fixed && FRows.Count > FRows.Fixed; }

    TAxis FCols{SB_HORZ, 64};
    TAxis FRows{SB_VERT, 24};
    TGridOptions FOptions = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine;
    std::vector<std::vector<std::string>> FCells;  // [row][col]
    TGridCellEditor* FEditor = nullptr;
    bool FEditing = false;
    int FEditCol = -1;
    int FEditRow = -1;
    bool FUpdatingScrollBars = false;
};
