// Every caption and label of the program's windows fits its control, measured with the fonts that
// the platform really gives them: a text that does not fit is cut off on the screen.
#include <gtest/gtest.h>

#include <memory>

#include "Application.h"
#include "Button.h"
#include "CheckBox.h"
#include "DialogLayout.h"
#include "Handles.h"
#include "Label.h"
#include "RadioButton.h"
#include "main.h"
#include "product.h"
#include "support.h"

namespace {

// Room that the platform's controls keep for themselves beside their text, at 96 pixels per inch
// and growing with the screen: a check box or radio button draws its 13-pixel box and a gap
// before the text (17 pixels), a push button its frame and the focus rectangle around the text, a
// group box the frame's corners beside its caption.
const int kBoxAndGap = Scaled(17);
const int kButtonFrame = Scaled(8);
const int kGroupCorners = Scaled(16);

// The size of `text` in the control's font, drawn with `format` in a rectangle `width` wide.
SIZE TextSize(const TControl& control, const std::string& text, UINT format, int width) {
    const TClientDC dc;
    const TSelectedObject font(dc.Get(), control.EffectiveFont().Handle());
    RECT r{0, 0, width, 0};
    DrawTextA(dc.Get(), text.c_str(), -1, &r, format | DT_CALCRECT);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

// Checks every visible control with a caption on the form; the names of those it checked.
std::vector<std::string> ExpectCaptionsFit(TForm& form) {
    std::vector<std::string> checked;
    for (int i = 0; i < form.ComponentCount(); ++i) {
        auto* control = dynamic_cast<TControl*>(form.Components(i));
        if (!control || !control->Visible() || control->Caption().empty()) continue;
        const std::string text = control->Caption();
        SIZE room{control->Width(), control->Height()};
        SIZE need{};
        if (auto* label = dynamic_cast<TLabel*>(control)) {
            // A static control wraps its lines when it is word-wrapped, centred or right-aligned.
            const bool wraps = label->WordWrap || label->Alignment != TAlignment::taLeftJustify;
            need = TextSize(*label, text,
                            DT_EXPANDTABS | (wraps ? DT_WORDBREAK : DT_SINGLELINE) |
                                (label->ShowAccelChar ? 0u : static_cast<UINT>(DT_NOPREFIX)),
                            room.cx);
        } else if (dynamic_cast<TCustomCheckBox*>(control) || dynamic_cast<TRadioButton*>(control)) {
            need = TextSize(*control, text, DT_SINGLELINE, 0);
            room.cx -= kBoxAndGap;
        } else if (dynamic_cast<TButton*>(control)) {
            need = TextSize(*control, text, DT_SINGLELINE, 0);
            room.cx -= kButtonFrame;
            room.cy -= kButtonFrame / 2;
        } else if (dynamic_cast<TGroupBox*>(control)) {
            need = TextSize(*control, text, DT_SINGLELINE, 0);
            room.cx -= kGroupCorners;
        } else {
            continue;  // edits and lists: their text is what the user works with, not a caption
        }
        checked.push_back(control->Name);
        EXPECT_LE(need.cx, room.cx) << form.Name << "." << control->Name << " \"" << text << "\"";
        EXPECT_LE(need.cy, room.cy) << form.Name << "." << control->Name << " \"" << text << "\"";
    }
    return checked;
}

using Names = std::vector<std::string>;

}  // namespace

TEST(CaptionFit, EveryCaptionOfTheMainWindowFits) {
    auto form = std::make_unique<TTessellorForm>(Application);
    EXPECT_EQ(ExpectCaptionsFit(*form),
              (Names{"Label1", "GenerateBtn", "SaveAsBtn", "GroupBox1", "Label4", "GroupBox2", "CarriageChkbox",
                     "IncludeNamesChkbox", "ImageBorderChkbox", "Label2", "Label3", "BitBtn4"}));
}

TEST(CaptionFit, EveryTextOfBothInformationDialogsFits) {
    auto support = std::make_unique<TSupportFrm>(Application);
    EXPECT_EQ(ExpectCaptionsFit(*support), (Names{"Label1", "Label3", "Label4", "OKBtn"}));
    auto product = std::make_unique<TProductFrm>(Application);
    EXPECT_EQ(ExpectCaptionsFit(*product),
              (Names{"OKButton", "Label9", "Label10", "Label1", "Label2", "Label3", "Label4", "Label5", "Label6",
                     "Label7", "Label8", "Label11", "Label12"}));
}
