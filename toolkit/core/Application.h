#pragma once
// TApplication: the one application object. It owns the forms, makes the first form created the main
// form, runs the message loop until told to terminate, and shows every exception that escapes a
// handler in the error box (see ErrorBoundary.h). Its own window, labelled with Title, owns the main
// form: the task bar shows that window, so the program's entry there reads the title, not the main
// form's caption.
#include <windows.h>

#include <functional>
#include <string>

#include "Component.h"
#include "ErrorBoundary.h"

class TForm;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    void Initialize();
    std::string Title;

    // Makes a form inside the error boundary: a form that cannot be made is shown as an error and
    // `reference` stays null.
    template <class T>
    void CreateForm(T*& reference) {
        reference = nullptr;
        if (!FMainForm) BeforeMainForm();
        Guarded(this, [this, &reference] { reference = new T(this); });
        if (reference && !FMainForm) FMainForm = reference;
    }
    TForm* MainForm() const { return FMainForm; }

    // The application window: shown but of no size, so that only its task-bar entry is seen. Made
    // on first use.
    HWND Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    // Minimising the main form minimises the program to its task-bar entry; restoring that entry
    // shows the main form again and activates the window that was active in it.
    void Minimize();
    void Restore();

    // Handles the messages posted while the forms were made (the settings they load), so that the
    // first focus sees their outcome; then shows the application window and the main form, and
    // handles messages until Terminate. Without a main form that shows, it returns at once: the
    // error was shown when the form failed.
    void Run();
    // What the program ends with: 0, or 1 when Run had no main form to show.
    int ExitCode() const { return FExitCode; }
    void Terminate();
    bool Terminated() const { return FTerminated; }
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
    // Handles every message waiting in the queue, then returns.
    void ProcessMessages();
    bool ProcessMessage(MSG& msg);
    void ShowMainForm();
    // A process started in a directory it cannot name moves to one it can, before the main form's
    // lists read it, and the error is shown once, under the title (see ReadableStartDirectory.h).
    void BeforeMainForm();
    // The application window's messages; true when handled, with the result in `result` (0 unless set).
    bool WindowMessage(UINT msg, WPARAM wParam, LRESULT& result);
    // The window that takes the activation in the application window's place, or none.
    HWND ActivationTarget() const;

    HWND FHandle = nullptr;

    TForm* FMainForm = nullptr;
    bool FTerminated = false;
    int FExitCode = 0;
    bool FStartDirectoryChecked = false;

    friend LRESULT CALLBACK ApplicationWndProc(HWND, UINT, WPARAM, LPARAM);
};

extern TApplication* Application;

// A program's life: the application object, initialised and titled `title`, its main form of class
// TMainForm, and the message loop; answers the program's exit code.
template <class TMainForm>
int RunProgram(const char* title) {
    TApplication application;
    application.Initialize();
    application.Title = title;
    TMainForm* mainForm = nullptr;
    application.CreateForm(mainForm);
    application.Run();
    return application.ExitCode();
}
