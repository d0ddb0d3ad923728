#pragma once
// TControl and TWinControl: the visual components. A TWinControl owns a window, made on demand; its
// virtual WndProc sees every message of that window, and a parent hands WM_COMMAND, WM_DRAWITEM,
// WM_MEASUREITEM and the WM_CTLCOLOR* messages back to the child they concern as CN_* messages.
//
// Properties come in two kinds, told apart by their form. A public field (a menu item's Caption, a
// dialog's Options) is read when the window or menu is made; setting it later shows at the next
// one. A property with a Set function acts on a live window: it changes the window at once, or
// makes it again where the system fixes the style at creation (Sorted, ItemHeight, a combo box's
// Style); without a window it is kept for the window to come. Event handlers (On...) are read when
// their event comes.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "Component.h"
#include "Font.h"
#include "Handles.h"
#include "IdPool.h"

struct TMessage {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
    LRESULT Result;
};

// Messages reflected from a parent to the child they concern.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;

class TControl;
class TWinControl;

// The TabOrder property: reads as the number; assigning it moves the control's window to its place
// in the parent's window order at once, since the dialog manager follows that order.
class TTabOrderProperty {
public:
    explicit TTabOrderProperty(TControl& control) : FControl(control) {}
    TTabOrderProperty(const TTabOrderProperty&) = delete;
    TTabOrderProperty& operator=(const TTabOrderProperty&) = delete;
    TTabOrderProperty& operator=(int value);
    operator int() const { return FValue; }

private:
    TControl& FControl;
    int FValue = -1;
};

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* parent);

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int v) { SetBounds(v, FTop, FWidth, FHeight); }
    void SetTop(int v) { SetBounds(FLeft, v, FWidth, FHeight); }
    void SetWidth(int v) { SetBounds(FLeft, FTop, v, FHeight); }
    void SetHeight(int v) { SetBounds(FLeft, FTop, FWidth, v); }
    virtual void SetBounds(int left, int top, int width, int height);

    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool visible);
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool enabled);

    // The caption, or the text of an edit.
    virtual std::string Text() const { return FText; }
    virtual void SetText(const std::string& text);
    std::string Caption() const { return Text(); }
    void SetCaption(const std::string& caption) { SetText(caption); }

    // The control's own font; while ParentFont is on, the parent's font is used instead.
    TFont& Font() { return FFont; }
    const TFont& EffectiveFont() const;
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    bool ColorSet() const { return FColorSet; }

    // Position in the Tab sequence of the parent; -1 for controls that take no focus.
    TTabOrderProperty TabOrder{*this};

    TNotifyEvent OnClick;
    virtual void Click();

    // Scales the control from a screen of `from` pixels per inch to one of `to`: place, size, its
    // own font (with ParentFont it follows the parent's) and what its kind draws at a given size.
    void ScaleBy(int to, int from) {
        ChangeScale(to, from);
        ScaleDone();
    }

protected:
    virtual void ChangeScale(int to, int from);
    // Runs once the whole scaling is done, fonts included: a control puts back a scaled size that
    // the change of its font recomputed in between (a list that fits its items to its font).
    virtual void ScaleDone() {}
    // The effective font changed: the control's own or, with ParentFont, the parent's.
    virtual void FontChanged() {}
    virtual void ColorChanged() {}

    std::string FText;
    bool FVisible = true;
    bool FEnabled = true;

private:
    TWinControl* FParent = nullptr;
    int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
    TFont FFont;
    bool FParentFont = true;
    bool FSettingParentFont = false;
    TColor FColor = clBtnFace;
    bool FColorSet = false;

    friend class TWinControl;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    HWND Handle();  // makes the window when there is none yet
    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded();
    void RecreateWnd();
    // Has the whole window painted again, its background erased first unless `erase` is off (a
    // control that paints every pixel itself); nothing without a window.
    void Invalidate(bool erase = true);

    int ControlCount() const { return static_cast<int>(FControls.size()); }
    TControl* Controls(int index) const {
        CheckListIndex(index, ControlCount());
        return FControls[static_cast<size_t>(index)];
    }

    // Runs the control's message handling directly, without the window system.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    virtual void WndProc(TMessage& message);

    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool value);
    bool Focused() const;
    virtual void SetFocus();

    void SetBounds(int left, int top, int width, int height) override;
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    std::string Text() const override;
    void SetText(const std::string& text) override;

    // The object behind a window of this toolkit, or none.
    static TWinControl* FromHandle(HWND window);
    // The control with the given control id among this control's descendants.
    TWinControl* FindChildById(int id);
    // The id of the control's child window, unique in its form (see IdPool.h); 0 while it has
    // no window.
    int ControlId() const { return FControlId; }
    // The control that takes the focus in this one's place (a label's FocusControl), or none.
    virtual TWinControl* FocusTarget() const { return nullptr; }
    // What the control is to its form's Enter and Esc keys: a push button (TButton) answers for
    // itself, every other control is no button.
    struct TButtonRole {
        bool PushButton = false;  // Enter presses it while it has the focus
        bool Default = false;     // Enter presses it while no other push button has the focus
        bool Cancel = false;      // Esc presses it
    };
    virtual TButtonRole ButtonRole() const { return {}; }
    // Draws a push button with or without the default button's thick frame; no other control has
    // that look.
    virtual void ShowAsDefault(bool) {}

    // Puts the windows of the child controls in tab order (by TabOrder; a control that takes no
    // focus right before the control it leads to; the rest after them in layout order), and marks
    // the groups of the dialog manager: WS_GROUP on the first window of each run of radio buttons,
    // of other tab stops, of windows that take no focus, and on every container and the window
    // after it; in each run of radio buttons only the checked one (else the first) is a tab stop,
    // so that Tab enters the group at its checked button. Called whenever windows are made, a
    // TabOrder or a label's FocusControl changes, and a radio button is checked.
    void ArrangeTabOrder();

protected:
    // The window when there is one, else null; unlike Handle it never makes the window, so const
    // readers that asked HandleAllocated first can use it.
    HWND WindowHandle() const { return FHandle; }

    struct TCreateParams {
        std::string WinClassName;  // a system class (BUTTON, EDIT, ...) or empty for the toolkit's own
        DWORD Style = 0;
        DWORD ExStyle = 0;
        HWND WndParent = nullptr;
        int X = 0, Y = 0, Width = 0, Height = 0;
        std::string Caption;
        UINT ClassStyle = CS_DBLCLKS;
        HBRUSH ClassBackground = nullptr;
        HICON ClassIcon = nullptr;
        HMENU Menu = nullptr;  // a top-level window's menu bar
    };
    virtual void CreateParams(TCreateParams& params);
    // The children first, then the control itself: a font the children take from it then
    // arrives once they have their new sizes, and what they compute from it stands.
    void ChangeScale(int to, int from) override;
    void ScaleDone() override;
    // Makes the window and the windows of the child controls; overrides call it first, then add theirs.
    virtual void CreateWnd();
    virtual void DestroyWnd();
    // Passes a message to the window class's own procedure.
    void DefaultHandler(TMessage& message);
    // Gives the window the effective font and passes the change on to the children that use
    // their parent's font.
    void FontChanged() override;
    void ColorChanged() override;
    // Colours for a reflected WM_CTLCOLOR* message; the default uses the parent's default handling
    // unless a colour or a font colour was set.
    virtual LRESULT ControlColor(TMessage& message);

    bool FTabStop = false;

private:
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    // CreateWnd inside the error boundary once the window exists: a control that fails to fill its
    // new window (a list reading its directory) is shown as an error and keeps the window; a
    // window that cannot be made raises.
    void MakeWindow();
    void CreateChildWindows();
    void MarkGroups();
    void Bind(HWND window);
    void Unbind();
    // The ids of the form (the top-most parent) that this control's window is made in.
    TIdPool& FormIds();
    void ReleaseId();

    HWND FHandle = nullptr;
    WNDPROC FDefWndProc = nullptr;
    int FControlId = 0;
    TIdPool* FIdSource = nullptr;  // where FControlId came from and goes back to
    std::unique_ptr<TIdPool> FChildIds;  // of a top-most control: the ids of its form
    std::vector<TControl*> FControls;
    bool FCreatingChildren = false;
    TGdiObject<HBRUSH> FBrush;  // of colour FBrushColor, for WM_CTLCOLOR*
    COLORREF FBrushColor = 0;

    friend class TControl;
    friend class TItemStrings;  // the items of a list or combo box, sent to its window
    friend LRESULT CALLBACK ToolkitWndProc(HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK ToolkitInitWndProc(HWND, UINT, WPARAM, LPARAM);
};
