#include "Control.h"

#include <algorithm>
#include <unordered_map>

#include "ErrorBoundary.h"
#include "Exceptions.h"
#include "Format.h"
#include "ScopeGuards.h"

namespace {

const char* const kToolkitClass = "TessellorWindow";
// The objects behind the windows, for FromHandle: a window property costs a call to the Wine
// server on every read, which the window procedure would pay for every message.
std::unordered_map<HWND, TWinControl*> gControls;
TWinControl* gCreatingControl = nullptr;  // the object whose own-class window is being created

}  // namespace

LRESULT CALLBACK ToolkitWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWinControl* control = TWinControl::FromHandle(window);
    if (!control) return DefWindowProcA(window, msg, wParam, lParam);
    TMessage message{msg, wParam, lParam, 0};
    Guarded(control, [control, window, &message] {
        try {
            control->WndProc(message);
        } catch (...) {
            // A failed paint ends like any other, before the error box shows: a window left
            // invalid asks to be painted again at once, fails again, and shows box upon box.
            if (message.Msg == WM_PAINT) ValidateRect(window, nullptr);
            throw;
        }
    });
    if (msg == WM_NCDESTROY && TWinControl::FromHandle(window) == control) control->Unbind();
    return message.Result;
}

// First procedure of the toolkit's own window class: binds the window to the object being created.
LRESULT CALLBACK ToolkitInitWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (gCreatingControl && !TWinControl::FromHandle(window)) {
        TWinControl* control = gCreatingControl;
        gCreatingControl = nullptr;
        control->FDefWndProc = DefWindowProcA;
        control->Bind(window);
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ToolkitWndProc));
        return ToolkitWndProc(window, msg, wParam, lParam);
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

// ---------------------------------------------------------------- TControl

TControl::TControl(TComponent* owner) : TComponent(owner) {
    FFont.OnChange = [this] {
        if (!FSettingParentFont) FParentFont = false;
        FontChanged();
    };
}

TControl::~TControl() {
    if (FParent) FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == FParent) return;
    if (FParent) FParent->RemoveControl(this);
    if (parent) parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
}

void TControl::ChangeScale(int to, int from) {
    SetBounds(MulDiv(FLeft, to, from), MulDiv(FTop, to, from), MulDiv(FWidth, to, from), MulDiv(FHeight, to, from));
    if (FParentFont && FParent) return;
    FSettingParentFont = true;  // ParentFont stays as it is: a form has no parent to follow
    FFont.ScaleBy(to, from);
    FSettingParentFont = false;
}

void TControl::SetVisible(bool visible) { FVisible = visible; }
void TControl::SetEnabled(bool enabled) { FEnabled = enabled; }
void TControl::SetText(const std::string& text) { FText = text; }

const TFont& TControl::EffectiveFont() const {
    const TControl* control = this;
    while (control->FParentFont && control->FParent) control = control->FParent;
    return control->FFont;
}

void TControl::SetParentFont(bool value) {
    if (value == FParentFont) return;
    FParentFont = value;
    FontChanged();
}

void TControl::SetColor(TColor color) {
    FColor = color;
    FColorSet = true;
    ColorChanged();
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

// ---------------------------------------------------------------- TWinControl

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    // Child controls go with their parent, as their windows do.
    while (!FControls.empty()) delete FControls.back();
    if (FHandle) {
        HWND window = FHandle;
        Unbind();
        DestroyWindow(window);
    }
}

TWinControl* TWinControl::FromHandle(HWND window) {
    if (!window) return nullptr;
    const auto found = gControls.find(window);
    return found == gControls.end() ? nullptr : found->second;
}

void TWinControl::Bind(HWND window) {
    FHandle = window;
    gControls[window] = this;
}

void TWinControl::Unbind() {
    if (!FHandle) return;
    ReleaseId();
    gControls.erase(FHandle);
    if (FDefWndProc && FDefWndProc != DefWindowProcA)
        SetWindowLongPtrA(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FDefWndProc));
    FHandle = nullptr;
    FDefWndProc = nullptr;
}

HWND TWinControl::Handle() {
    HandleNeeded();
    return FHandle;
}

void TWinControl::HandleNeeded() {
    if (FHandle) return;
    if (Parent()) {
        Parent()->HandleNeeded();  // makes this window too, as one of its children
        if (FHandle) return;
    }
    MakeWindow();
}

void TWinControl::MakeWindow() {
    try {
        CreateWnd();
    } catch (...) {
        if (!FHandle) throw;
        ShowCaughtException(this);
    }
}

TIdPool& TWinControl::FormIds() {
    TWinControl* top = this;
    while (top->Parent()) top = top->Parent();
    if (!top->FChildIds)
        top->FChildIds = std::make_unique<TIdPool>(kFirstControlId, kLastControlId, "Too many controls in one window");
    return *top->FChildIds;
}

void TWinControl::ReleaseId() {
    if (FIdSource) FIdSource->Give(FControlId);
    FIdSource = nullptr;
    FControlId = 0;
}

void TWinControl::CreateParams(TCreateParams& params) {
    params.Style = WS_CLIPCHILDREN;
    if (Parent()) {
        params.Style |= WS_CHILD | WS_CLIPSIBLINGS;
        params.WndParent = Parent()->Handle();
    }
    if (FVisible) params.Style |= WS_VISIBLE;
    if (!FEnabled) params.Style |= WS_DISABLED;
    if (FTabStop) params.Style |= WS_TABSTOP;
    params.X = Left();
    params.Y = Top();
    params.Width = Width();
    params.Height = Height();
    params.Caption = FText;
}

void TWinControl::ChangeScale(int to, int from) {
    for (TControl* child : std::vector<TControl*>(FControls)) child->ChangeScale(to, from);
    TControl::ChangeScale(to, from);
}

void TWinControl::ScaleDone() {
    for (TControl* child : std::vector<TControl*>(FControls)) child->ScaleDone();
}

void TWinControl::CreateWnd() {
    TCreateParams params;
    CreateParams(params);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HMENU menuOrId = params.Menu;
    if (params.Style & WS_CHILD) {
        TIdPool& ids = FormIds();
        FControlId = ids.Take();
        FIdSource = &ids;
        menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(FControlId));
    }
    HWND window;
    if (params.WinClassName.empty()) {
        // The toolkit's own class; one class per class style, background and icon.
        std::string className = Format("%s.%X.%p.%p", kToolkitClass, params.ClassStyle,
                                       static_cast<void*>(params.ClassBackground), static_cast<void*>(params.ClassIcon));
        WNDCLASSA existing{};
        if (!GetClassInfoA(instance, className.c_str(), &existing)) {
            WNDCLASSA wc{};
            wc.style = params.ClassStyle;
            wc.lpfnWndProc = ToolkitInitWndProc;
            wc.hInstance = instance;
            wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
            wc.hbrBackground = params.ClassBackground;
            wc.hIcon = params.ClassIcon;
            wc.lpszClassName = className.c_str();
            if (!RegisterClassA(&wc)) {
                ReleaseId();
                throw EOutOfResources(Format("Error registering window class for %s", Name.c_str()));
            }
        }
        gCreatingControl = this;
        window = CreateWindowExA(params.ExStyle, className.c_str(), params.Caption.c_str(), params.Style, params.X,
                                 params.Y, params.Width, params.Height, params.WndParent, menuOrId, instance, nullptr);
        gCreatingControl = nullptr;
    } else {
        window = CreateWindowExA(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style,
                                 params.X, params.Y, params.Width, params.Height, params.WndParent, menuOrId, instance,
                                 nullptr);
        if (window) {
            Bind(window);
            FDefWndProc = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ToolkitWndProc)));
        }
    }
    if (!window) {
        ReleaseId();
        throw EOutOfResources(Format("Error creating window of %s", Name.c_str()));
    }
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(EffectiveFont().Handle()), FALSE);
    CreateChildWindows();
    if (Parent()) Parent()->ArrangeTabOrder();  // made alone, as after RecreateWnd or in a live parent
}

void TWinControl::DestroyWnd() {
    if (!FHandle) return;
    FText = Text();
    for (TControl* c : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->DestroyWnd();
    HWND window = FHandle;
    Unbind();
    DestroyWindow(window);
}

void TWinControl::RecreateWnd() {
    if (!FHandle) return;
    DestroyWnd();
    HandleNeeded();
}

void TWinControl::InsertControl(TControl* control) {
    // A window made while the control had no parent is no child of this one: it is made again.
    if (auto* w = dynamic_cast<TWinControl*>(control); w && w->FHandle) w->DestroyWnd();
    FControls.push_back(control);
    control->FParent = this;
    if (control->FParentFont) control->FontChanged();
    if (FHandle) {
        if (auto* w = dynamic_cast<TWinControl*>(control)) w->HandleNeeded();
    }
}

void TWinControl::RemoveControl(TControl* control) {
    FControls.erase(std::remove(FControls.begin(), FControls.end(), control), FControls.end());
    control->FParent = nullptr;
    if (auto* w = dynamic_cast<TWinControl*>(control)) w->DestroyWnd();
}

LRESULT TWinControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage message{msg, wParam, lParam, 0};
    WndProc(message);
    return message.Result;
}

void TWinControl::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_COMMAND:
        if (message.LParam) {
            if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(message.LParam))) {
                message.Result = child->Perform(CN_COMMAND, message.WParam, message.LParam);
                return;
            }
        }
        break;
    case WM_DRAWITEM: {
        auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
        if (dis->CtlType != ODT_MENU) {
            if (TWinControl* child = FromHandle(dis->hwndItem)) {
                message.Result = child->Perform(CN_DRAWITEM, message.WParam, message.LParam);
                return;
            }
        }
        break;
    }
    case WM_MEASUREITEM: {
        // The structure names the child by its control id only.
        auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
        if (mis->CtlType != ODT_MENU) {
            if (TWinControl* child = FindChildById(static_cast<int>(mis->CtlID))) {
                message.Result = child->Perform(CN_MEASUREITEM, message.WParam, message.LParam);
                return;
            }
        }
        break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(message.LParam))) {
            message.Result = child->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
            return;
        }
        break;
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN:
        message.Result = ControlColor(message);
        return;
    default:
        break;
    }
    DefaultHandler(message);
}

LRESULT TWinControl::ControlColor(TMessage& message) {
    const TFont& font = EffectiveFont();
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    if (!ColorSet() && font.Color() == clWindowText) {
        HWND parent = GetParent(FHandle);
        return DefWindowProcA(parent, message.Msg - CN_BASE, message.WParam, message.LParam);
    }
    SetTextColor(dc, ColorToRGB(font.Color()));
    const COLORREF back = ColorToRGB(ColorSet() ? Color() : (message.Msg == CN_CTLCOLOREDIT || message.Msg == CN_CTLCOLORLISTBOX ? clWindow : clBtnFace));
    SetBkColor(dc, back);
    if (!FBrush || FBrushColor != back) {
        FBrush.Reset(CreateSolidBrush(back));
        FBrushColor = back;
    }
    return reinterpret_cast<LRESULT>(FBrush.Get());
}

void TWinControl::DefaultHandler(TMessage& message) {
    if (message.Msg >= CN_BASE && message.Msg < CN_BASE + 0x400) return;
    if (!FHandle) return;
    message.Result = CallWindowProcA(FDefWndProc ? FDefWndProc : DefWindowProcA, FHandle, message.Msg,
                                     message.WParam, message.LParam);
}

void TWinControl::FontChanged() {
    if (FHandle) {
        SendMessageA(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(EffectiveFont().Handle()), TRUE);
    }
    for (TControl* c : FControls)
        if (c->ParentFont()) c->FontChanged();
}

void TWinControl::ColorChanged() { Invalidate(); }

void TWinControl::Invalidate(bool erase) {
    if (FHandle) InvalidateRect(FHandle, nullptr, erase ? TRUE : FALSE);
}

bool TWinControl::Focused() const { return FHandle && GetFocus() == FHandle; }

void TWinControl::SetFocus() { ::SetFocus(Handle()); }

void TWinControl::SetBounds(int left, int top, int width, int height) {
    TControl::SetBounds(left, top, width, height);
    if (FHandle) MoveWindow(FHandle, left, top, width, height, TRUE);
}

void TWinControl::SetVisible(bool visible) {
    TControl::SetVisible(visible);
    if (FHandle) ShowWindow(FHandle, visible ? SW_SHOW : SW_HIDE);
}

void TWinControl::SetEnabled(bool enabled) {
    TControl::SetEnabled(enabled);
    if (FHandle) EnableWindow(FHandle, enabled);
}

std::string TWinControl::Text() const {
    if (!FHandle) return FText;
    const int length = GetWindowTextLengthA(FHandle);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(FHandle, text.data(), length + 1);
    text.resize(static_cast<size_t>(std::max(copied, 0)));
    return text;
}

void TWinControl::SetText(const std::string& text) {
    FText = text;
    if (FHandle) SetWindowTextA(FHandle, text.c_str());
}

TWinControl* TWinControl::FindChildById(int id) {
    for (TControl* c : FControls) {
        auto* w = dynamic_cast<TWinControl*>(c);
        if (!w) continue;
        if (w->FControlId == id) return w;
        if (TWinControl* found = w->FindChildById(id)) return found;
    }
    return nullptr;
}
