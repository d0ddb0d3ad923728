#pragma once
// TApplication: the one application object. It owns the forms, makes the first form created the main
// form, runs the message loop until told to terminate, and shows every exception that escapes a
// handler in the error box.
#include <windows.h>

#include <functional>
#include <string>

#include "Component.h"

class TForm;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    void Initialize();
    std::string Title;

    template <class T>
    void CreateForm(T*& reference) {
        reference = new T(this);
        if (!FMainForm) FMainForm = reference;
    }
    TForm* MainForm() const { return FMainForm; }

    // Shows the main form and handles messages until Terminate.
    void Run();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    // Handles every message waiting in the queue, then returns.
    void ProcessMessages();
    // Waits for one message and handles it; false once the quit message arrived.
    bool HandleMessage();

    // Call inside a catch block: shows the exception being handled in the error box (EAbort shows nothing).
    void HandleException(TObject* sender = nullptr);
    // The error box: the text and ".", the application title as caption, the stop icon, one OK button.
    void ShowException(const std::string& message);

    // Help for a help context: OnHelp when set, else a note that no help file is installed.
    std::function<void(int context)> OnHelp;
    void HelpContext(int context);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool ProcessMessage(MSG& msg);

    TForm* FMainForm = nullptr;
    bool FTerminated = false;
};

extern TApplication* Application;
