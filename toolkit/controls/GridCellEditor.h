#pragma once
// TGridCellEditor: the string grid's cell editor, a borderless EDIT that the grid lays over the cell
// being edited. It knows no grid: it tells its owner through two hooks when the edit ends and when
// the mouse wheel turns over it, and the grid decides what follows. Enter and Esc end the edit (the
// dialog manager is told that the editor wants them), the up and down arrows end it and step to the
// row above or below, and losing the focus ends it keeping what was typed.
#include <functional>

#include "Edit.h"

// The tilt wheel's message (WM_MOUSEHWHEEL), which headers for older systems do not declare; the
// editor passes it on to the grid, which scrolls with it too.
constexpr UINT kMouseHWheel = 0x020E;

class TGridCellEditor : public TCustomEdit {
public:
    explicit TGridCellEditor(TComponent* owner);

    // The edit ends: `commit` keeps what was typed, `rowStep` (-1, 0 or 1) moves on by rows after.
    std::function<void(bool commit, int rowStep)> OnDone;
    // The wheel turned over the editor: SB_VERT or SB_HORZ, and the turn as the message gives it.
    std::function<void(int bar, int delta)> OnWheel;

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;

private:
    void Done(bool commit, int rowStep) {
        if (OnDone) OnDone(commit, rowStep);
    }
};
