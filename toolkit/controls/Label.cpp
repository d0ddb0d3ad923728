#include "Label.h"

#include <vector>

#include "Handles.h"

TLabelAutoSize& TLabelAutoSize::operator=(bool value) {
    if (value == FValue) return *this;
    FValue = value;
    FLabel.AdjustBounds();
    return *this;
}

TLabel::TLabel(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 65, 13); }

TLabel::~TLabel() { SetFocusControl(nullptr); }

void TLabel::SetText(const std::string& text) {
    TWinControl::SetText(text);
    AdjustBounds();
}

void TLabel::FontChanged() {
    TWinControl::FontChanged();
    AdjustBounds();
}

void TLabel::AdjustBounds() {
    if (!AutoSize) return;
    std::string text = Text();
    if (text.empty()) text = " ";  // an empty label keeps a line's height
    UINT format = DT_CALCRECT | DT_EXPANDTABS | (WordWrap ? DT_WORDBREAK : DT_SINGLELINE);
    if (!ShowAccelChar) format |= DT_NOPREFIX;
    RECT r{0, 0, WordWrap ? Width() : 0, 0};
    {
        const TClientDC screen;
        const TSelectedObject font(screen.Get(), EffectiveFont().Handle());
        DrawTextA(screen.Get(), text.c_str(), -1, &r, format);
    }
    const int width = WordWrap ? Width() : static_cast<int>(r.right);
    const int left = Alignment == TAlignment::taRightJustify ? Left() + Width() - width : Left();
    if (left != Left() || width != Width() || r.bottom != Height()) SetBounds(left, Top(), width, r.bottom);
}

void TLabel::SetFocusControl(TWinControl* control) {
    if (FFocusControl) RemoveFreeNotification(FFocusControl);
    FFocusControl = control;
    if (control) FreeNotification(control);
    if (Parent()) Parent()->ArrangeTabOrder();  // the label goes right before its control
}

void TLabel::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FFocusControl) FFocusControl = nullptr;
}

void TLabel::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WinClassName = "STATIC";
    params.Style &= ~static_cast<DWORD>(WS_TABSTOP);
    params.Style |= SS_NOTIFY;
    switch (Alignment) {
    case TAlignment::taCenter:
        params.Style |= SS_CENTER;
        break;
    case TAlignment::taRightJustify:
        params.Style |= SS_RIGHT;
        break;
    case TAlignment::taLeftJustify:
        params.Style |= WordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP;
        break;
    }
    if (!ShowAccelChar) params.Style |= SS_NOPREFIX;
    // A transparent label paints what lies beneath it itself (PaintTransparent), so its window is
    // an ordinary opaque one: its painting then never depends on the order in which windows repaint.
}

LRESULT TLabel::ControlColor(TMessage& message) {
    if (!Transparent) return TWinControl::ControlColor(message);
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(EffectiveFont().Color()));
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

void TLabel::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND) {
        if (HIWORD(message.WParam) == STN_CLICKED) Click();
        return;
    }
    if (message.Msg == WM_GETDLGCODE && !ShowAccelChar) {
        // Wine's dialog manager takes the & of any static control as an accelerator, even of one
        // that shows it as it is: a label that shows a path or a name answers as no static control,
        // so that its text names no key.
        TWinControl::WndProc(message);
        message.Result &= ~static_cast<LRESULT>(DLGC_STATIC);
        return;
    }
    if (Transparent) {
        switch (message.Msg) {
        case WM_ERASEBKGND:
            message.Result = 1;
            return;
        case WM_PAINT: {
            const TPaintDC dc(Handle());
            PaintTransparent(dc.Get());
            return;
        }
        case WM_PRINTCLIENT:
            PaintTransparent(reinterpret_cast<HDC>(message.WParam));
            return;
        case WM_SETTEXT:
        case WM_ENABLE:
            // The static control paints these changes at once, its own way; the labels that
            // show this one's text paint them again.
            TWinControl::WndProc(message);
            InvalidateTransparent();
            return;
        default:
            break;
        }
    }
    TWinControl::WndProc(message);
}

void TLabel::PaintTransparent(HDC dc) {
    const int width = Width(), height = Height();
    if (width <= 0 || height <= 0) return;
    TGdiObject<HBITMAP> buffer(CreateCompatibleBitmap(dc, width, height));
    TMemoryDC canvas(buffer.Get());
    HDC mem = canvas.Get();

    TWinControl* parent = Parent();
    const TColor ground = parent && parent->ColorSet() ? parent->Color() : clBtnFace;
    TGdiObject<HBRUSH> brush(CreateSolidBrush(ColorToRGB(ground)));
    RECT all{0, 0, width, height};
    FillRect(mem, &all, brush.Get());
    if (!parent) {
        DrawCaption(mem, 0, 0);
    } else {
        const RECT mine{Left(), Top(), Left() + width, Top() + height};
        std::vector<TLabel*> labels;
        // Other windows that show here (pictures) first, then the texts on top of them.
        for (int i = 0; i < parent->ControlCount(); ++i) {
            auto* sibling = dynamic_cast<TWinControl*>(parent->Controls(i));
            if (!sibling || !sibling->Visible() || !sibling->HandleAllocated()) continue;
            const RECT theirs{sibling->Left(), sibling->Top(), sibling->Left() + sibling->Width(),
                              sibling->Top() + sibling->Height()};
            RECT common{};
            if (!IntersectRect(&common, &mine, &theirs)) continue;
            if (auto* label = dynamic_cast<TLabel*>(sibling); label && label->Transparent) {
                labels.push_back(label);
                continue;
            }
            POINT old{};
            SetViewportOrgEx(mem, sibling->Left() - Left(), sibling->Top() - Top(), &old);
            SendMessageA(sibling->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(mem),
                         PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
            SetViewportOrgEx(mem, old.x, old.y, nullptr);
        }
        for (TLabel* label : labels) label->DrawCaption(mem, label->Left() - Left(), label->Top() - Top());
    }
    BitBlt(dc, 0, 0, width, height, mem, 0, 0, SRCCOPY);
}

void TLabel::DrawCaption(HDC dc, int x, int y) {
    UINT format = DT_EXPANDTABS;
    switch (Alignment) {
    case TAlignment::taCenter:
        format |= DT_CENTER | DT_WORDBREAK;
        break;
    case TAlignment::taRightJustify:
        format |= DT_RIGHT | DT_WORDBREAK;
        break;
    case TAlignment::taLeftJustify:
        if (WordWrap) format |= DT_WORDBREAK;
        break;
    }
    if (!ShowAccelChar) format |= DT_NOPREFIX;
    const std::string text = Text();
    RECT r{x, y, x + Width(), y + Height()};
    const TSelectedObject font(dc, EffectiveFont().Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Enabled() ? ColorToRGB(EffectiveFont().Color()) : GetSysColor(COLOR_GRAYTEXT));
    DrawTextA(dc, text.c_str(), -1, &r, format);
}

void TLabel::InvalidateTransparent() {
    if (!HandleAllocated()) return;
    if (!Parent() || !Parent()->HandleAllocated()) {
        Invalidate(false);
        return;
    }
    RECT r{Left(), Top(), Left() + Width(), Top() + Height()};
    RedrawWindow(Parent()->Handle(), &r, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 105); }

void TGroupBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WinClassName = "BUTTON";
    params.Style |= BS_GROUPBOX;
    params.Style &= ~static_cast<DWORD>(WS_TABSTOP);
    params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TGroupBox::WndProc(TMessage& message) {
    if (message.Msg == WM_ERASEBKGND) {
        // The parent clips its children, so the box fills its own inside.
        RECT r{};
        GetClientRect(Handle(), &r);
        FillRect(reinterpret_cast<HDC>(message.WParam), &r, GetSysColorBrush(COLOR_BTNFACE));
        message.Result = 1;
        return;
    }
    TWinControl::WndProc(message);
}
