#pragma once
// TLabel: a static text; its & accelerator moves the focus to FocusControl. A Transparent label
// paints itself: the parent's ground, the sibling windows beneath it, then the texts of all
// overlapping transparent labels in layout order, so overlapping labels (a text and its drop
// shadow) look the same whichever of them repaints.
#include "Control.h"

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

class TLabel;

// The AutoSize property: while it is on, the label takes the size of its caption, when it is set
// and whenever the caption or the font changes. A word-wrapped label keeps its width and takes
// the height of its lines; a right-aligned one keeps its right edge.
class TLabelAutoSize {
public:
    explicit TLabelAutoSize(TLabel& label) : FLabel(label) {}
    TLabelAutoSize(const TLabelAutoSize&) = delete;
    TLabelAutoSize& operator=(const TLabelAutoSize&) = delete;
    TLabelAutoSize& operator=(bool value);
    operator bool() const { return FValue; }

private:
    TLabel& FLabel;
    bool FValue = true;
};

class TLabel : public TWinControl {
public:
    explicit TLabel(TComponent* owner);
    ~TLabel() override;

    TAlignment Alignment = TAlignment::taLeftJustify;
    bool WordWrap = false;
    bool Transparent = false;
    TLabelAutoSize AutoSize{*this};
    // Off, the caption is shown as it is (a path, a name): an & marks no accelerator.
    bool ShowAccelChar = true;

    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* control);
    TWinControl* FocusTarget() const override { return FFocusControl; }

    void SetText(const std::string& text) override;
    void WndProc(TMessage& message) override;

protected:
    void FontChanged() override;
    void CreateParams(TCreateParams& params) override;
    void Notification(TComponent* component, TOperation operation) override;
    LRESULT ControlColor(TMessage& message) override;

private:
    // Fits the label to its caption when AutoSize is on.
    void AdjustBounds();
    void PaintTransparent(HDC dc);
    // Draws the caption as the static control would, with no ground, in a rectangle at (x, y).
    void DrawCaption(HDC dc, int x, int y);
    void InvalidateTransparent();

    TWinControl* FFocusControl = nullptr;

    friend class TLabelAutoSize;
};

// TGroupBox: a framed, captioned area that holds other controls.
class TGroupBox : public TWinControl {
public:
    explicit TGroupBox(TComponent* owner);
    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
};
