#include "StringGrid.h"

#include <algorithm>

#include "Edit.h"
#include "Exceptions.h"
#include "Handles.h"
#include "ScopeGuards.h"

// The tilt wheel's message (WM_MOUSEHWHEEL), which headers for older systems do not declare.
constexpr UINT kMouseHWheel = 0x020E;

// The cell editor: a borderless EDIT laid over the cell being edited. Enter and Esc close it (the
// dialog manager is told that it wants them), the up and down arrows close it and move on, and
// losing the focus commits what was typed.
class TGridCellEditor : public TCustomEdit {
public:
    explicit TGridCellEditor(TStringGrid* grid) : TCustomEdit(grid), FGrid(grid) {
        SetVisible(false);
        FTabStop = false;
    }

    void WndProc(TMessage& message) override {
        switch (message.Msg) {
        case WM_GETDLGCODE: {
            TCustomEdit::WndProc(message);
            message.Result |= DLGC_WANTARROWS | DLGC_WANTCHARS;
            if (const auto* msg = reinterpret_cast<const MSG*>(message.LParam);
                msg && (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) &&
                (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE))
                message.Result |= DLGC_WANTMESSAGE;
            return;
        }
        case WM_KEYDOWN:
            switch (message.WParam) {
            case VK_RETURN: FGrid->CloseEditor(true); return;
            case VK_ESCAPE: FGrid->CloseEditor(false); return;
            case VK_UP:
            case VK_DOWN: {
                const int step = message.WParam == VK_UP ? -1 : 1;
                FGrid->CloseEditor(true);
                FGrid->MoveTo(FGrid->FCol, FGrid->FRow + step);
                return;
            }
            default: break;
            }
            break;
        case WM_CHAR:
            // What Enter and Esc leave behind after they closed the editor: no beep, no character.
            if (message.WParam == '\r' || message.WParam == 27) return;
            break;
        case WM_KILLFOCUS:
            TCustomEdit::WndProc(message);
            if (FGrid->FEditing) FGrid->CloseEditor(true);
            return;
        case WM_MOUSEWHEEL:
        case kMouseHWheel:
            FGrid->Wheel(message.Msg == WM_MOUSEWHEEL ? SB_VERT : SB_HORZ, GET_WHEEL_DELTA_WPARAM(message.WParam));
            return;
        default: break;
        }
        TCustomEdit::WndProc(message);
    }

protected:
    void CreateParams(TCreateParams& params) override {
        TCustomEdit::CreateParams(params);
        params.Style &= ~static_cast<DWORD>(WS_BORDER | WS_TABSTOP);
    }

private:
    TStringGrid* FGrid;
};

namespace {

constexpr int kLine = 1;  // grid line width, to the right of and below every cell

// The height of a text line in the font selected into the device context.
int LineHeight(HDC dc) {
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    return metrics.tmHeight;
}

// Where a cell's one line of text starts, vertically centred; the cell editor puts its text there too.
int TextTop(const RECT& cell, int line) {
    return cell.top + std::max(0, static_cast<int>(cell.bottom - cell.top) - line) / 2;
}


}  // namespace

TStringGrid::TStringGrid(TComponent* owner) : TWinControl(owner) {
    FTabStop = true;
    SetBounds(0, 0, 320, 120);
    ResizeCells();
}

TStringGrid::~TStringGrid() {
    // The editor goes with the child controls; nothing it does from here on reaches the cells.
    FEditing = false;
}

void TStringGrid::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.Style |= WS_BORDER;
}

void TStringGrid::CreateWnd() {
    TWinControl::CreateWnd();
    UpdateScrollBars();
}

// ---------------------------------------------------------------- shape

void TStringGrid::ResizeCells() {
    FCells.resize(static_cast<size_t>(FRowCount));
    for (auto& row : FCells) row.resize(static_cast<size_t>(FColCount));
    ClampCurrentCell();
    ScrollInView();
    Invalidate();
}

void TStringGrid::SetColCount(int value) {
    value = std::max(value, 0);
    if (value == FColCount) return;
    CloseEditor(true);
    FColCount = value;
    FFixedCols = std::min(FFixedCols, value);
    ResizeCells();
}

void TStringGrid::SetRowCount(int value) {
    value = std::max(value, 0);
    if (value == FRowCount) return;
    CloseEditor(true);
    FRowCount = value;
    FFixedRows = std::min(FFixedRows, value);
    ResizeCells();
}

void TStringGrid::SetFixedCols(int value) {
    value = std::clamp(value, 0, FColCount);
    if (value == FFixedCols) return;
    CloseEditor(true);
    FFixedCols = value;
    ResizeCells();
}

void TStringGrid::SetFixedRows(int value) {
    value = std::clamp(value, 0, FRowCount);
    if (value == FFixedRows) return;
    CloseEditor(true);
    FFixedRows = value;
    ResizeCells();
}

void TStringGrid::SetDefaultColWidth(int value) {
    FDefaultColWidth = std::max(value, 1);
    ScrollInView();
    Invalidate();
}

void TStringGrid::SetDefaultRowHeight(int value) {
    FDefaultRowHeight = std::max(value, 1);
    ScrollInView();
    Invalidate();
}

void TStringGrid::ChangeScale(int to, int from) {
    TWinControl::ChangeScale(to, from);
    SetDefaultColWidth(MulDiv(FDefaultColWidth, to, from));
    SetDefaultRowHeight(MulDiv(FDefaultRowHeight, to, from));
}

void TStringGrid::SetOptions(TGridOptions value) {
    FOptions = value;
    if (!(value & goEditing)) CloseEditor(true);
    Invalidate();
}

const std::string& TStringGrid::Cells(int col, int row) const {
    CheckListIndex(col, FColCount);
    CheckListIndex(row, FRowCount);
    return FCells[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void TStringGrid::SetCells(int col, int row, const std::string& text) {
    CheckListIndex(col, FColCount);
    CheckListIndex(row, FRowCount);
    FCells[static_cast<size_t>(row)][static_cast<size_t>(col)] = text;
    Invalidate();
}

// ---------------------------------------------------------------- current cell and scrolling

void TStringGrid::ClampCurrentCell() {
    if (!HasNonFixedCells()) {
        FCol = FRow = -1;
        return;
    }
    FCol = std::clamp(FCol, FFixedCols, FColCount - 1);
    FRow = std::clamp(FRow, FFixedRows, FRowCount - 1);
}

int TStringGrid::VisibleCols() const {
    const int client = HandleAllocated() ? [this] {
        RECT r{};
        GetClientRect(WindowHandle(), &r);
        return static_cast<int>(r.right);
    }() : Width();
    return std::max(1, (client - FFixedCols * (FDefaultColWidth + kLine)) / (FDefaultColWidth + kLine));
}

int TStringGrid::VisibleRows() const {
    const int client = HandleAllocated() ? [this] {
        RECT r{};
        GetClientRect(WindowHandle(), &r);
        return static_cast<int>(r.bottom);
    }() : Height();
    return std::max(1, (client - FFixedRows * (FDefaultRowHeight + kLine)) / (FDefaultRowHeight + kLine));
}

void TStringGrid::ScrollInView() {
    const int oldLeft = FLeftCol, oldTop = FTopRow;
    if (FCol >= 0) {
        if (FCol < FLeftCol) FLeftCol = FCol;
        if (FCol >= FLeftCol + VisibleCols()) FLeftCol = FCol - VisibleCols() + 1;
        if (FRow < FTopRow) FTopRow = FRow;
        if (FRow >= FTopRow + VisibleRows()) FTopRow = FRow - VisibleRows() + 1;
    }
    FLeftCol = std::clamp(FLeftCol, FFixedCols, MaxLeftCol());
    FTopRow = std::clamp(FTopRow, FFixedRows, MaxTopRow());
    if (FLeftCol != oldLeft || FTopRow != oldTop) Invalidate();
    UpdateScrollBars();
}

int TStringGrid::MaxLeftCol() const { return std::max(FFixedCols, FColCount - VisibleCols()); }

int TStringGrid::MaxTopRow() const { return std::max(FFixedRows, FRowCount - VisibleRows()); }

void TStringGrid::ScrollTo(int leftCol, int topRow) {
    leftCol = std::clamp(leftCol, FFixedCols, MaxLeftCol());
    topRow = std::clamp(topRow, FFixedRows, MaxTopRow());
    if (leftCol == FLeftCol && topRow == FTopRow) return;
    // The cell being edited may go out of sight: what was typed goes into it first.
    CloseEditor(true);
    FLeftCol = leftCol;
    FTopRow = topRow;
    Invalidate();
    UpdateScrollBars();
}

void TStringGrid::UpdateScrollBars() {
    if (!HandleAllocated() || FUpdatingScrollBars) return;
    const TRestore updating(FUpdatingScrollBars, true);
    HWND window = Handle();
    // The client area without any scroll bar, and the room each bar takes from it.
    RECT client{};
    GetClientRect(window, &client);
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    const int barWidth = GetSystemMetrics(SM_CXVSCROLL), barHeight = GetSystemMetrics(SM_CYHSCROLL);
    const int fullWidth = client.right + ((style & WS_VSCROLL) ? barWidth : 0);
    const int fullHeight = client.bottom + ((style & WS_HSCROLL) ? barHeight : 0);
    const int cellsWidth = FColCount * (FDefaultColWidth + kLine) - kLine;
    const int cellsHeight = FRowCount * (FDefaultRowHeight + kLine) - kLine;
    bool vertical = cellsHeight > fullHeight;
    const bool horizontal = cellsWidth > fullWidth - (vertical ? barWidth : 0);
    if (horizontal && !vertical) vertical = cellsHeight > fullHeight - barHeight;
    ShowScrollBar(window, SB_HORZ, horizontal);
    ShowScrollBar(window, SB_VERT, vertical);

    // With the bars in place the visible counts are final: keep the view within the cells.
    FLeftCol = std::clamp(FLeftCol, FFixedCols, MaxLeftCol());
    FTopRow = std::clamp(FTopRow, FFixedRows, MaxTopRow());
    auto set = [window](int bar, bool shown, int count, int page, int position) {
        if (!shown) return;
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMin = 0;
        info.nMax = std::max(0, count - 1);
        info.nPage = static_cast<UINT>(page);
        info.nPos = position;
        SetScrollInfo(window, bar, &info, TRUE);
    };
    set(SB_HORZ, horizontal, FColCount - FFixedCols, VisibleCols(), FLeftCol - FFixedCols);
    set(SB_VERT, vertical, FRowCount - FFixedRows, VisibleRows(), FTopRow - FFixedRows);
}

void TStringGrid::ScrollBy(int bar, WORD code) {
    const bool vertical = bar == SB_VERT;
    const int first = vertical ? FTopRow : FLeftCol;
    const int fixed = vertical ? FFixedRows : FFixedCols;
    const int page = vertical ? VisibleRows() : VisibleCols();
    int target = first;
    switch (code) {
    case SB_LINEUP: target = first - 1; break;
    case SB_LINEDOWN: target = first + 1; break;
    case SB_PAGEUP: target = first - page; break;
    case SB_PAGEDOWN: target = first + page; break;
    case SB_TOP: target = fixed; break;
    case SB_BOTTOM: target = vertical ? MaxTopRow() : MaxLeftCol(); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(Handle(), bar, &info);
        target = fixed + info.nTrackPos;
        break;
    }
    default: return;
    }
    if (vertical)
        ScrollTo(FLeftCol, target);
    else
        ScrollTo(target, FTopRow);
}

void TStringGrid::Wheel(int bar, int delta) {
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    int& rest = FWheelRest[bar == SB_VERT ? 1 : 0];
    rest += delta;
    const int notches = rest / WHEEL_DELTA;
    rest -= notches * WHEEL_DELTA;
    if (notches == 0) return;
    // Turning the wheel away from the user (a positive delta) shows the rows above.
    const int step = lines == WHEEL_PAGESCROLL ? (bar == SB_VERT ? VisibleRows() : VisibleCols())
                                               : static_cast<int>(lines);
    if (bar == SB_VERT)
        ScrollTo(FLeftCol, FTopRow - notches * step);
    else
        ScrollTo(FLeftCol + notches * step, FTopRow);
}

void TStringGrid::SetCurrentCell(int col, int row) {
    // A fixed cell is no place for the current one.
    if (col < FFixedCols) ListIndexError(col);
    if (row < FFixedRows) ListIndexError(row);
    CheckListIndex(col, FColCount);
    CheckListIndex(row, FRowCount);
    MoveTo(col, row);
}

void TStringGrid::MoveTo(int col, int row) {
    if (!HasNonFixedCells()) return;
    col = std::clamp(col, FFixedCols, FColCount - 1);
    row = std::clamp(row, FFixedRows, FRowCount - 1);
    if (col == FCol && row == FRow) return;
    CloseEditor(true);
    FCol = col;
    FRow = row;
    ScrollInView();
    Invalidate();
    if (OnSelectCell) OnSelectCell(this);
}

// ---------------------------------------------------------------- geometry

int TStringGrid::ColLeft(int col) const {
    const int pitch = FDefaultColWidth + kLine;
    if (col < FFixedCols) return col * pitch;
    if (col < FLeftCol) return -1;
    return (FFixedCols + col - FLeftCol) * pitch;
}

int TStringGrid::RowTop(int row) const {
    const int pitch = FDefaultRowHeight + kLine;
    if (row < FFixedRows) return row * pitch;
    if (row < FTopRow) return -1;
    return (FFixedRows + row - FTopRow) * pitch;
}

RECT TStringGrid::CellRect(int col, int row) const {
    RECT r{0, 0, 0, 0};
    if (col < 0 || col >= FColCount || row < 0 || row >= FRowCount) return r;
    const int left = ColLeft(col), top = RowTop(row);
    if (left < 0 || top < 0) return r;
    return RECT{left, top, left + FDefaultColWidth, top + FDefaultRowHeight};
}

bool TStringGrid::MouseToCell(int x, int y, int& col, int& row) const {
    if (x < 0 || y < 0) return false;
    const int colSlot = x / (FDefaultColWidth + kLine), rowSlot = y / (FDefaultRowHeight + kLine);
    col = colSlot < FFixedCols ? colSlot : FLeftCol + colSlot - FFixedCols;
    row = rowSlot < FFixedRows ? rowSlot : FTopRow + rowSlot - FFixedRows;
    return col < FColCount && row < FRowCount;
}

void TStringGrid::Invalidate() {
    if (HandleAllocated()) InvalidateRect(Handle(), nullptr, FALSE);
}

// ---------------------------------------------------------------- cell editor

HWND TStringGrid::EditorHandle() const { return FEditing && FEditor ? FEditor->Handle() : nullptr; }

void TStringGrid::SetEditorMode(bool value) {
    if (value)
        OpenEditor(false, 0);
    else
        CloseEditor(true);
}

void TStringGrid::OpenEditor(bool replaceWithKey, char key) {
    if (FEditing || !(FOptions & goEditing) || !HasNonFixedCells()) return;
    ScrollInView();
    if (!FEditor) {
        FEditor = new TGridCellEditor(this);
        FEditor->SetParent(this);
    }
    FEditCol = FCol;
    FEditRow = FRow;
    PlaceEditor();
    FEditor->SetText(Cells(FCol, FRow));
    FEditing = true;
    HWND editor = FEditor->Handle();
    FEditor->SetVisible(true);
    Invalidate();
    ::SetFocus(editor);
    if (replaceWithKey) {
        SendMessageA(editor, EM_SETSEL, 0, -1);
        SendMessageA(editor, WM_CHAR, static_cast<unsigned char>(key), 1);
    } else {
        const int length = GetWindowTextLengthA(editor);
        SendMessageA(editor, EM_SETSEL, static_cast<WPARAM>(length), length);
    }
}

void TStringGrid::PlaceEditor() {
    const RECT cell = CellRect(FEditCol, FEditRow);
    // The cell draws its text 2 pixels in from the left and centred on one line's height; the
    // editor is that line, without margins, on a cell painted in the editor's colour.
    const int line = FontLineHeight(EffectiveFont());
    const int top = TextTop(cell, line);
    FEditor->SetBounds(cell.left + 2, top, std::max(0, static_cast<int>(cell.right - cell.left) - 4),
                       std::min(line, static_cast<int>(cell.bottom) - top));
    SendMessageA(FEditor->Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
}

void TStringGrid::CloseEditor(bool commit) {
    if (!FEditing) return;
    FEditing = false;
    const std::string text = FEditor->Text();
    if (commit && FEditCol < FColCount && FEditRow < FRowCount) SetCells(FEditCol, FEditRow, text);
    // The focus goes back to the grid only when the editor had it; a click elsewhere keeps its target.
    if (GetFocus() == FEditor->Handle()) ::SetFocus(Handle());
    FEditor->SetVisible(false);
    Invalidate();
}

// ---------------------------------------------------------------- input and painting

void TStringGrid::KeyPress(char key) {
    const auto code = static_cast<unsigned char>(key);
    if (code >= 32 && code != 127) OpenEditor(true, key);
}

void TStringGrid::KeyDown(WORD key) {
    switch (key) {
    case VK_LEFT: MoveTo(FCol - 1, FRow); break;
    case VK_RIGHT: MoveTo(FCol + 1, FRow); break;
    case VK_UP: MoveTo(FCol, FRow - 1); break;
    case VK_DOWN: MoveTo(FCol, FRow + 1); break;
    case VK_HOME: MoveTo(FFixedCols, FRow); break;
    case VK_END: MoveTo(FColCount - 1, FRow); break;
    case VK_PRIOR: MoveTo(FCol, FRow - VisibleRows()); break;
    case VK_NEXT: MoveTo(FCol, FRow + VisibleRows()); break;
    case VK_F2: OpenEditor(false, 0); break;
    default: break;
    }
}

void TStringGrid::Paint(HDC dc) {
    RECT client{};
    GetClientRect(Handle(), &client);
    const TSelectedObject font(dc, EffectiveFont().Handle());
    const int line = LineHeight(dc);
    SetBkMode(dc, TRANSPARENT);
    const TGdiObject<HBRUSH> windowBrush(CreateSolidBrush(ColorSet() ? ColorToRGB(Color()) : GetSysColor(COLOR_WINDOW)));
    const HBRUSH window = windowBrush.Get();
    const bool focused = GetFocus() == Handle();

    auto strip = [&](const RECT& r, bool fixed, bool lineOn) {
        if (lineOn)
            FillRect(dc, &r, GetSysColorBrush(fixed ? COLOR_BTNSHADOW : COLOR_BTNFACE));
        else
            FillRect(dc, &r, fixed ? GetSysColorBrush(COLOR_BTNFACE) : window);
    };

    int bottom = 0, right = 0;
    for (int row = 0; row < FRowCount; ++row) {
        const int top = RowTop(row);
        if (top < 0) continue;
        if (top >= client.bottom) break;
        for (int col = 0; col < FColCount; ++col) {
            const int left = ColLeft(col);
            if (left < 0) continue;
            if (left >= client.right) break;
            const bool fixed = col < FFixedCols || row < FFixedRows;
            const bool current = col == FCol && row == FRow;
            RECT cell = CellRect(col, row);
            const bool edited = FEditing && col == FEditCol && row == FEditRow;
            if (edited)  // the editor shows the text; the cell around it is the editor's ground
                FillRect(dc, &cell, GetSysColorBrush(COLOR_WINDOW));
            else if (fixed)
                FillRect(dc, &cell, GetSysColorBrush(COLOR_BTNFACE));
            else if (current)
                FillRect(dc, &cell, GetSysColorBrush(COLOR_HIGHLIGHT));
            else
                FillRect(dc, &cell, window);
            SetTextColor(dc, fixed     ? GetSysColor(COLOR_BTNTEXT)
                             : current ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                       : ColorToRGB(EffectiveFont().Color()));
            RECT text{cell.left + 2, TextTop(cell, line), cell.right - 2, cell.bottom};
            const std::string& s = FCells[static_cast<size_t>(row)][static_cast<size_t>(col)];
            if (!edited)
                DrawTextA(dc, s.c_str(), static_cast<int>(s.size()), &text,
                          DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
            if (current && focused && !edited) DrawFocusRect(dc, &cell);
            const RECT vert{cell.right, cell.top, cell.right + kLine, cell.bottom + kLine};
            const RECT horz{cell.left, cell.bottom, cell.right, cell.bottom + kLine};
            strip(vert, fixed, fixed ? (FOptions & goFixedVertLine) != 0 : (FOptions & goVertLine) != 0);
            strip(horz, fixed, fixed ? (FOptions & goFixedHorzLine) != 0 : (FOptions & goHorzLine) != 0);
            right = std::max(right, static_cast<int>(cell.right) + kLine);
            bottom = std::max(bottom, static_cast<int>(cell.bottom) + kLine);
        }
    }
    // What lies beyond the last column and row.
    const RECT beyondRight{right, 0, client.right, client.bottom};
    const RECT beyondBottom{0, bottom, right, client.bottom};
    FillRect(dc, &beyondRight, window);
    FillRect(dc, &beyondBottom, window);
}

void TStringGrid::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case WM_CHAR:
        KeyPress(static_cast<char>(message.WParam));
        break;
    case WM_KEYDOWN:
        KeyDown(static_cast<WORD>(message.WParam));
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        if (GetFocus() != Handle()) ::SetFocus(Handle());  // an open editor commits as it loses the focus
        int col = 0, row = 0;
        const int x = static_cast<short>(LOWORD(message.LParam)), y = static_cast<short>(HIWORD(message.LParam));
        if (MouseToCell(x, y, col, row) && col >= FFixedCols && row >= FFixedRows) {
            MoveTo(col, row);
            if (message.Msg == WM_LBUTTONDBLCLK) OpenEditor(false, 0);
        }
        message.Result = 0;
        return;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Invalidate();
        break;
    case WM_VSCROLL:
    case WM_HSCROLL:
        ScrollBy(message.Msg == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(message.WParam));
        message.Result = 0;
        return;
    case WM_MOUSEWHEEL:
    case kMouseHWheel:
        Wheel(message.Msg == WM_MOUSEWHEEL ? SB_VERT : SB_HORZ, GET_WHEEL_DELTA_WPARAM(message.WParam));
        message.Result = 0;
        return;
    case WM_SIZE:
        ScrollInView();
        if (FEditing) PlaceEditor();
        Invalidate();
        break;
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    case WM_PAINT: {
        const TPaintDC dc(Handle());
        Paint(dc.Get());
        message.Result = 0;
        return;
    }
    default:
        break;
    }
    TWinControl::WndProc(message);
}
