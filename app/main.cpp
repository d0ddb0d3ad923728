#include "main.h"

#include <windows.h>

#include "Application.h"
#include "Layout.h"
#include "Paths.h"
#include "product.h"
#include "support.h"

namespace {

const char* const kSection = "Tessellor";

TMenuItem* Item(TComponent* owner, const char* name, const char* caption) {
    auto* item = new TMenuItem(owner);
    item->Name = name;
    item->Caption = caption;
    return item;
}

}  // namespace

TTessellorForm::TTessellorForm(TComponent* owner) : TForm(owner) {
    CreateLayout();
    FixupReferences();
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
    FinishLayout();
}

void TTessellorForm::CreateLayout() {
    Name = "TessellorForm";
    SetBounds(222, 78, 447, 486);
    SetCaption("Tessellor 1.01");
    Font().SetName("MS Sans Serif");
    Font().SetHeight(-11);

    Label1 = PlaceLabel(
        this, this, "Label1", 14, 12, 315, 39,
        "Builds a HTML file that allows you to view all the JPG and GIF files in a directory.  You've to save the "
        "HTML file to the same directory in order for the program to work correctly.");
    Label1->WordWrap = true;

    GenerateBtn = Place<TBitBtn>(this, this, "GenerateBtn", 356, 76, 75, 25, 0);
    GenerateBtn->SetCaption("&Generate");
    GenerateBtn->OnClick = [this](TObject* sender) { GenerateBtnClick(sender); };

    Memo1 = Place<TMemo>(this, this, "Memo1", 12, 252, 331, 25, 1);
    Memo1->SetVisible(false);

    SaveAsBtn = Place<TBitBtn>(this, this, "SaveAsBtn", 356, 114, 75, 25, 2);
    SaveAsBtn->SetCaption("&Save As");
    SaveAsBtn->OnClick = [this](TObject* sender) { SaveAsBtnClick(sender); };

    GroupBox1 = Place<TGroupBox>(this, this, "GroupBox1", 12, 60, 331, 183, 3);
    GroupBox1->SetCaption("Directory");

    Label4 = PlaceLabel(this, GroupBox1, "Label4", 178, 20, 139, 13, "&List of GIF and JPG files  ");

    DirectoryListBox1 = Place<TDirectoryListBox>(this, GroupBox1, "DirectoryListBox1", 12, 42, 145, 105, 0);
    DirectoryListBox1->SetItemHeight(16);

    DriveComboBox1 = Place<TDriveComboBox>(this, GroupBox1, "DriveComboBox1", 12, 154, 145, 19, 1);

    FileListBox1 = Place<TFileListBox>(this, GroupBox1, "FileListBox1", 172, 40, 145, 133, 2);
    FileListBox1->SetItemHeight(13);
    FileListBox1->SetMask("*.gif;*.jpg");

    GroupBox2 = Place<TGroupBox>(this, this, "GroupBox2", 12, 278, 413, 149, 4);
    GroupBox2->SetCaption("Options");

    auto checkBox = [this](const char* name, int top, int width, const char* caption, const char* key, int tab) {
        auto* box = Place<TIniCheckBox>(this, GroupBox2, name, 22, top, width, 17, tab);
        box->SetCaption(caption);
        box->SetKeyword(key);
        box->SetSectionName(kSection);
        box->SetState(cbChecked);
        return box;
    };
    CarriageChkbox = checkBox("CarriageChkbox", 20, 187, "Carriage &Return after every image", "CarriageReturn", 0);
    IncludeNamesChkbox = checkBox("IncludeNamesChkbox", 42, 185, "&Include images names", "ImageName", 1);
    ImageBorderChkbox = checkBox("ImageBorderChkbox", 64, 187, "Images with border ", "ImageBorder", 2);

    auto edit = [this](const char* name, int left, int top, const char* key, int tab) {
        auto* box = Place<TIniEdit>(this, GroupBox2, name, left, top, 187, 20, tab);
        box->SetKeyword(key);
        box->SetSectionName(kSection);
        return box;
    };
    Label2 = PlaceLabel(this, GroupBox2, "Label2", 16, 92, 88, 13, "Default Directory:  ", true);
    DefaultDirEdit = edit("DefaultDirEdit", 126, 90, "DefaultDir", 3);
    Label3 = PlaceLabel(this, GroupBox2, "Label3", 16, 120, 99, 13, "Background Image:  ", true);
    BackgroundEdit = edit("BackgroundEdit", 126, 118, "BackgroundImage", 4);

    BitBtn4 = Place<TBitBtn>(this, GroupBox2, "BitBtn4", 326, 118, 67, 23, 5);
    BitBtn4->SetCaption("Directory");
    BitBtn4->OnClick = [this](TObject* sender) { BitBtn4Click(sender); };

    LastUsedDirEdit = edit("LastUsedDirEdit", 210, 54, "LastUsedDir", 6);

    CreateMenu();

    OpenDialog1 = new TOpenDialog(this);
    OpenDialog1->Name = "OpenDialog1";
    OpenDialog1->Filter = "GIF, JPG Files|*.gif;*.jpg|All files|*.*";

    SaveDialog1 = new TSaveDialog(this);
    SaveDialog1->Name = "SaveDialog1";
    ConfigurePageSaveDialog(*SaveDialog1);

    // Stored enabled with no file name: this first enabling uses the empty name, and its attach
    // requests wait in the queue until the creation handler has set the real file.
    IniSource1 = new TIniSource(this);
    IniSource1->Name = "IniSource1";
    IniSource1->SetEnabled(true);

    Timer1 = new TTimer(this);
    Timer1->Name = "Timer1";
    Timer1->SetEnabled(false);
    Timer1->SetInterval(200);
    Timer1->OnTimer = [this](TObject* sender) { Timer1Timer(sender); };
}

void TTessellorForm::CreateMenu() {
    MainMenu1 = new TMainMenu(this);
    MainMenu1->Name = "MainMenu1";
    File1 = Item(this, "File1", "&File");
    Generate1 = Item(this, "Generate1", "&Generate");
    N3 = Item(this, "N3", "-");
    Save1 = Item(this, "Save1", "&Save");
    Save1->Visible = false;
    SaveAs1 = Item(this, "SaveAs1", "Save &As");
    N1 = Item(this, "N1", "-");
    Exit1 = Item(this, "Exit1", "E&xit");
    Help1 = Item(this, "Help1", "&Help");
    OtherProducts1 = Item(this, "OtherProducts1", "&Other Products");
    TechnicalSupport1 = Item(this, "TechnicalSupport1", "&Help");
    for (TMenuItem* item : {Generate1, N3, Save1, SaveAs1, N1, Exit1}) File1->Add(item);
    Help1->Add(OtherProducts1);
    Help1->Add(TechnicalSupport1);
    MainMenu1->Add(File1);
    MainMenu1->Add(Help1);
    Generate1->OnClick = [this](TObject* sender) { GenerateBtnClick(sender); };
    SaveAs1->OnClick = [this](TObject* sender) { SaveAsBtnClick(sender); };
    Exit1->OnClick = [this](TObject* sender) { Exit1Click(sender); };
    OtherProducts1->OnClick = [this](TObject* sender) { OtherProducts1Click(sender); };
    TechnicalSupport1->OnClick = [this](TObject* sender) { TechnicalSupport1Click(sender); };
    Menu = MainMenu1;
}

void TTessellorForm::FixupReferences() {
    Label4->SetFocusControl(FileListBox1);
    Label2->SetFocusControl(DefaultDirEdit);
    Label3->SetFocusControl(BackgroundEdit);
    DirectoryListBox1->SetFileList(FileListBox1);
    DriveComboBox1->SetDirList(DirectoryListBox1);
    for (TIniBoundControl* control : std::initializer_list<TIniBoundControl*>{
             CarriageChkbox, IncludeNamesChkbox, ImageBorderChkbox, DefaultDirEdit, BackgroundEdit, LastUsedDirEdit})
        control->SetDataSource(IniSource1);
}

void TTessellorForm::FormCreate(TObject*) {
    IniSource1->SetIniFileName(ProgramDirectory() + "tessellor.ini");
    IniSource1->SetEnabled(true);
    Timer1->SetEnabled(true);
}

void TTessellorForm::Timer1Timer(TObject*) {
    Timer1->SetEnabled(false);
    if (!DefaultDirEdit->Text().empty())
        DirectoryListBox1->SetCurrentDir(DefaultDirEdit->Text());
    else
        DirectoryListBox1->SetCurrentDir(LastUsedDirEdit->Text());
}

void TTessellorForm::FormClose(TObject*, TCloseAction&) {
    LastUsedDirEdit->SetText(DirectoryListBox1->CurrentDir());
    IniSource1->Save();
}

void TTessellorForm::GenerateBtnClick(TObject*) {
    BuildPage(FileListBox1->Items(), BackgroundEdit->Text(), CarriageChkbox->Checked(),
              IncludeNamesChkbox->Checked(), ImageBorderChkbox->Checked(), Memo1->Lines);
    SavePage(*SaveDialog1, Memo1->Lines, DirectoryListBox1->CurrentDir());
}

void TTessellorForm::SaveAsBtnClick(TObject*) { SavePage(*SaveDialog1, Memo1->Lines, DirectoryListBox1->CurrentDir()); }

void TTessellorForm::BitBtn4Click(TObject*) {
    OpenDialog1->Title = "Select Background Image";
    if (OpenDialog1->Execute()) BackgroundEdit->SetText(OpenDialog1->FileName);
}

void TTessellorForm::Exit1Click(TObject*) { Application->Terminate(); }

void TTessellorForm::OtherProducts1Click(TObject*) {
    TProductFrm dialog(Application);
    dialog.ShowModal();
}

void TTessellorForm::TechnicalSupport1Click(TObject*) {
    TSupportFrm dialog(Application);
    dialog.ShowModal();
}
