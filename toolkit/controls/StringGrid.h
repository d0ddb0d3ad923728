#pragma once
// TStringGrid: a grid of text cells in a window of our own. Fixed rows and columns at the top and the
// left hold titles and stay in place; one non-fixed cell is the current one, moved with the arrow
// keys and the mouse. With goEditing, typing a printable character on the current cell opens a cell
// editor over it (an EDIT that receives the character), committed by Enter or by losing the focus
// and dropped by Esc. WM_CHAR is handled in WndProc, so a derived class sees it first. Scroll bars
// appear for the directions in which the cells do not fit; they, and the mouse wheel, scroll the
// non-fixed cells without moving the current cell.
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

    int ColCount() const { return FColCount; }
    void SetColCount(int value);
    int RowCount() const { return FRowCount; }
    void SetRowCount(int value);
    // At most ColCount (RowCount); lowering a count lowers the fixed count with it.
    int FixedCols() const { return FFixedCols; }
    void SetFixedCols(int value);
    int FixedRows() const { return FFixedRows; }
    void SetFixedRows(int value);

    int DefaultColWidth() const { return FDefaultColWidth; }
    void SetDefaultColWidth(int value);
    int DefaultRowHeight() const { return FDefaultRowHeight; }
    void SetDefaultRowHeight(int value);

    TGridOptions Options() const { return FOptions; }
    void SetOptions(TGridOptions value);

    // The text of the cell in column `col` and row `row`, both counted from 0. A cell outside the
    // grid raises the list index error: reading or writing one is a fault of the caller.
    const std::string& Cells(int col, int row) const;
    void SetCells(int col, int row, const std::string& text);

    // The current cell; -1 while the grid has no non-fixed cell.
    int Col() const { return FCol; }
    int Row() const { return FRow; }
    // Makes a non-fixed cell current; others are refused with the list index error.
    void SetCurrentCell(int col, int row);
    // The first non-fixed column and row shown after the fixed ones.
    int LeftCol() const { return FLeftCol; }
    int TopRow() const { return FTopRow; }
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
    friend class TGridCellEditor;

    void ResizeCells();
    void ClampCurrentCell();
    void ScrollInView();
    // Shows the scroll bars that the cells need and sets their ranges and positions.
    void UpdateScrollBars();
    void ScrollBy(int bar, WORD code);
    void Wheel(int bar, int delta);
    int MaxLeftCol() const;
    int MaxTopRow() const;
    void MoveTo(int col, int row);
    void OpenEditor(bool replaceWithKey, char key);
    // Lays the editor over the edited cell so that its text stands where the cell draws its own.
    void PlaceEditor();
    void CloseEditor(bool commit);
    void Invalidate();
    bool HasNonFixedCells() const { return FColCount > FFixedCols && FRowCount > FFixedRows; }
    int ColLeft(int col) const;  // client x of a visible column
    int RowTop(int row) const;   // client y of a visible row
    int VisibleCols() const;     // non-fixed columns that fit fully, at least one
    int VisibleRows() const;

    int FColCount = 5;
    int FRowCount = 5;
    int FFixedCols = 1;
    int FFixedRows = 1;
    int FDefaultColWidth = 64;
    int FDefaultRowHeight = 24;
    TGridOptions FOptions = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine;
    std::vector<std::vector<std::string>> FCells;  // [row][col]
    int FCol = 1;
    int FRow = 1;
    int FLeftCol = 1;
    int FTopRow = 1;
    TGridCellEditor* FEditor = nullptr;
    bool FEditing = false;
    int FEditCol = -1;
    int FEditRow = -1;
    bool FUpdatingScrollBars = false;
    int FWheelRest[2] = {0, 0};  // wheel turns not yet scrolled, per bar
};
