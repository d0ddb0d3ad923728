#pragma once
// TForm: a top-level window holding controls; shown modeless or modal, with default and cancel
// buttons, Tab order and & accelerators through the dialog manager of the message loop. Enter
// presses the push button that has the focus, and with the focus elsewhere the default button. A form
// keeps the control that has its focus: it remembers it when the form loses the activation (to a
// modal form, a common dialog or a message box) and gives the focus back to it when the form is
// activated again.
#include <functional>

#include "Control.h"
#include "ModalResult.h"

enum class TFormBorderStyle { bsSizeable, bsDialog };
enum class TPosition { poDesigned, poScreenCenter };
enum class TCloseAction { caNone, caHide, caFree };

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;

class TMainMenu;
class TModalScope;

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    // Scales a form laid out at 96 pixels per inch to the screen's setting.
    void ScaleToScreen();

    TFormBorderStyle BorderStyle = TFormBorderStyle::bsSizeable;
    TPosition Position = TPosition::poDesigned;
    TMainMenu* Menu = nullptr;

    int ClientWidth();
    int ClientHeight();
    void SetClientSize(int width, int height);

    void Show();
    void Hide();
    // Shows the form and runs a message loop until ModalResult is set; returns it. A form freed
    // while its loop runs (a handler of its own deletes it) ends the loop too, with the ModalResult
    // it had, else mrCancel.
    int ShowModal();
    // Closing the main form ends the application; closing a modal form ends its loop with mrCancel.
    void Close();
    bool Modal() const { return FModalScope != nullptr; }
    int ModalResult = mrNone;

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TCloseEvent OnClose;

    // The control that has the focus while the form is active, or that gets it when the form is
    // shown or activated: the one set here or the one focused when the form was last deactivated;
    // with none (or none that can take the focus), the first enabled, visible tab stop in tab order.
    TWinControl* ActiveControl() const;
    void SetActiveControl(TWinControl* control);

    // The push buttons marked Default or Cancel among the form's controls.
    TWinControl* DefaultButton();
    TWinControl* CancelButton();
    // The button that Enter presses with the focus on `focus`: the push button that has it, else
    // DefaultButton (or none). It is drawn with the thick frame; TButton calls ShowDefaultButton
    // whenever the focus comes or goes, whichever way it moved.
    TWinControl* EnterButton(HWND focus);
    void ShowDefaultButton(HWND focus);

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Notification(TComponent* component, TOperation operation) override;
    // Ends a layout: the form is scaled to the screen, every component is told it is loaded, then
    // OnCreate runs.
    void FinishLayout();
    // Scales the client size rather than the outer one: frames, caption and menu bar have the
    // sizes that the platform gives them on this screen.
    void ChangeScale(int to, int from) override;
    void DestroyWnd() override;

private:
    bool DoClose();
    // Puts the form where its layout says (or centred) and then inside its monitor's work area.
    void PlaceOnScreen();
    // The room that frame, caption and menu bar take on a screen of `pixelsPerInch`.
    SIZE FrameSize(int pixelsPerInch);
    bool ClickButton(TWinControl* button);
    // Takes the menu bar off the window before the window goes, which would destroy it: the bar
    // stays its menu's, for a window made again.
    void KeepMenuBar();
    // The control that Tab (or Shift+Tab) moves the focus to from `from`.
    HWND NextTabItem(HWND from, bool previous);
    // Focuses ActiveControl, or else the first tab stop, or else the form itself.
    void FocusActiveControl();
    void RememberFocus();
    // Links the control that takes the focus when the form is next activated.
    void LinkActiveControl(TWinControl* control);

    TWinControl* FActiveControl = nullptr;

    TModalScope* FModalScope = nullptr;  // while the form runs its modal loop
    bool FPlaced = false;  // on the screen, at the first showing
    // A form built from a layout is made once the layout ends; one built by code, unless it goes
    // while an exception raised since its making began unwinds, as when its constructor raised.
    bool FLaidOut = false;
    int FExceptionsAtMaking = 0;
    // The client size that the layout asked for, which scaling keeps to; -1 when the layout gave
    // the outer size.
    int FClientWidth = -1, FClientHeight = -1;

    friend class TModalScope;
};

// The form that holds a control, or none.
TForm* GetParentForm(TControl* control);
