#include "Form.h"

#include <vector>

#include "Application.h"
#include "Button.h"
#include "Exceptions.h"
#include "GdiHandles.h"
#include "Menus.h"

namespace {

template <class Pred>
TButton* FindButton(TWinControl* parent, Pred pred) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
        if (auto* button = dynamic_cast<TButton*>(parent->Controls(i)); button && pred(button)) return button;
        if (auto* w = dynamic_cast<TWinControl*>(parent->Controls(i)))
            if (TButton* found = FindButton(w, pred)) return found;
    }
    return nullptr;
}

BOOL CALLBACK CollectEnabledWindows(HWND window, LPARAM param) {
    if (IsWindowVisible(window) && IsWindowEnabled(window))
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

}  // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner) {
    FVisible = false;
    SetBounds(0, 0, 320, 240);
}

TForm::~TForm() {
    if (OnDestroy) {
        try {
            OnDestroy(this);
        } catch (...) {
            if (Application) Application->HandleException(this);
        }
    }
    MarkDestroying();
    DestroyComponents();
}

void TForm::FinishLayout() {
    for (int i = 0; i < ComponentCount(); ++i) Components(i)->Loaded();
    if (OnCreate) OnCreate(this);
}

void TForm::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WndParent = nullptr;
    params.Style &= ~static_cast<DWORD>(WS_CHILD | WS_VISIBLE);
    params.ExStyle |= WS_EX_CONTROLPARENT;
    if (BorderStyle == TFormBorderStyle::bsDialog) {
        params.Style |= WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
        params.ExStyle |= WS_EX_DLGMODALFRAME;
    } else {
        params.Style |= WS_OVERLAPPEDWINDOW;
    }
    params.ClassBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    params.ClassIcon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
    if (Application && Application->MainForm() && Application->MainForm() != this &&
        Application->MainForm()->HandleAllocated())
        params.WndParent = Application->MainForm()->Handle();
}

void TForm::CreateWnd() {
    TWinControl::CreateWnd();
    if (Menu) SetMenu(Handle(), Menu->Handle());
}

int TForm::ClientWidth() {
    RECT r{};
    GetClientRect(Handle(), &r);
    return r.right;
}

int TForm::ClientHeight() {
    RECT r{};
    GetClientRect(Handle(), &r);
    return r.bottom;
}

void TForm::SetClientSize(int width, int height) {
    RECT r{0, 0, width, height};
    TCreateParams params;
    CreateParams(params);
    AdjustWindowRectEx(&r, params.Style, Menu != nullptr, params.ExStyle);
    SetBounds(Left(), Top(), r.right - r.left, r.bottom - r.top);
    // A menu bar that wraps takes more room than AdjustWindowRectEx knows; measure the real window.
    if (HandleAllocated()) {
        RECT client{};
        GetClientRect(Handle(), &client);
        const int extra = height - client.bottom;
        if (extra != 0) SetBounds(Left(), Top(), Width(), Height() + extra);
    }
}

void TForm::PlaceOnScreen() {
    if (Position != TPosition::poScreenCenter || FCentred) return;
    FCentred = true;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - Width()) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2;
    SetBounds(x, y, Width(), Height());
}

void TForm::Show() {
    PlaceOnScreen();
    HandleNeeded();
    SetVisible(true);
    SetForegroundWindow(Handle());
    SetActiveWindow(Handle());
}

void TForm::Hide() { SetVisible(false); }

int TForm::ShowModal() {
    if (FVisible || FModal) throw EInvalidOperation("Cannot make a visible window modal");
    HWND previous = GetActiveWindow();
    std::vector<HWND> disabled;
    EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindows, reinterpret_cast<LPARAM>(&disabled));
    HandleNeeded();
    for (HWND w : disabled)
        if (w != Handle()) EnableWindow(w, FALSE);
    FModal = true;
    ModalResult = mrNone;
    Show();
    // A control with the focus makes Enter and Esc reach the dialog manager.
    if (!IsChild(Handle(), GetFocus())) {
        HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE);
        ::SetFocus(first ? first : Handle());
    }
    try {
        while (true) {
            if (ModalResult != mrNone) {
                if (DoClose()) break;
                ModalResult = mrNone;
            }
            if (!Application->HandleMessage()) {
                PostQuitMessage(0);  // the outer loop ends too
                if (ModalResult == mrNone) ModalResult = mrCancel;
                break;
            }
        }
    } catch (...) {
        for (HWND w : disabled) EnableWindow(w, TRUE);
        FModal = false;
        throw;
    }
    for (HWND w : disabled) EnableWindow(w, TRUE);
    Hide();
    FModal = false;
    if (previous && IsWindow(previous)) SetActiveWindow(previous);
    return ModalResult;
}

bool TForm::DoClose() {
    TCloseAction action = TCloseAction::caHide;
    if (OnClose) OnClose(this, action);
    return action != TCloseAction::caNone;
}

void TForm::Close() {
    if (FModal) {
        ModalResult = mrCancel;
        return;
    }
    if (!DoClose()) return;
    if (Application && Application->MainForm() == this)
        Application->Terminate();
    else
        Hide();
}

TButton* TForm::DefaultButton() {
    return FindButton(this, [](TButton* b) { return b->Default; });
}

TButton* TForm::CancelButton() {
    return FindButton(this, [](TButton* b) { return b->Cancel; });
}

bool TForm::ClickButton(TButton* button) {
    if (!button || !button->Visible() || !button->Enabled()) return false;
    button->Click();
    return true;
}

void TForm::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_CLOSE:
        Close();
        return;
    case WM_ERASEBKGND:
        // A form given a colour of its own paints its ground in it instead of the class's.
        if (ColorSet()) {
            RECT r{};
            GetClientRect(Handle(), &r);
            TGdiObject<HBRUSH> brush(CreateSolidBrush(ColorToRGB(Color())));
            FillRect(reinterpret_cast<HDC>(message.WParam), &r, brush.Get());
            message.Result = 1;
            return;
        }
        break;
    case WM_NEXTDLGCTL: {
        // The dialog manager's request, as a dialog's own window procedure answers it.
        HWND target;
        if (LOWORD(message.LParam))
            target = reinterpret_cast<HWND>(message.WParam);
        else
            target = GetNextDlgTabItem(Handle(), GetFocus(), message.WParam != 0);
        if (target) ::SetFocus(target);
        message.Result = 0;
        return;
    }
    case DM_GETDEFID:
        if (TButton* button = DefaultButton()) {
            message.Result = MAKELRESULT(button->ControlId(), DC_HASDEFID);
            return;
        }
        message.Result = 0;
        return;
    case WM_COMMAND:
        if (message.LParam == 0 || LOWORD(message.WParam) == IDCANCEL || LOWORD(message.WParam) == IDOK) {
            const int id = LOWORD(message.WParam);
            if (id == IDCANCEL) {
                ClickButton(CancelButton());
                return;
            }
            if (id == IDOK) {
                ClickButton(DefaultButton());
                return;
            }
            if (message.LParam == 0) {
                if (auto* button = dynamic_cast<TButton*>(FindChildById(id))) {
                    ClickButton(button);
                    return;
                }
                if (Menu && Menu->DispatchCommand(id)) return;
            }
        }
        break;
    default:
        break;
    }
    TWinControl::WndProc(message);
}

TForm* GetParentForm(TControl* control) {
    while (control && !dynamic_cast<TForm*>(control)) control = control->Parent();
    return static_cast<TForm*>(control);
}
