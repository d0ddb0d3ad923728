#pragma once
// TIniComboBox: a combo box whose value is one key of the settings file: the selected item's
// position in style csDropDownList, the text in every other style. The style is looked at on every
// load and store, so a value stored under one style is read back under the style of the moment.
#include <string>

#include "ComboBox.h"
#include "IniBoundControl.h"

class TIniComboBox : public TIniBound<TCustomComboBox> {
public:
    explicit TIniComboBox(TComponent* owner);

    // The text shown when the key is absent, and on IM_SETDEFAULT; in style csDropDownList the item
    // position it spells (0 when it spells no integer).
    const std::string& DefaultValue() const { return FDefaultValue; }
    void SetDefaultValue(const std::string& value);
    int DefaultItemIndex() const { return FDefaultItemIndex; }

    // Set by a typed character (backspace or 32 to 126) that reaches the combo box's own window,
    // never cleared. Typing into the edit part of csDropDown and csSimple goes to that part instead.
    bool Modified() const { return FModified; }

    void WndProc(TMessage& message) override;

protected:
    void LoadValue(const TIniFile& file) override;
    void StoreValue(const TIniFile& file) override;
    void ShowDefaultValue() override;
    bool ValueModified() override { return FModified; }
    bool RefreshHonoursSectionFilter() const override { return true; }

private:
    bool StoresPosition() const { return Style() == TComboBoxStyle::csDropDownList; }

    std::string FDefaultValue;
    int FDefaultItemIndex = 0;
    bool FModified = false;
};
