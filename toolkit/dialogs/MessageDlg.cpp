#include "MessageDlg.h"

#include <windows.h>

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "Application.h"
#include "Button.h"
#include "Form.h"
#include "Handles.h"
#include "Label.h"
#include "Layout.h"
#include "Screen.h"

namespace {

struct ButtonKind {
    TMsgDlgBtn Flag;
    const char* Caption;
    int Result;
};

// Buttons stand in this order whatever order the caller names them in.
const ButtonKind kButtons[] = {
    {mbYes, "&Yes", mrYes},       {mbNo, "&No", mrNo},           {mbOK, "OK", mrOk},
    {mbCancel, "Cancel", mrCancel}, {mbAbort, "&Abort", mrAbort}, {mbRetry, "&Retry", mrRetry},
    {mbIgnore, "&Ignore", mrIgnore}, {mbAll, "&All", mrAll},     {mbHelp, "&Help", 0},
};

// A static showing one of the system's icons.
class TIconStatic : public TWinControl {
public:
    TIconStatic(TComponent* owner, HICON icon) : TWinControl(owner), FIcon(icon) {}

protected:
    void CreateParams(TCreateParams& params) override {
        TWinControl::CreateParams(params);
        params.WinClassName = "STATIC";
        params.Style |= SS_ICON;
    }
    void CreateWnd() override {
        TWinControl::CreateWnd();
        SendMessageA(Handle(), STM_SETICON, reinterpret_cast<WPARAM>(FIcon), 0);
    }

private:
    HICON FIcon;
};

const char* CaptionOf(TMsgDlgType type) {
    switch (type) {
    case TMsgDlgType::mtWarning: return "Warning";
    case TMsgDlgType::mtError: return "Error";
    case TMsgDlgType::mtInformation: return "Information";
    case TMsgDlgType::mtConfirmation: return "Confirm";
    case TMsgDlgType::mtCustom: break;
    }
    return nullptr;
}

LPCSTR IconOf(TMsgDlgType type) {
    switch (type) {
    case TMsgDlgType::mtWarning: return reinterpret_cast<LPCSTR>(IDI_EXCLAMATION);
    case TMsgDlgType::mtError: return reinterpret_cast<LPCSTR>(IDI_HAND);
    case TMsgDlgType::mtInformation: return reinterpret_cast<LPCSTR>(IDI_ASTERISK);
    case TMsgDlgType::mtConfirmation: return reinterpret_cast<LPCSTR>(IDI_QUESTION);
    case TMsgDlgType::mtCustom: break;
    }
    return nullptr;
}

// The size the text needs in the dialog font as this screen shows it, wrapped at a reasonable
// width, in the 96-pixels-per-inch units of the layout (rounded up, so that it fits once scaled).
SIZE MeasureText(const std::string& text, const TFont& designFont) {
    const int screen = Screen->PixelsPerInch();
    TFont font;
    font.Assign(designFont);
    if (screen != kDesignPixelsPerInch) font.ScaleBy(screen, kDesignPixelsPerInch);
    RECT r{0, 0, MulDiv(360, screen, kDesignPixelsPerInch), 0};
    {
        const TClientDC dc;
        const TSelectedObject selected(dc.Get(), font.Handle());
        DrawTextA(dc.Get(), text.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    }
    auto toDesign = [screen](LONG pixels) {
        return static_cast<LONG>((pixels * kDesignPixelsPerInch + screen - 1) / screen);
    };
    return SIZE{toDesign(r.right), toDesign(r.bottom)};
}

// The first of `order` that `buttons` holds, or 0.
unsigned FirstOf(TMsgDlgButtons buttons, std::initializer_list<TMsgDlgBtn> order) {
    for (TMsgDlgBtn b : order)
        if (buttons & b) return b;
    return 0;
}

}  // namespace

int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext) {
    TForm dialog(Application);
    dialog.BorderStyle = TFormBorderStyle::bsDialog;
    dialog.Position = TPosition::poScreenCenter;
    const char* caption = CaptionOf(type);
    dialog.SetCaption(caption ? caption : (Application ? Application->Title : std::string()));

    const SIZE textSize = MeasureText(text, dialog.EffectiveFont());
    const LPCSTR iconName = IconOf(type);
    const int textLeft = iconName ? 62 : 12;
    if (iconName) {
        auto* icon = new TIconStatic(&dialog, LoadIconA(nullptr, iconName));
        icon->SetParent(&dialog);
        icon->SetBounds(12, 12, 32, 32);
    }
    auto* message = Place<TLabel>(&dialog, &dialog, "", textLeft, 12, textSize.cx + 4, textSize.cy);
    message->WordWrap = true;
    message->ShowAccelChar = false;
    message->SetCaption(text);

    std::vector<const ButtonKind*> kinds;
    for (const ButtonKind& kind : kButtons)
        if (buttons & kind.Flag) kinds.push_back(&kind);
    const int buttonWidth = 75, buttonHeight = 25, gap = 8;
    const int rowWidth = static_cast<int>(kinds.size()) * (buttonWidth + gap) - gap;
    const int clientWidth = std::max(textLeft + static_cast<int>(textSize.cx) + 16, rowWidth + 24);
    const int top = std::max(12 + static_cast<int>(textSize.cy), 44) + 14;

    const unsigned defaultFlag = FirstOf(buttons, {mbOK, mbYes, mbRetry});
    const unsigned cancelFlag = FirstOf(buttons, {mbCancel, mbNo, mbOK});
    int cancelResult = mrCancel;
    TButton* defaultButton = nullptr;
    int left = (clientWidth - rowWidth) / 2;
    int tab = 0;
    for (const ButtonKind* kind : kinds) {
        auto* button = Place<TButton>(&dialog, &dialog, "", left, top, buttonWidth, buttonHeight, tab++);
        button->SetCaption(kind->Caption);
        button->ModalResult = kind->Result;
        button->Default = kind->Flag == defaultFlag;
        if (button->Default) defaultButton = button;
        button->Cancel = kind->Flag == cancelFlag;
        if (kind->Flag == cancelFlag) cancelResult = kind->Result;
        if (kind->Flag == mbHelp)
            button->OnClick = [helpContext](TObject*) {
                if (Application) Application->HelpContext(helpContext);
            };
        left += buttonWidth + gap;
    }
    dialog.SetClientSize(clientWidth, top + buttonHeight + 12);
    // Laid out at 96 pixels per inch like every form, then scaled to the screen.
    dialog.ScaleToScreen();
    // The close box answers as the Esc button does.
    dialog.OnClose = [&dialog, cancelResult](TObject*, TCloseAction&) {
        if (dialog.ModalResult == mrCancel) dialog.ModalResult = cancelResult;
    };
    // The default button starts with the focus, so that Space presses the same button as Enter.
    dialog.SetActiveControl(defaultButton);
    return dialog.ShowModal();
}
