#include "Application.h"

#include "Control.h"
#include "Exceptions.h"
#include "Form.h"
#include "Format.h"
#include "ReadableStartDirectory.h"

TApplication* Application = nullptr;

namespace {

const char* const kApplicationClass = "TessellorApplication";
// Posted to the application window: hand the activation on to the main form.
constexpr UINT CM_ACTIVATEMAIN = WM_APP + 0x100;

}  // namespace

LRESULT CALLBACK ApplicationWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    bool handled = false;
    const bool ended = Guarded(Application, [&] {
        handled = Application && Application->FHandle == window && Application->WindowMessage(msg, wParam, result);
    });
    if (!ended) return 0;
    return handled ? result : DefWindowProcA(window, msg, wParam, lParam);
}

TApplication::TApplication() : TComponent(nullptr) {
    if (!Application) Application = this;
}

TApplication::~TApplication() {
    MarkDestroying();
    DestroyComponents();
    if (FHandle) DestroyWindow(FHandle);
    if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {}

void TApplication::BeforeMainForm() {
    if (FStartDirectoryChecked) return;
    FStartDirectoryChecked = true;
    Guarded(this, [] { EnterReadableStartDirectory(); });
}

void TApplication::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FMainForm) FMainForm = nullptr;
}

HWND TApplication::Handle() {
    if (FHandle) return FHandle;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA existing{};
    if (!GetClassInfoA(instance, kApplicationClass, &existing)) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ApplicationWndProc;
        wc.hInstance = instance;
        wc.hIcon = LoadIconA(instance, "MAINICON");
        wc.lpszClassName = kApplicationClass;
        if (!RegisterClassA(&wc))
            throw EOutOfResources(Format("Error registering window class %s", kApplicationClass));
    }
    // A window of no size in the middle of the screen: nothing of it shows but its task-bar entry.
    FHandle = CreateWindowExA(0, kApplicationClass, Title.c_str(),
                              WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS,
                              GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
                              nullptr, instance, nullptr);
    if (!FHandle) throw EOutOfResources("Error creating the application window");
    return FHandle;
}

HWND TApplication::ActivationTarget() const {
    if (!FMainForm || !FMainForm->HandleAllocated()) return nullptr;
    HWND main = FMainForm->Handle();
    HWND target = GetLastActivePopup(main);  // a modal form or dialog of the main form, else the form
    return IsWindowVisible(target) && IsWindowEnabled(target) ? target : nullptr;
}

void TApplication::Minimize() {
    if (!FHandle || IsIconic(FHandle)) return;
    if (FMainForm && FMainForm->HandleAllocated()) ShowWindow(FMainForm->Handle(), SW_HIDE);
    ShowWindow(FHandle, SW_MINIMIZE);
}

void TApplication::Restore() {
    if (!FHandle) return;
    if (IsIconic(FHandle)) ShowWindow(FHandle, SW_RESTORE);
    if (FMainForm && FMainForm->Visible()) ShowWindow(FMainForm->Handle(), SW_SHOW);
    if (HWND target = ActivationTarget()) SetActiveWindow(target);
}

bool TApplication::WindowMessage(UINT msg, WPARAM wParam, LRESULT& result) {
    switch (msg) {
    case WM_ACTIVATE:
        // Activated through its task-bar entry: the main form takes over, once this is done.
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) PostMessageA(FHandle, CM_ACTIVATEMAIN, 0, 0);
        return true;
    case CM_ACTIVATEMAIN:
        result = 0;
        if (GetActiveWindow() == FHandle)
            if (HWND target = ActivationTarget()) SetActiveWindow(target);
        return true;
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_MINIMIZE:
            Minimize();
            return true;
        case SC_RESTORE:
            Restore();
            return true;
        case SC_CLOSE:
            if (FMainForm) PostMessageA(FMainForm->Handle(), WM_CLOSE, 0, 0);
            return true;
        default:
            return false;
        }
    case WM_CLOSE:
        if (FMainForm) PostMessageA(FMainForm->Handle(), WM_CLOSE, 0, 0);
        return true;
    default:
        return false;
    }
}

void TApplication::Run() {
    FExitCode = 0;
    ProcessMessages();
    if (FMainForm) Guarded(this, [this] { ShowMainForm(); });
    if (!FMainForm || !FMainForm->HandleAllocated() || !IsWindowVisible(FMainForm->Handle())) {
        FExitCode = 1;
        return;
    }
    while (!FTerminated && HandleMessage()) {
    }
}

void TApplication::ShowMainForm() {
    // The main form may have its window already; the application window becomes its owner.
    SetWindowTextA(Handle(), Title.c_str());
    SetWindowLongPtrA(FMainForm->Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(FHandle));
    ShowWindow(FHandle, SW_SHOWNOACTIVATE);
    FMainForm->Show();
}

void TApplication::Terminate() {
    if (FTerminated) return;
    FTerminated = true;
    PostQuitMessage(0);
}

bool TApplication::ProcessMessage(MSG& msg) {
    if (msg.message == WM_QUIT) {
        FTerminated = true;
        return false;
    }
    Guarded(this, [&msg] {
        // Tab, Enter, Esc and & accelerators for the form the message belongs to.
        HWND root = GetAncestor(msg.hwnd, GA_ROOT);
        if (root && dynamic_cast<TForm*>(TWinControl::FromHandle(root)) && IsDialogMessageA(root, &msg)) {
            // Wine's Tab in a window that is no dialog takes the default look from every button
            // and gives it back only to a button placed directly on the form: the form draws it
            // again (unless the key freed the form).
            if (auto* form = dynamic_cast<TForm*>(TWinControl::FromHandle(root)); form && msg.message == WM_KEYDOWN)
                form->ShowDefaultButton(GetFocus());
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    });
    return true;
}

bool TApplication::HandleMessage() {
    MSG msg;
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
        FTerminated = true;
        return false;
    }
    return ProcessMessage(msg);
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!ProcessMessage(msg)) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // leave it for the loop that ends
            break;
        }
    }
}

void TApplication::HandleException(TObject*) {
    if (const std::optional<std::string> message = CaughtExceptionMessage()) ShowException(*message);
}

void TApplication::ShowException(const std::string& message) { ShowErrorBox(message + ".", Title); }

void TApplication::HelpContext(int context) {
    if (OnHelp) {
        OnHelp(context);
        return;
    }
    const std::string text = "No help file is installed for help context " + std::to_string(context) + ".";
    MessageBoxA(GetActiveWindow(), text.c_str(), Title.c_str(), MB_OK | MB_ICONINFORMATION);
}
