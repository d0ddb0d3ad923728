#include "StringGrid.h"

#include <algorithm>

#include "Exceptions.h"
#include "GridCellEditor.h"
#include "Handles.h"
#include "ScopeGuards.h"

namespace {

constexpr int kLine = 1;  // grid line width, to the right of and below every cell

// Where a cell's one line of text starts, vertically centred; the cell editor puts its text there too.
int TextTop(const RECT& cell, int line) {
    return cell.top + std::max(0, static_cast<int>(cell.bottom - cell.top) - line) / 2;
}

}  // namespace

// ---------------------------------------------------------------- one direction of the cells

int TStringGrid::TAxis::Pitch() const { return Size + kLine; }

int TStringGrid::TAxis::Extent() const { return Count * Pitch() - kLine; }

int TStringGrid::TAxis::Visible(int client) const { return std::max(1, (client - Fixed * Pitch()) / Pitch()); }

int TStringGrid::TAxis::ClampedFirst(int first, int client) const {
    return std::clamp(first, Fixed, std::max(Fixed, Count - Visible(client)));
}

void TStringGrid::TAxis::ScrollInView(int client) {
    if (Current >= 0) {
        if (Current < First) First = Current;
        if (Current >= First + Visible(client)) First = Current - Visible(client) + 1;
    }
    First = ClampedFirst(First, client);
}

int TStringGrid::TAxis::Start(int index) const {
    if (index < Fixed) return index * Pitch();
    if (index < First) return -1;
    return (Fixed + index - First) * Pitch();
}

int TStringGrid::TAxis::IndexAt(int pixel) const {
    const int slot = pixel / Pitch();
    return slot < Fixed ? slot : First + slot - Fixed;
}

TStringGrid::TStringGrid(TComponent* owner) : TWinControl(owner) {
    FTabStop = true;
    SetBounds(0, 0, 320, 120);
    ResizeCells();
}

TStringGrid::~TStringGrid() {
    // The editor goes with the child controls; nothing it does from here on reaches the grid.
    if (FEditor) {
        FEditor->OnDone = nullptr;
        FEditor->OnWheel = nullptr;
    }
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
    FCells.resize(static_cast<size_t>(FRows.Count));
    for (auto& row : FCells) row.resize(static_cast<size_t>(FCols.Count));
    ClampCurrentCell();
    ScrollInView();
    Invalidate(false);
}

void TStringGrid::SetCount(TAxis& axis, int value) {
    value = std::max(value, 0);
    if (value == axis.Count) return;
    CloseEditor(true);
    axis.Count = value;
    axis.Fixed = std::min(axis.Fixed, value);
    ResizeCells();
}

void TStringGrid::SetFixed(TAxis& axis, int value) {
    value = std::clamp(value, 0, axis.Count);
    if (value == axis.Fixed) return;
    CloseEditor(true);
    axis.Fixed = value;
    ResizeCells();
}

void TStringGrid::SetCellSize(TAxis& axis, int value) {
    axis.Size = std::max(value, 1);
    ScrollInView();
    Invalidate(false);
}

void TStringGrid::ChangeScale(int to, int from) {
    TWinControl::ChangeScale(to, from);
    SetCellSize(FCols, MulDiv(FCols.Size, to, from));
    SetCellSize(FRows, MulDiv(FRows.Size, to, from));
}

void TStringGrid::SetOptions(TGridOptions value) {
    FOptions = value;
    if (!(value & goEditing)) CloseEditor(true);
    Invalidate(false);
}

const std::string& TStringGrid::Cells(int col, int row) const {
    CheckListIndex(col, ColCount());
    CheckListIndex(row, RowCount());
    return FCells[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void TStringGrid::SetCells(int col, int row, const std::string& text) {
    CheckListIndex(col, ColCount());
    CheckListIndex(row, RowCount());
    FCells[static_cast<size_t>(row)][static_cast<size_t>(col)] = text;
    Invalidate(false);
}

// ---------------------------------------------------------------- current cell and scrolling

void TStringGrid::ClampCurrentCell() {
    for (TAxis* axis : {&FCols, &FRows})
        axis->Current = HasNonFixedCells() ? std::clamp(axis->Current, axis->Fixed, axis->Count - 1) : -1;
}

int TStringGrid::ClientExtent(const TAxis& axis) const {
    const bool across = axis.Bar == SB_HORZ;
    if (!HandleAllocated()) return across ? Width() : Height();
    RECT r{};
    GetClientRect(WindowHandle(), &r);
    return across ? r.right : r.bottom;
}

void TStringGrid::ScrollInView() {
    const int oldLeft = FCols.First, oldTop = FRows.First;
    for (TAxis* axis : {&FCols, &FRows}) axis->ScrollInView(ClientExtent(*axis));
    if (FCols.First != oldLeft || FRows.First != oldTop) Invalidate(false);
    UpdateScrollBars();
}

void TStringGrid::ScrollTo(int leftCol, int topRow) {
    leftCol = FCols.ClampedFirst(leftCol, ClientExtent(FCols));
    topRow = FRows.ClampedFirst(topRow, ClientExtent(FRows));
    if (leftCol == FCols.First && topRow == FRows.First) return;
    // The cell being edited may go out of sight: what was typed goes into it first.
    CloseEditor(true);
    FCols.First = leftCol;
    FRows.First = topRow;
    Invalidate(false);
    UpdateScrollBars();
}

void TStringGrid::ScrollAlong(int bar, int first) {
    if (bar == SB_VERT)
        ScrollTo(FCols.First, first);
    else
        ScrollTo(first, FRows.First);
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
    bool vertical = FRows.Extent() > fullHeight;
    const bool horizontal = FCols.Extent() > fullWidth - (vertical ? barWidth : 0);
    if (horizontal && !vertical) vertical = FRows.Extent() > fullHeight - barHeight;
    ShowScrollBar(window, SB_HORZ, horizontal);
    ShowScrollBar(window, SB_VERT, vertical);

    // With the bars in place the visible counts are final: keep the view within the cells.
    for (TAxis* axis : {&FCols, &FRows}) {
        axis->First = axis->ClampedFirst(axis->First, ClientExtent(*axis));
        if (!(axis->Bar == SB_VERT ? vertical : horizontal)) continue;
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMin = 0;
        info.nMax = std::max(0, axis->Count - axis->Fixed - 1);
        info.nPage = static_cast<UINT>(VisibleCells(*axis));
        info.nPos = axis->First - axis->Fixed;
        SetScrollInfo(window, axis->Bar, &info, TRUE);
    }
}

void TStringGrid::ScrollBy(int bar, WORD code) {
    const TAxis& axis = AxisOf(bar);
    const int first = axis.First;
    int target = first;
    switch (code) {
    case SB_LINEUP: target = first - 1; break;
    case SB_LINEDOWN: target = first + 1; break;
    case SB_PAGEUP: target = first - VisibleCells(axis); break;
    case SB_PAGEDOWN: target = first + VisibleCells(axis); break;
    case SB_TOP: target = axis.Fixed; break;
    case SB_BOTTOM: target = axis.Count; break;  // as far as the cells allow
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(Handle(), bar, &info);
        target = axis.Fixed + info.nTrackPos;
        break;
    }
    default: return;
    }
    ScrollAlong(bar, target);
}

void TStringGrid::Wheel(int bar, int delta) {
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    TAxis& axis = AxisOf(bar);
    axis.WheelRest += delta;
    const int notches = axis.WheelRest / WHEEL_DELTA;
    axis.WheelRest -= notches * WHEEL_DELTA;
    if (notches == 0) return;
    const int step = lines == WHEEL_PAGESCROLL ? VisibleCells(axis) : static_cast<int>(lines);
    // Turning the wheel away from the user (a positive delta) shows the rows above; tilting it to
    // the right (also positive) shows the columns to the right.
    ScrollAlong(bar, axis.First + (bar == SB_VERT ? -notches : notches) * step);
}

void TStringGrid::SetCurrentCell(int col, int row) {
    // A fixed cell is no place for the current one.
    if (col < FCols.Fixed) ListIndexError(col);
    if (row < FRows.Fixed) ListIndexError(row);
    CheckListIndex(col, FCols.Count);
    CheckListIndex(row, FRows.Count);
    MoveTo(col, row);
}

void TStringGrid::MoveTo(int col, int row) {
    if (!HasNonFixedCells()) return;
    col = std::clamp(col, FCols.Fixed, FCols.Count - 1);
    row = std::clamp(row, FRows.Fixed, FRows.Count - 1);
    if (col == FCols.Current && row == FRows.Current) return;
    CloseEditor(true);
    FCols.Current = col;
    FRows.Current = row;
    ScrollInView();
    Invalidate(false);
    if (OnSelectCell) OnSelectCell(this);
}

// ---------------------------------------------------------------- geometry

RECT TStringGrid::CellRect(int col, int row) const {
    RECT r{0, 0, 0, 0};
    if (!FCols.Contains(col) || !FRows.Contains(row)) return r;
    const int left = FCols.Start(col), top = FRows.Start(row);
    if (left < 0 || top < 0) return r;
    return RECT{left, top, left + FCols.Size, top + FRows.Size};
}

bool TStringGrid::MouseToCell(int x, int y, int& col, int& row) const {
    if (x < 0 || y < 0) return false;
    col = FCols.IndexAt(x);
    row = FRows.IndexAt(y);
    return col < FCols.Count && row < FRows.Count;
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
        FEditor->OnDone = [this](bool commit, int rowStep) {
            CloseEditor(commit);
            if (rowStep) MoveTo(FCols.Current, FRows.Current + rowStep);
        };
        FEditor->OnWheel = [this](int bar, int delta) { Wheel(bar, delta); };
    }
    FEditCol = FCols.Current;
    FEditRow = FRows.Current;
    PlaceEditor();
    FEditor->SetText(Cells(FEditCol, FEditRow));
    FEditing = true;
    HWND editor = FEditor->Handle();
    FEditor->SetVisible(true);
    Invalidate(false);
    ::SetFocus(editor);
    if (replaceWithKey) {
        FEditor->SelectAll();
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
    if (commit && FEditCol < FCols.Count && FEditRow < FRows.Count) SetCells(FEditCol, FEditRow, text);
    // The focus goes back to the grid only when the editor had it; a click elsewhere keeps its target.
    if (GetFocus() == FEditor->Handle()) ::SetFocus(Handle());
    FEditor->SetVisible(false);
    Invalidate(false);
}

// ---------------------------------------------------------------- input and painting

void TStringGrid::KeyPress(char key) {
    const auto code = static_cast<unsigned char>(key);
    if (code >= 32 && code != 127) OpenEditor(true, key);
}

void TStringGrid::KeyDown(WORD key) {
    const int col = FCols.Current, row = FRows.Current;
    switch (key) {
    case VK_LEFT: MoveTo(col - 1, row); break;
    case VK_RIGHT: MoveTo(col + 1, row); break;
    case VK_UP: MoveTo(col, row - 1); break;
    case VK_DOWN: MoveTo(col, row + 1); break;
    case VK_HOME: MoveTo(FCols.Fixed, row); break;
    case VK_END: MoveTo(FCols.Count - 1, row); break;
    case VK_PRIOR: MoveTo(col, row - VisibleCells(FRows)); break;
    case VK_NEXT: MoveTo(col, row + VisibleCells(FRows)); break;
    case VK_F2: OpenEditor(false, 0); break;
    default: break;
    }
}

void TStringGrid::Paint(HDC dc) {
    RECT client{};
    GetClientRect(Handle(), &client);
    const TSelectedObject font(dc, EffectiveFont().Handle());
    const int line = FontLineHeight(EffectiveFont());
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
    for (int row = 0; row < FRows.Count; ++row) {
        const int top = FRows.Start(row);
        if (top < 0) continue;
        if (top >= client.bottom) break;
        for (int col = 0; col < FCols.Count; ++col) {
            const int left = FCols.Start(col);
            if (left < 0) continue;
            if (left >= client.right) break;
            const bool fixed = col < FCols.Fixed || row < FRows.Fixed;
            const bool current = col == FCols.Current && row == FRows.Current;
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
        if (MouseToCell(x, y, col, row) && col >= FCols.Fixed && row >= FRows.Fixed) {
            MoveTo(col, row);
            if (message.Msg == WM_LBUTTONDBLCLK) OpenEditor(false, 0);
        }
        message.Result = 0;
        return;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Invalidate(false);
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
        Invalidate(false);
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
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(message.WParam));
        message.Result = 0;
        return;
    default:
        break;
    }
    TWinControl::WndProc(message);
}
