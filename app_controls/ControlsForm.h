#pragma once
// TControlsForm: the one window of tessellor-controls. A settings source on controls.ini beside the
// program, and bound to it a group of radio buttons, a grid in each storage format and a combo box
// of each style; a button picks another settings file with the source's file name editor. The
// values are saved when the window closes.
#include <string>

#include "Button.h"
#include "Form.h"
#include "IniCtrls.h"
#include "Label.h"

class TControlsForm : public TForm {
public:
    explicit TControlsForm(TComponent* owner);

    TIniSource* IniSource1;
    TGroupBox* SizeBox;
    TIniRadioButton* SmallRadio;
    TIniRadioButton* MediumRadio;
    TIniRadioButton* LargeRadio;
    TLabel* FlatLabel;
    TIniGrid* FlatGrid;
    TLabel* TitledLabel;
    TIniGrid* TitledGrid;
    TLabel* CombosLabel;
    TIniComboBox* DropDownCombo;
    TIniComboBox* SimpleCombo;
    TIniComboBox* ListCombo;
    TIniComboBox* OwnerFixedCombo;
    TIniComboBox* OwnerVariableCombo;
    TLabel* FileLabel;
    TButton* FileBtn;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void FileBtnClick(TObject* sender);

private:
    void ShowFileName();
};
