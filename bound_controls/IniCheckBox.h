#pragma once
// TIniCheckBox: a check box whose state is a bit field of an integer key of the settings file, so
// several boxes can share one key: a two-state box owns bit CheckedValue, a three-state box
// (AllowGrayed) the two bits from CheckedValue on. Field codes: 0 unchecked, 1 checked (swapped when
// Inverted), 2 grayed, 3 DefaultValue.
#include <cstdint>

#include "CheckBox.h"
#include "IniBoundControl.h"

class TIniCheckBox : public TIniBound<TCustomCheckBox> {
public:
    explicit TIniCheckBox(TComponent* owner);

    // Taken when the box's field holds code 3, and on IM_SETDEFAULT.
    TCheckBoxState DefaultValue = cbUnchecked;
    // Swaps the codes of checked and unchecked.
    bool Inverted = false;

    // The lowest bit of the box's field, 0 to 15; must be even while AllowGrayed is true.
    uint8_t CheckedValue() const { return FCheckedValue; }
    // Refuses a value outside 0 to 15, and an odd value while AllowGrayed is true, with an error
    // dialog; raises nothing.
    void SetCheckedValue(int value);
    // Refuses true while CheckedValue is odd, with an error dialog; raises nothing.
    void SetAllowGrayed(bool value) override;

    // Set by the first state change and never cleared.
    bool Modified() const { return FModified; }

    void Click() override;

protected:
    void LoadValue(const TIniFile& file) override;
    void StoreValue(const TIniFile& file) override;
    void ShowDefaultValue() override;
    bool ValueModified() override { return FModified; }

private:
    uint8_t FCheckedValue = 0;
    bool FModified = false;
};
