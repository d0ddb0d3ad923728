#include "IniCheckBox.h"

#include "MessageDlg.h"

namespace {

constexpr int kHelpContext = 6000;
// An absent or malformed key reads as bits 0 to 14 set.
constexpr int32_t kReadDefault = 32767;

uint32_t ShiftLeft(uint32_t value, unsigned bits) { return bits < 32 ? value << bits : 0; }
uint32_t ShiftRight(uint32_t value, unsigned bits) { return bits < 32 ? value >> bits : 0; }

}  // namespace

TIniCheckBox::TIniCheckBox(TComponent* owner) : TIniBound<TCustomCheckBox>(owner) {
    SetState(DefaultValue);
    SetChecked(State() == cbChecked);
}

void TIniCheckBox::SetCheckedValue(int value) {
    if (value < 0 || value > 15) {
        MessageDlg("CheckedValue must be from 0 to 15", TMsgDlgType::mtError, mbOK | mbHelp, kHelpContext);
        return;
    }
    if (AllowGrayed() && value % 2 != 0) {
        MessageDlg("CheckedValue must be even if AllowGrayed is true", TMsgDlgType::mtError, mbOK | mbHelp,
                   kHelpContext);
        return;
    }
    FCheckedValue = static_cast<uint8_t>(value);
}

void TIniCheckBox::SetAllowGrayed(bool value) {
    if (value && FCheckedValue % 2 != 0) {
        MessageDlg("AllowGrayed must be false if CheckedValue is odd", TMsgDlgType::mtError, mbOK | mbHelp,
                   kHelpContext);
        value = AllowGrayed();
    }
    TCustomCheckBox::SetAllowGrayed(value);
}

void TIniCheckBox::Click() {
    TCustomCheckBox::Click();
    FModified = true;
}

void TIniCheckBox::LoadValue(const TIniFile& file) {
    const int32_t stored = file.ReadInteger(SectionName(), Keyword(), kReadDefault);
    const uint32_t mask = AllowGrayed() ? 3 : 1;
    const uint32_t code = ShiftRight(static_cast<uint32_t>(stored), FCheckedValue) & mask;
    switch (code) {
    case 0:
    case 1: {
        const bool checked = (code == 1) != Inverted;
        SetState(checked ? cbChecked : cbUnchecked);
        break;
    }
    case 2: SetState(cbGrayed); break;
    default: SetState(DefaultValue); break;
    }
}

void TIniCheckBox::StoreValue(const TIniFile& file) {
    const uint32_t mask = AllowGrayed() ? 3 : 1;
    const uint32_t fieldMask = ShiftLeft(mask, FCheckedValue);
    const uint32_t old = static_cast<uint32_t>(file.ReadInteger(SectionName(), Keyword(), 0));
    uint32_t code;
    if (State() == cbGrayed) {
        code = 2;
    } else {
        code = (State() == cbChecked) != Inverted ? 1 : 0;
    }
    uint32_t value;
    if (code > mask) {
        // A two-state box put into the grayed state by code: its one bit cannot say "grayed", so the
        // field keeps what the file holds, and no bit outside the field changes either.
        value = old & 0xFFFF;
    } else {
        value = ((old & ~fieldMask) | ShiftLeft(code, FCheckedValue)) & 0xFFFF;
    }
    file.WriteInteger(SectionName(), Keyword(), static_cast<int32_t>(value));
}

void TIniCheckBox::ShowDefaultValue() { SetState(DefaultValue); }
