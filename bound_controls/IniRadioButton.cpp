#include "IniRadioButton.h"

TIniRadioButton::TIniRadioButton(TComponent* owner) : TIniBound<TRadioButton>(owner) {}

void TIniRadioButton::Click() {
    TRadioButton::Click();
    FModified = true;
}

void TIniRadioButton::LoadValue(const TIniFile& file) {
    SetChecked(file.ReadInteger(SectionName(), Keyword(), 0) == CheckedValue);
}

void TIniRadioButton::StoreValue(const TIniFile& file) {
    // Only the checked button of a group writes; with none checked the key keeps what it held.
    if (!Checked()) return;
    file.WriteInteger(SectionName(), Keyword(), CheckedValue);
}

void TIniRadioButton::ShowDefaultValue() { SetChecked(DefaultValue); }
