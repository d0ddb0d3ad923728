#include "IniComboBox.h"

#include "IntConv.h"

TIniComboBox::TIniComboBox(TComponent* owner) : TIniBound<TCustomComboBox>(owner) {}

void TIniComboBox::SetDefaultValue(const std::string& value) {
    // The plain integer conversion: unlike a stored value, "0x" is no hexadecimal prefix here.
    FDefaultItemIndex = StrToIntDef(value, 0);
    FDefaultValue = value;
}

void TIniComboBox::LoadValue(const TIniFile& file) {
    if (StoresPosition())
        SetItemIndex(file.ReadInteger(SectionName(), Keyword(), FDefaultItemIndex));
    else
        SetText(file.ReadString(SectionName(), Keyword(), FDefaultValue));
}

void TIniComboBox::StoreValue(const TIniFile& file) {
    file.WriteString(SectionName(), Keyword(), StoresPosition() ? IntToDecimal(ItemIndex()) : Text());
}

void TIniComboBox::ShowDefaultValue() {
    if (StoresPosition())
        SetItemIndex(FDefaultItemIndex);
    else
        SetText(FDefaultValue);
}

void TIniComboBox::WndProc(TMessage& message) {
    if (IsEditingCharacter(message)) FModified = true;
    TIniBound<TCustomComboBox>::WndProc(message);
}
