#include "ControlsForm.h"

#include "Layout.h"
#include "Paths.h"
#include "PropertyEditor.h"

namespace {

constexpr const char* kSection = "Controls";

}  // namespace

TControlsForm::TControlsForm(TComponent* owner) : TForm(owner) {
    SetCaption("Tessellor Controls");
    Position = TPosition::poScreenCenter;
    SetClientSize(560, 540);

    IniSource1 = new TIniSource(this);
    IniSource1->Name = "IniSource1";

    SizeBox = Place<TGroupBox>(this, this, "SizeBox", 10, 10, 160, 110);
    SizeBox->SetCaption("Thumbnail &size");
    SmallRadio = Place<TIniRadioButton>(this, SizeBox, "SmallRadio", 12, 22, 130, 20);
    SmallRadio->SetCaption("Small");
    SmallRadio->DefaultValue = true;
    SmallRadio->CheckedValue = 0;  // also what an absent key reads as
    MediumRadio = Place<TIniRadioButton>(this, SizeBox, "MediumRadio", 12, 50, 130, 20);
    MediumRadio->SetCaption("Medium");
    MediumRadio->CheckedValue = 1;
    LargeRadio = Place<TIniRadioButton>(this, SizeBox, "LargeRadio", 12, 78, 130, 20);
    LargeRadio->SetCaption("Large");
    LargeRadio->CheckedValue = 2;
    int order = 0;
    for (TIniRadioButton* radio : {SmallRadio, MediumRadio, LargeRadio}) {
        radio->TabOrder = order++;
        radio->SetSectionName(kSection);
        radio->SetKeyword("Size");
    }

    FlatLabel =
        PlaceLabel(this, this, "FlatLabel", 190, 10, 340, 16, "Columns (one key, comma-separated):", true);
    FlatGrid = Place<TIniGrid>(this, this, "FlatGrid", 190, 28, 360, 100);
    FlatGrid->SetColCount(4);
    FlatGrid->SetRowCount(3);
    FlatGrid->SetDefaultRowHeight(20);
    FlatGrid->SetDefaultColWidth(80);
    FlatGrid->SetOptions(FlatGrid->Options() | goEditing);
    FlatGrid->TabOrder = 0;
    FlatGrid->SetSectionName(kSection);
    FlatGrid->SetKeyword("Columns");
    FlatGrid->DefaultValue = "Name,Size,Date,Name,Type,Size";
    const char* const flatColumns[] = {"First", "Second", "Third"};
    for (int c = 1; c < 4; ++c) FlatGrid->SetCells(c, 0, flatColumns[c - 1]);
    FlatGrid->SetCells(0, 1, "Page");
    FlatGrid->SetCells(0, 2, "List");

    TitledLabel =
        PlaceLabel(this, this, "TitledLabel", 190, 140, 340, 16, "Limits (one key per titled cell):", true);
    TitledGrid = Place<TIniGrid>(this, this, "TitledGrid", 190, 158, 360, 100);
    TitledGrid->SetColCount(3);
    TitledGrid->SetRowCount(4);
    TitledGrid->SetDefaultRowHeight(20);
    TitledGrid->SetDefaultColWidth(80);
    TitledGrid->SetOptions(TitledGrid->Options() | goEditing);
    TitledGrid->TabOrder = 1;
    TitledGrid->SetSectionName(kSection);
    TitledGrid->SetKeyword("Limits");
    TitledGrid->DefaultValue = "16,640,16,480,0,99";
    TitledGrid->SetCells(1, 0, "Min");
    TitledGrid->SetCells(2, 0, "Max");
    TitledGrid->SetCells(0, 1, "Width");
    TitledGrid->SetCells(0, 2, "Height");
    TitledGrid->SetCells(0, 3, "Quality");
    TitledGrid->SetHierarchical(true);

    CombosLabel =
        PlaceLabel(this, this, "CombosLabel", 10, 270, 340, 16, "Colours, one combo box per style:", true);
    struct ComboEntry {
        TIniComboBox** slot;
        const char* name;
        TComboBoxStyle style;
        const char* keyword;
        const char* defaultValue;
    };
    const ComboEntry combos[] = {
        {&DropDownCombo, "DropDownCombo", TComboBoxStyle::csDropDown, "DropDown", "green"},
        {&SimpleCombo, "SimpleCombo", TComboBoxStyle::csSimple, "Simple", "teal"},
        {&ListCombo, "ListCombo", TComboBoxStyle::csDropDownList, "List", "2"},
        {&OwnerFixedCombo, "OwnerFixedCombo", TComboBoxStyle::csOwnerDrawFixed, "OwnerFixed", "red"},
        {&OwnerVariableCombo, "OwnerVariableCombo", TComboBoxStyle::csOwnerDrawVariable, "OwnerVariable", "blue"},
    };
    int top = 290;
    for (const ComboEntry& entry : combos) {
        const bool simple = entry.style == TComboBoxStyle::csSimple;
        auto* combo = Place<TIniComboBox>(this, this, entry.name, 10, top, 250, simple ? 80 : 21);
        top += simple ? 86 : 28;
        combo->SetStyle(entry.style);
        for (const char* colour : {"red", "green", "blue", "black", "white"}) combo->Items().Add(colour);
        combo->TabOrder = order++;
        combo->SetSectionName(kSection);
        combo->SetKeyword(entry.keyword);
        combo->SetDefaultValue(entry.defaultValue);
        *entry.slot = combo;
    }

    FileLabel = PlaceLabel(this, this, "FileLabel", 280, 290, 270, 16, "", true);
    FileLabel->ShowAccelChar = false;  // a path shows its & as it is
    FileBtn = Place<TButton>(this, this, "FileBtn", 280, 314, 150, 25);
    FileBtn->SetCaption("Settings &file...");
    FileBtn->TabOrder = order++;

    // References between components, then the handlers, as a layout sets them.
    FlatLabel->SetFocusControl(FlatGrid);
    TitledLabel->SetFocusControl(TitledGrid);
    CombosLabel->SetFocusControl(DropDownCombo);
    for (TIniBoundControl* control :
         std::initializer_list<TIniBoundControl*>{SmallRadio, MediumRadio, LargeRadio, FlatGrid, TitledGrid,
                                                  DropDownCombo, SimpleCombo, ListCombo, OwnerFixedCombo,
                                                  OwnerVariableCombo})
        control->SetDataSource(IniSource1);
    FileBtn->OnClick = [this](TObject* sender) { FileBtnClick(sender); };
    OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    FinishLayout();
}

void TControlsForm::FormCreate(TObject*) {
    IniSource1->SetIniFileName(ProgramDirectory() + "controls.ini");
    ShowFileName();
}

void TControlsForm::FormClose(TObject*, TCloseAction&) { IniSource1->Save(); }

void TControlsForm::FileBtnClick(TObject*) {
    // The design-time editor of the source's file name, run here on the live source. The values
    // shown so far go to the old file first; the new file's are loaded once the source re-enables.
    IniSource1->Save();
    if (std::unique_ptr<TPropertyEditor> editor = CreatePropertyEditor(IniSource1, "IniFileName")) editor->Edit();
    ShowFileName();
}

void TControlsForm::ShowFileName() { FileLabel->SetCaption(IniSource1->IniFileName()); }
