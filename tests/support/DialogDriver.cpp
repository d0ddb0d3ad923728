#include "DialogDriver.h"

#include <gtest/gtest.h>

#include "Application.h"
#include "Form.h"

namespace {

DialogDriver* gDriver = nullptr;
constexpr int kTickMs = 40;
constexpr int kSettleTicks = 3;       // a new window is answered once it has settled
constexpr int kUnansweredTicks = 75;  // about three seconds

std::string WindowText(HWND window) {
    char buffer[4096] = {};
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

std::string WindowClass(HWND window) {
    char buffer[256] = {};
    GetClassNameA(window, buffer, sizeof buffer);
    return buffer;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> result;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        result.push_back(child);
    return result;
}

bool IsPushButton(HWND window) {
    if (WindowClass(window) != "Button" && WindowClass(window) != "BUTTON") return false;
    const LONG_PTR type = GetWindowLongPtrA(window, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

bool IsStatic(HWND window) {
    const std::string name = WindowClass(window);
    return name == "Static" || name == "STATIC";
}

bool IsModalWindow(HWND window) {
    if (!IsWindowVisible(window) || !IsWindowEnabled(window)) return false;
    if (WindowClass(window) == "#32770") return true;
    auto* form = dynamic_cast<TForm*>(TWinControl::FromHandle(window));
    return form && form->Modal();
}

BOOL CALLBACK CollectWindows(HWND window, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

}  // namespace

// ---------------------------------------------------------------- WindowView

std::string WindowView::Caption() const { return WindowText(FWindow); }
std::string WindowView::ClassName() const { return WindowClass(FWindow); }

std::string WindowView::Text() const {
    std::string text;
    for (HWND child : Children(FWindow)) {
        if (!IsStatic(child) || !IsWindowVisible(child)) continue;
        const LONG_PTR type = GetWindowLongPtrA(child, GWL_STYLE) & SS_TYPEMASK;
        if (type == SS_ICON || type == SS_BITMAP) continue;
        const std::string part = WindowText(child);
        if (part.empty()) continue;
        if (!text.empty()) text += "\n";
        text += part;
    }
    return text;
}

std::string WindowView::IconName() const {
    for (HWND child : Children(FWindow)) {
        if (!IsStatic(child) || !IsWindowVisible(child)) continue;
        if ((GetWindowLongPtrA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) continue;
        auto icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
        if (!icon) continue;
        if (icon == LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_HAND))) return "stop";
        if (icon == LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_QUESTION))) return "question";
        if (icon == LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_EXCLAMATION))) return "exclamation";
        if (icon == LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_ASTERISK))) return "information";
        return "other";
    }
    return "";
}

std::vector<std::string> WindowView::Buttons() const {
    std::vector<std::string> result;
    for (HWND child : Children(FWindow))
        if (IsPushButton(child) && IsWindowVisible(child)) result.push_back(WindowText(child));
    return result;
}

std::string WindowView::DefaultButton() const {
    for (HWND child : Children(FWindow))
        if (IsPushButton(child) && IsWindowVisible(child) &&
            (GetWindowLongPtrA(child, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            return WindowText(child);
    return "";
}

HWND WindowView::FindChild(const std::string& className, const std::string& text) const {
    for (HWND child : Children(FWindow)) {
        if (_stricmp(WindowClass(child).c_str(), className.c_str()) != 0) continue;
        if (!text.empty() && WindowText(child) != text) continue;
        return child;
    }
    return nullptr;
}

void WindowView::Press(const std::string& caption) const {
    for (HWND child : Children(FWindow)) {
        if (IsPushButton(child) && IsWindowVisible(child) && WindowText(child) == caption) {
            // What a click tells the button's parent (BM_CLICK needs the mouse capture, which a
            // window without the input focus of the X server may not get).
            PostMessageA(GetParent(child), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(child), BN_CLICKED),
                         reinterpret_cast<LPARAM>(child));
            return;
        }
    }
    ADD_FAILURE() << "No button \"" << caption << "\" in the window \"" << Caption() << "\"";
    Close();
}

void WindowView::PressKey(UINT virtualKey) const {
    HWND focus = GetFocus();
    if (!focus || GetAncestor(focus, GA_ROOT) != FWindow) focus = FWindow;
    PostMessageA(focus, WM_KEYDOWN, virtualKey, 1);
    PostMessageA(focus, WM_KEYUP, virtualKey, 0xC0000001);
}

void WindowView::Close() const { PostMessageA(FWindow, WM_CLOSE, 0, 0); }

void WindowView::TypeFileNameAndOk(const std::string& path) const {
    // The Explorer-style dialog keeps the name in a combo box (cmb13), the older one in an edit (edt1).
    HWND name = Item(0x47C);
    if (!name) name = Item(0x480);
    ASSERT_NE(name, nullptr) << "no file name box in \"" << Caption() << "\"";
    SetWindowTextA(name, path.c_str());
    PostMessageA(FWindow, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(Item(IDOK)));
}

void WindowView::ChooseFilter(int index) const {
    HWND types = Item(0x470);  // cmb1
    ASSERT_NE(types, nullptr) << "no file type list in \"" << Caption() << "\"";
    SendMessageA(types, CB_SETCURSEL, static_cast<WPARAM>(index - 1), 0);
    // What a choice from the drop-down list tells the dialog; Wine's dialog takes the new entry as
    // its filter index on CBN_SELENDOK.
    SendMessageA(FWindow, WM_COMMAND, MAKEWPARAM(0x470, CBN_SELENDOK), reinterpret_cast<LPARAM>(types));
    SendMessageA(FWindow, WM_COMMAND, MAKEWPARAM(0x470, CBN_SELCHANGE), reinterpret_cast<LPARAM>(types));
}

void WindowView::CancelFileDialog() const {
    PostMessageA(FWindow, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(Item(IDCANCEL)));
}

// ---------------------------------------------------------------- DialogDriver

DialogDriver::DialogDriver() {
    if (gDriver) ADD_FAILURE() << "Only one DialogDriver at a time";
    gDriver = this;
    FTimer = SetTimer(nullptr, 0, kTickMs, &DialogDriver::Tick);
    FHook = SetWindowsHookExA(WH_CALLWNDPROC, &DialogDriver::WatchShowing, nullptr, GetCurrentThreadId());
}

// A window shown again (a form reused for a second ShowModal) is a new dialog to answer.
LRESULT CALLBACK DialogDriver::WatchShowing(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && gDriver) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (call->message == WM_SHOWWINDOW && call->wParam) gDriver->FHandled.erase(call->hwnd);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

DialogDriver::~DialogDriver() {
    KillTimer(nullptr, FTimer);
    UnhookWindowsHookEx(FHook);
    gDriver = nullptr;
    if (!FAnswers.empty()) ADD_FAILURE() << FAnswers.size() << " dialog answer(s) were never used";
}

DialogDriver& DialogDriver::Then(Answer answer) {
    FAnswers.push_back(std::move(answer));
    return *this;
}

DialogDriver& DialogDriver::Record(DialogSeen& seen, const std::string& button) {
    return Then([&seen, button](WindowView& w) {
        seen.Shown = true;
        seen.Caption = w.Caption();
        seen.Text = w.Text();
        seen.Icon = w.IconName();
        seen.Buttons = w.Buttons();
        seen.DefaultButton = w.DefaultButton();
        w.Press(button);
    });
}

DialogDriver& DialogDriver::SaveAs(const std::string& path) {
    return Then([path](WindowView& w) { w.TypeFileNameAndOk(path); });
}

DialogDriver& DialogDriver::Cancel() {
    return Then([](WindowView& w) { w.CancelFileDialog(); });
}

void CALLBACK DialogDriver::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (gDriver) gDriver->OnTick();
}

void DialogDriver::OnTick() {
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), CollectWindows, reinterpret_cast<LPARAM>(&windows));
    HWND found = nullptr;
    for (HWND w : windows) {
        if (FHandled.count(w) || !IsModalWindow(w)) continue;
        found = w;
        break;
    }
    // Forget windows that are gone: a later dialog may get the same handle.
    for (auto it = FHandled.begin(); it != FHandled.end();) it = IsWindow(*it) ? std::next(it) : FHandled.erase(it);
    if (found != FCandidate) {
        FCandidate = found;
        FCandidateTicks = 0;
        return;
    }
    if (!found) return;
    ++FCandidateTicks;
    WindowView view(found);
    if (!FAnswers.empty()) {
        if (FCandidateTicks < kSettleTicks) return;
        Answer answer = std::move(FAnswers.front());
        FAnswers.pop_front();  // before running it: it may open a dialog that the next answer takes
        FHandled.insert(found);
        FCandidate = nullptr;
        ++FAnswered;
            answer(view);
    } else if (FCandidateTicks >= kUnansweredTicks) {
        ADD_FAILURE() << "Unexpected dialog \"" << view.Caption() << "\": " << view.Text();
        FHandled.insert(found);
        FCandidate = nullptr;
        if (view.ClassName() == "#32770" && view.Item(IDCANCEL))
            view.CancelFileDialog();
        else
            view.Close();
    }
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (static_cast<int>(GetTickCount() - start) > timeoutMs) return false;
        MSG msg;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
            Application->HandleMessage();
        else
            Sleep(5);
    }
    return true;
}

bool PumpUntilQuiet(int timeoutMs) {
    return PumpUntil(
        [] {
            MSG msg;
            return !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
        },
        timeoutMs);
}

namespace {

bool gSentinelSeen = false;

LRESULT CALLBACK SentinelProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_APP) gSentinelSeen = true;
    return DefWindowProcA(window, msg, wParam, lParam);
}

// A message-only window whose posted message marks the end of what was posted before it.
HWND Sentinel() {
    static HWND window = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = SentinelProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "TessellorTestSentinel";
        RegisterClassA(&wc);
        return CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    }();
    return window;
}

}  // namespace

bool PumpPosted() {
    gSentinelSeen = false;
    PostMessageA(Sentinel(), WM_APP, 0, 0);
    return PumpUntil([] { return gSentinelSeen; });
}
