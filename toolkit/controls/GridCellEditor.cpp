#include "GridCellEditor.h"

TGridCellEditor::TGridCellEditor(TComponent* owner) : TCustomEdit(owner) {
    SetVisible(false);
    FTabStop = false;
}

void TGridCellEditor::CreateParams(TCreateParams& params) {
    TCustomEdit::CreateParams(params);
    params.Style &= ~static_cast<DWORD>(WS_BORDER | WS_TABSTOP);
}

void TGridCellEditor::WndProc(TMessage& message) {
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
        case VK_RETURN: Done(true, 0); return;
        case VK_ESCAPE: Done(false, 0); return;
        case VK_UP: Done(true, -1); return;
        case VK_DOWN: Done(true, 1); return;
        default: break;
        }
        break;
    case WM_CHAR:
        // What Enter and Esc leave behind after they ended the edit: no beep, no character.
        if (message.WParam == '\r' || message.WParam == 27) return;
        break;
    case WM_KILLFOCUS:
        TCustomEdit::WndProc(message);
        Done(true, 0);
        return;
    case WM_MOUSEWHEEL:
    case kMouseHWheel:
        if (OnWheel) OnWheel(message.Msg == WM_MOUSEWHEEL ? SB_VERT : SB_HORZ, GET_WHEEL_DELTA_WPARAM(message.WParam));
        return;
    default: break;
    }
    TCustomEdit::WndProc(message);
}
