#include "Application.h"

#include <exception>

#include "Control.h"
#include "Exceptions.h"
#include "Form.h"

TApplication* Application = nullptr;

TApplication::TApplication() : TComponent(nullptr) {
    if (!Application) Application = this;
}

TApplication::~TApplication() {
    MarkDestroying();
    DestroyComponents();
    if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {}

void TApplication::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FMainForm) FMainForm = nullptr;
}

void TApplication::Run() {
    if (FMainForm) FMainForm->Show();
    while (!FTerminated && HandleMessage()) {
    }
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
    try {
        // Tab, Enter, Esc and & accelerators for the form the message belongs to.
        HWND root = GetAncestor(msg.hwnd, GA_ROOT);
        if (root && dynamic_cast<TForm*>(TWinControl::FromHandle(root)) && IsDialogMessageA(root, &msg)) return true;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    } catch (...) {
        HandleException(this);
    }
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
    try {
        throw;
    } catch (const EAbort&) {
    } catch (const Exception& e) {
        ShowException(e.Message());
    } catch (const std::exception& e) {
        ShowException(e.what());
    } catch (...) {
        ShowException("Unknown exception");
    }
}

void TApplication::ShowException(const std::string& message) {
    const std::string text = message + ".";
    MessageBoxA(GetActiveWindow(), text.c_str(), Title.c_str(), MB_OK | MB_ICONSTOP);
}

void TApplication::HelpContext(int context) {
    if (OnHelp) {
        OnHelp(context);
        return;
    }
    const std::string text = "No help file is installed for help context " + std::to_string(context) + ".";
    MessageBoxA(GetActiveWindow(), text.c_str(), Title.c_str(), MB_OK | MB_ICONINFORMATION);
}
