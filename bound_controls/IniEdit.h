#pragma once
// TIniEdit: a single-line edit whose text is the value of one string key of the settings file.
#include <cstdint>
#include <string>

#include "Edit.h"
#include "IniBoundControl.h"

class TIniEdit : public TIniBound<TCustomEdit> {
public:
    explicit TIniEdit(TComponent* owner);

    // Shown when the key is absent, and on IM_SETDEFAULT.
    std::string DefaultValue;

    // Hexadecimal save mode, for code that uses the edit: the text is stored as "0x" and at least
    // four uppercase hexadecimal digits; a text that is no integer stores HexDefault.
    bool Hexadecimal = false;
    uint16_t HexDefault = 0;

    // The text that a save in hexadecimal mode stores.
    std::string HexText() const;

protected:
    void LoadValue(const TIniFile& file) override;
    void StoreValue(const TIniFile& file) override;
    void ShowDefaultValue() override;
    bool ValueModified() override { return Modified(); }
};
