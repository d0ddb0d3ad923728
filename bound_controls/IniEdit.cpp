#include "IniEdit.h"

#include "Format.h"

TIniEdit::TIniEdit(TComponent* owner) : TIniBound<TCustomEdit>(owner) { SetText(DefaultValue); }

std::string TIniEdit::HexText() const {
    // The "0x" form is accepted as on reading, so a value loaded in the stored form saves unchanged.
    int32_t n = 0;
    if (!TryProfileTextToInt(Text(), n)) n = HexDefault;
    return Format("0x%04X", static_cast<unsigned>(static_cast<uint32_t>(n)));
}

void TIniEdit::LoadValue(const TIniFile& file) { SetText(file.ReadString(SectionName(), Keyword(), DefaultValue)); }

void TIniEdit::StoreValue(const TIniFile& file) {
    file.WriteString(SectionName(), Keyword(), Hexadecimal ? HexText() : Text());
}

void TIniEdit::ShowDefaultValue() { SetText(DefaultValue); }
