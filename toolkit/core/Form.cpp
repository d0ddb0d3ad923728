#include "Form.h"

#include <algorithm>
#include <exception>
#include <vector>

#include "Application.h"
#include "ErrorBoundary.h"
#include "Exceptions.h"
#include "Handles.h"
#include "Menus.h"
#include "Screen.h"

namespace {

// The first push button inside `parent`, at any depth, for which `pred` holds.
template <class Pred>
TWinControl* FindButton(TWinControl* parent, Pred pred) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* w = dynamic_cast<TWinControl*>(parent->Controls(i));
        if (!w) continue;
        if (w->ButtonRole().PushButton && pred(w)) return w;
        if (TWinControl* found = FindButton(w, pred)) return found;
    }
    return nullptr;
}

BOOL CALLBACK CollectEnabledWindows(HWND window, LPARAM param) {
    if (IsWindowVisible(window) && IsWindowEnabled(window))
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

// The control of `form` that holds `window`: the window's own control, or the control whose inner
// window it is (the edit of a combo box); none for the form itself or another form's window.
TWinControl* ControlHolding(const TForm* form, HWND window) {
    for (; window; window = GetParent(window)) {
        if (TWinControl* control = TWinControl::FromHandle(window)) {
            if (control == form) return nullptr;
            return GetParentForm(control) == form ? control : nullptr;
        }
    }
    return nullptr;
}

}  // namespace

// A modal loop's hold on the other windows of the thread: they are disabled while it lasts; on
// every way out, exceptions included, they are enabled again, the modal form is hidden, and the
// activation goes back to the window that had it, which then focuses its own control again. The
// form may be freed inside its own loop: it lets go of the scope as it goes, leaving its answer.
class TModalScope {
public:
    explicit TModalScope(TForm& form) : FForm(&form), FPrevious(GetActiveWindow()) {
        EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindows, reinterpret_cast<LPARAM>(&FDisabled));
        HWND own = form.Handle();
        for (HWND w : FDisabled)
            if (w != own) EnableWindow(w, FALSE);
        form.FModalScope = this;
    }
    ~TModalScope() {
        for (HWND w : FDisabled) EnableWindow(w, TRUE);
        if (FForm) {
            FForm->Hide();
            FForm->FModalScope = nullptr;
        }
        if (FPrevious && IsWindow(FPrevious)) SetActiveWindow(FPrevious);
    }
    TModalScope(const TModalScope&) = delete;
    TModalScope& operator=(const TModalScope&) = delete;

    // False once the form has been freed: nothing may touch it any more.
    bool FormAlive() const { return FForm != nullptr; }
    void FormFreed() {
        FFreedResult = FForm->ModalResult != mrNone ? FForm->ModalResult : mrCancel;
        FForm = nullptr;
    }
    int Result() const { return FForm ? FForm->ModalResult : FFreedResult; }

private:
    TForm* FForm;
    HWND FPrevious;
    std::vector<HWND> FDisabled;
    int FFreedResult = mrCancel;
};

TForm::TForm(TComponent* owner) : TWinControl(owner), FExceptionsAtMaking(std::uncaught_exceptions()) {
    FVisible = false;
    SetBounds(0, 0, 320, 240);
}

TForm::~TForm() {
    if (FModalScope) FModalScope->FormFreed();
    // A derived constructor that raised left its members gone already: its handler would use them.
    const bool made = FLaidOut || std::uncaught_exceptions() <= FExceptionsAtMaking;
    if (OnDestroy && made) Guarded(this, [this] { OnDestroy(this); });
    MarkDestroying();
    DestroyComponents();
}

void TForm::ScaleToScreen() {
    const int pixelsPerInch = Screen->PixelsPerInch();
    if (pixelsPerInch != kDesignPixelsPerInch) ScaleBy(pixelsPerInch, kDesignPixelsPerInch);
}

void TForm::FinishLayout() {
    FLaidOut = true;
    ScaleToScreen();
    for (int i = 0; i < ComponentCount(); ++i) {
        TComponent* component = Components(i);
        Guarded(component, [component] { component->Loaded(); });
    }
    if (OnCreate) Guarded(this, [this] { OnCreate(this); });
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
    // Given to the window as it is made: set afterwards, the platform lays out the frame and every
    // child again.
    if (Menu) params.Menu = Menu->Handle();
    if (Application && Application->MainForm() && Application->MainForm() != this &&
        Application->MainForm()->HandleAllocated())
        params.WndParent = Application->MainForm()->Handle();
    else if (Application && Application->MainForm() == this && Application->HandleAllocated())
        params.WndParent = Application->Handle();  // its task-bar entry is the application's
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
    FClientWidth = width;
    FClientHeight = height;
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

SIZE TForm::FrameSize(int pixelsPerInch) {
    using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    // Windows 10 (1607) and later know the frame at any pixels per inch; before, the frame of this
    // screen is scaled.
    static const auto adjustForDpi = reinterpret_cast<AdjustForDpi>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "AdjustWindowRectExForDpi")));
    TCreateParams params;
    CreateParams(params);
    RECT r{0, 0, 0, 0};
    if (adjustForDpi) {
        adjustForDpi(&r, params.Style, Menu != nullptr, params.ExStyle, static_cast<UINT>(pixelsPerInch));
        return SIZE{r.right - r.left, r.bottom - r.top};
    }
    AdjustWindowRectEx(&r, params.Style, Menu != nullptr, params.ExStyle);
    const int screen = Screen->PixelsPerInch();
    return SIZE{MulDiv(r.right - r.left, pixelsPerInch, screen), MulDiv(r.bottom - r.top, pixelsPerInch, screen)};
}

void TForm::ChangeScale(int to, int from) {
    int clientWidth = FClientWidth, clientHeight = FClientHeight;
    if (clientWidth < 0) {
        const SIZE frame = FrameSize(from);
        clientWidth = Width() - frame.cx;
        clientHeight = Height() - frame.cy;
    }
    TWinControl::ChangeScale(to, from);
    SetClientSize(MulDiv(clientWidth, to, from), MulDiv(clientHeight, to, from));
}

void TForm::PlaceOnScreen() {
    if (FPlaced) return;
    FPlaced = true;
    int x = Left(), y = Top();
    if (Position == TPosition::poScreenCenter) {
        x = (GetSystemMetrics(SM_CXSCREEN) - Width()) / 2;
        y = (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2;
    }
    // Moved, never resized, the least that brings it inside the work area of its monitor; one
    // larger than that keeps its top left corner inside, so that its caption can be reached.
    const RECT place{x, y, x + Width(), y + Height()};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoA(MonitorFromRect(&place, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        x = std::max(std::min(x, static_cast<int>(work.right) - Width()), static_cast<int>(work.left));
        y = std::max(std::min(y, static_cast<int>(work.bottom) - Height()), static_cast<int>(work.top));
    }
    if (x != Left() || y != Top()) SetBounds(x, y, Width(), Height());
}

void TForm::Show() {
    PlaceOnScreen();
    HandleNeeded();
    SetVisible(true);
    SetForegroundWindow(Handle());
    SetActiveWindow(Handle());  // the activation focuses ActiveControl
    // A form that was active already gets no activation; a control with the focus makes Tab,
    // Enter and Esc reach the dialog manager.
    if (GetActiveWindow() == Handle() && !IsChild(Handle(), GetFocus())) FocusActiveControl();
}

TWinControl* TForm::ActiveControl() const {
    if (TWinControl* focused = ControlHolding(this, GetFocus())) return focused;
    return FActiveControl;
}

void TForm::SetActiveControl(TWinControl* control) {
    if (control == FActiveControl) return;
    LinkActiveControl(control);
    if (control && HandleAllocated() && GetActiveWindow() == Handle()) FocusActiveControl();
}

void TForm::LinkActiveControl(TWinControl* control) {
    if (FActiveControl) RemoveFreeNotification(FActiveControl);
    FActiveControl = control;
    if (control) FreeNotification(control);
}

void TForm::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FActiveControl) FActiveControl = nullptr;
}

void TForm::RememberFocus() {
    TWinControl* focused = ControlHolding(this, GetFocus());
    if (focused && focused != FActiveControl) LinkActiveControl(focused);
}

void TForm::FocusActiveControl() {
    HWND form = Handle();
    if (FActiveControl && FActiveControl->HandleAllocated()) {
        HWND window = FActiveControl->Handle();
        if (IsChild(form, window) && IsWindowVisible(window) && IsWindowEnabled(window)) {
            ::SetFocus(window);
            return;
        }
    }
    HWND first = GetNextDlgTabItem(form, nullptr, FALSE);
    ::SetFocus(first ? first : form);
}

void TForm::Hide() { SetVisible(false); }

int TForm::ShowModal() {
    if (FVisible || Modal()) throw EInvalidOperation("Cannot make a visible window modal");
    HandleNeeded();
    TModalScope scope(*this);
    ModalResult = mrNone;
    Show();
    // Any handler may free the form: after each call that runs handlers, the scope says whether
    // the form is still there to be read.
    while (true) {
        if (ModalResult != mrNone) {
            if (DoClose() || !scope.FormAlive()) break;
            ModalResult = mrNone;
        }
        const bool quit = !Application->HandleMessage();
        if (quit) PostQuitMessage(0);  // the outer loop ends too
        if (!scope.FormAlive()) break;
        if (quit) {
            if (ModalResult == mrNone) ModalResult = mrCancel;
            break;
        }
    }
    return scope.Result();
}

bool TForm::DoClose() {
    TCloseAction action = TCloseAction::caHide;
    if (OnClose) OnClose(this, action);
    return action != TCloseAction::caNone;
}

void TForm::Close() {
    if (Modal()) {
        ModalResult = mrCancel;
        return;
    }
    if (!DoClose()) return;
    if (Application && Application->MainForm() == this)
        Application->Terminate();
    else
        Hide();
}

TWinControl* TForm::DefaultButton() {
    return FindButton(this, [](TWinControl* b) { return b->ButtonRole().Default; });
}

TWinControl* TForm::CancelButton() {
    return FindButton(this, [](TWinControl* b) { return b->ButtonRole().Cancel; });
}

TWinControl* TForm::EnterButton(HWND focus) {
    if (TWinControl* button = ControlHolding(this, focus);
        button && button->ButtonRole().PushButton && button->HandleAllocated() && button->Handle() == focus)
        return button;
    return DefaultButton();
}

void TForm::ShowDefaultButton(HWND focus) {
    TWinControl* shown = EnterButton(focus);
    FindButton(this, [shown](TWinControl* b) {
        b->ShowAsDefault(b == shown);
        return false;  // on to every other button
    });
}

HWND TForm::NextTabItem(HWND from, bool previous) {
    // Tab from a container enters it: the dialog manager puts the focus on a group box for its
    // & accelerator and then asks for the next control, which is the first one inside.
    if (!previous && from && IsChild(Handle(), from) && (GetWindowLongPtrA(from, GWL_EXSTYLE) & WS_EX_CONTROLPARENT))
        if (HWND inside = GetNextDlgTabItem(from, nullptr, FALSE); inside && IsChild(from, inside)) return inside;
    return GetNextDlgTabItem(Handle(), from, previous);
}

void TForm::KeepMenuBar() {
    if (HMENU shown = GetMenu(WindowHandle()); shown && Menu && shown == Menu->Handle())
        SetMenu(WindowHandle(), nullptr);
}

void TForm::DestroyWnd() {
    KeepMenuBar();
    TWinControl::DestroyWnd();
}

bool TForm::ClickButton(TWinControl* button) {
    if (!button || !button->Visible() || !button->Enabled()) return false;
    button->Click();
    return true;
}

void TForm::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_CLOSE:
        Close();
        return;
    case WM_SYSCOMMAND:
        // The main form minimises the whole program, to the application window's task-bar entry.
        if ((message.WParam & 0xFFF0) == SC_MINIMIZE && Application && Application->MainForm() == this &&
            Application->HandleAllocated()) {
            Application->Minimize();
            return;
        }
        break;
    case WM_ACTIVATE:
        // Instead of the default, which focuses the form itself.
        if (LOWORD(message.WParam) == WA_INACTIVE) {
            RememberFocus();
        } else if (!HIWORD(message.WParam)) {  // not minimised
            FocusActiveControl();
            message.Result = 0;
            return;
        }
        break;
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
            target = NextTabItem(GetFocus(), message.WParam != 0);
        if (target) ::SetFocus(target);
        message.Result = 0;
        return;
    }
    case WM_DESTROY:  // a window destroyed with its owner's
        KeepMenuBar();
        break;
    case DM_GETDEFID:
        if (TWinControl* button = EnterButton(GetFocus())) {
            message.Result = MAKELRESULT(button->ControlId(), DC_HASDEFID);
            return;
        }
        message.Result = 0;
        return;
    case WM_COMMAND: {
        // A command that names its window goes to that control, whatever its id reads as
        // (TWinControl hands it on); only the dialog manager's Enter and Esc, and menus, come
        // without one.
        if (message.LParam && FromHandle(reinterpret_cast<HWND>(message.LParam))) break;
        const int id = LOWORD(message.WParam);
        if (id == IDCANCEL) {
            ClickButton(CancelButton());
            return;
        }
        if (id == IDOK) {
            ClickButton(EnterButton(GetFocus()));
            return;
        }
        if (message.LParam == 0) {
            if (TWinControl* button = FindChildById(id); button && button->ButtonRole().PushButton) {
                ClickButton(button);
                return;
            }
            if (Menu && Menu->DispatchCommand(id)) return;
        }
        break;
    }
    default:
        break;
    }
    TWinControl::WndProc(message);
}

TForm* GetParentForm(TControl* control) {
    while (control && !dynamic_cast<TForm*>(control)) control = control->Parent();
    return static_cast<TForm*>(control);
}
