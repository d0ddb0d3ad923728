#pragma once
// TIniRadioButton: a radio button of a group that shares one integer key of the settings file. Each
// button stands for its CheckedValue: the checked one stores it, and on loading a button checks
// itself when the stored number is its own and unchecks itself otherwise.
#include <cstdint>

#include "IniBoundControl.h"
#include "RadioButton.h"

class TIniRadioButton : public TIniBound<TRadioButton> {
public:
    explicit TIniRadioButton(TComponent* owner);

    // Taken on IM_SETDEFAULT.
    bool DefaultValue = false;
    // The number this button stores for its group.
    uint16_t CheckedValue = 0;

    // Set whenever the button becomes checked (by the user, a load or a reset), never cleared.
    bool Modified() const { return FModified; }

    void Click() override;

protected:
    void LoadValue(const TIniFile& file) override;
    void StoreValue(const TIniFile& file) override;
    void ShowDefaultValue() override;
    bool ValueModified() override { return FModified; }

private:
    bool FModified = false;
};
