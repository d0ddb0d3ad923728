#pragma once
// TTessellorForm: the program's one main window. It holds the three browsing lists, the page
// options bound to tessellor.ini, the hidden line buffer of the page, and the menu.
#include "Button.h"
#include "FileCtrl.h"
#include "FileDialog.h"
#include "Form.h"
#include "IniCtrls.h"
#include "Label.h"
#include "Memo.h"
#include "Menus.h"
#include "GalleryPage.h"
#include "Timer.h"

class TTessellorForm : public TForm {
public:
    explicit TTessellorForm(TComponent* owner);

    TLabel* Label1;
    TBitBtn* GenerateBtn;
    TMemo* Memo1;
    TBitBtn* SaveAsBtn;
    TGroupBox* GroupBox1;
    TLabel* Label4;
    TDirectoryListBox* DirectoryListBox1;
    TDriveComboBox* DriveComboBox1;
    TFileListBox* FileListBox1;
    TGroupBox* GroupBox2;
    TIniCheckBox* CarriageChkbox;
    TIniCheckBox* IncludeNamesChkbox;
    TIniCheckBox* ImageBorderChkbox;
    TLabel* Label2;
    TIniEdit* DefaultDirEdit;
    TLabel* Label3;
    TIniEdit* BackgroundEdit;
    TBitBtn* BitBtn4;
    TIniEdit* LastUsedDirEdit;
    TMainMenu* MainMenu1;
    TMenuItem* File1;
    TMenuItem* Generate1;
    TMenuItem* N3;
    TMenuItem* Save1;
    TMenuItem* SaveAs1;
    TMenuItem* N1;
    TMenuItem* Exit1;
    TMenuItem* Help1;
    TMenuItem* OtherProducts1;
    TMenuItem* TechnicalSupport1;
    TOpenDialog* OpenDialog1;
    TSaveDialog* SaveDialog1;
    TIniSource* IniSource1;
    TTimer* Timer1;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void Timer1Timer(TObject* sender);
    void GenerateBtnClick(TObject* sender);
    void SaveAsBtnClick(TObject* sender);
    void BitBtn4Click(TObject* sender);
    void Exit1Click(TObject* sender);
    void OtherProducts1Click(TObject* sender);
    void TechnicalSupport1Click(TObject* sender);

private:
    // The window layout: components in layout order, their properties, the references between
    // them, and last the creation handler.
    void CreateLayout();
    void CreateMenu();
    void FixupReferences();
};
