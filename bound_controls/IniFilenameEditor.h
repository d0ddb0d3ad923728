#pragma once
// TIniFilenameEditor: the design-time editor of TIniSource's IniFileName. Its edit action picks the
// settings file with the open dialog; a file in the Windows directory is stored by its bare name
// (where the profile functions look for bare names), any other as its full path, in lower case.
#include "PropertyEditor.h"

class TIniFilenameEditor : public TStringProperty {
public:
    using TStringProperty::TStringProperty;

    void Edit() override;
    // The value is edited through the dialog only.
    TPropertyAttributes GetAttributes() const override { return {paDialog}; }
};

// Registers the library's property editor, and the IniFileName property it edits, once; later calls
// do nothing. A program that uses the library calls it as it starts, before its first form.
void RegisterIniCtrlsEditors();
