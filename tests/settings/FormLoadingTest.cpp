#include <gtest/gtest.h>

#include "Application.h"
#include "DialogDriver.h"
#include "SettingsTestSupport.h"
#include "TestFiles.h"

namespace {

struct Snapshot {
    bool Taken = false;
    std::string Dir, Background, LastDir;
    TCheckBoxState Carriage = cbUnchecked, Titles = cbUnchecked;
};

class TSettingsForm;
TSettingsForm* gForm = nullptr;
Snapshot gAtFirstTick;

// Built as the main window's layout builds it: the components in layout order with their stored
// properties, the source (after its controls) stored enabled without a file name, the references
// fixed up once everything exists, then the creation handler.
class TSettingsForm : public TForm {
public:
    TSettingsForm(TComponent* owner, std::string fileName) : TForm(owner), FFileName(std::move(fileName)) {
        SetCaption("Settings");
        SetBounds(60, 60, 320, 220);
        DirEdit = Edit("DirEdit", "DefaultDir", "C:\\");
        BackgroundEdit = Edit("BackgroundEdit", "Background", "");
        LastDirEdit = Edit("LastDirEdit", "LastDir", "C:\\last");
        CarriageChkbox = Box("CarriageChkbox", "Carriage");
        TitlesChkbox = Box("TitlesChkbox", "Titles");
        IniSource1 = new TIniSource(this);
        IniSource1->Name = "IniSource1";
        IniSource1->SetEnabled(true);
        // Reference fix-up.
        for (TIniEdit* e : {DirEdit, BackgroundEdit, LastDirEdit}) e->SetDataSource(IniSource1);
        for (TIniCheckBox* b : {CarriageChkbox, TitlesChkbox}) b->SetDataSource(IniSource1);
        OnCreate = [this](TObject*) { FormCreate(); };
        FinishLayout();
    }
    ~TSettingsForm() override {
        if (FTimer) KillTimer(nullptr, FTimer);
        gForm = nullptr;
    }

    TIniEdit* DirEdit;
    TIniEdit* BackgroundEdit;
    TIniEdit* LastDirEdit;
    TIniCheckBox* CarriageChkbox;
    TIniCheckBox* TitlesChkbox;
    TIniSource* IniSource1;
    int DirChanges = 0;

private:
    TIniEdit* Edit(const std::string& name, const std::string& key, const std::string& fallback) {
        auto* edit = new TIniEdit(this);
        edit->Name = name;
        edit->SetParent(this);
        edit->SetBounds(10, 10 + 30 * ComponentCount(), 200, 22);
        edit->SetSectionName("Tessellor");
        edit->SetKeyword(key);
        edit->DefaultValue = fallback;
        return edit;
    }
    TIniCheckBox* Box(const std::string& name, const std::string& key) {
        auto* box = new TIniCheckBox(this);
        box->Name = name;
        box->SetParent(this);
        box->SetBounds(10, 10 + 30 * ComponentCount(), 200, 20);
        box->SetSectionName("Tessellor");
        box->SetKeyword(key);
        box->DefaultValue = cbUnchecked;
        box->SetCheckedValue(0);
        box->SetAllowGrayed(false);
        box->SetState(cbChecked);
        return box;
    }
    void FormCreate() {
        DirEdit->OnChange = [this](TObject*) { ++DirChanges; };
        IniSource1->SetIniFileName(FFileName);
        gForm = this;
        FTimer = SetTimer(nullptr, 0, 200, &TSettingsForm::Timer1Timer);
    }
    static void CALLBACK Timer1Timer(HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        if (!gForm) return;
        gForm->FTimer = 0;
        gAtFirstTick.Taken = true;
        gAtFirstTick.Dir = gForm->DirEdit->Text();
        gAtFirstTick.Background = gForm->BackgroundEdit->Text();
        gAtFirstTick.LastDir = gForm->LastDirEdit->Text();
        gAtFirstTick.Carriage = gForm->CarriageChkbox->State();
        gAtFirstTick.Titles = gForm->TitlesChkbox->State();
    }

    std::string FFileName;
    UINT_PTR FTimer = 0;
};

}  // namespace

TEST(FormLoading, EveryControlLoadsFromTheFileNamedAtCreationBeforeTheFirstTick) {
    TempDir dir;
    const std::string path = dir / "tessellor.ini";
    WriteWholeFile(path, "[Tessellor]\r\nDefaultDir=D:\\photos\r\nBackground=back.jpg\r\nCarriage=0\r\n");
    gAtFirstTick = Snapshot();
    TSettingsForm form(Application, dir / "tessellor");
    // Nothing reads the file before the message loop runs.
    EXPECT_EQ(form.DirEdit->Text(), "");
    EXPECT_EQ(form.CarriageChkbox->State(), cbChecked);
    EXPECT_EQ(form.IniSource1->IniFileName(), path);
    form.Show();
    ASSERT_TRUE(PumpUntil([] { return gAtFirstTick.Taken; }, 3000));
    EXPECT_EQ(gAtFirstTick.Dir, "D:\\photos");
    EXPECT_EQ(gAtFirstTick.Background, "back.jpg");
    EXPECT_EQ(gAtFirstTick.LastDir, "C:\\last");
    EXPECT_EQ(gAtFirstTick.Carriage, cbUnchecked);
    EXPECT_EQ(gAtFirstTick.Titles, cbChecked);
    EXPECT_EQ(form.DirChanges, 1);  // loaded more than once, always the same value
    // The boxes' stored state counts as a change, as in the main window.
    EXPECT_TRUE(form.IniSource1->Modified());
    std::vector<std::string> listed;
    for (int i = 0; i < form.IniSource1->BoundControlCount(); ++i)
        listed.push_back(form.IniSource1->BoundControls(i)->BoundControl().Name);
    EXPECT_EQ(listed, (std::vector<std::string>{"DirEdit", "BackgroundEdit", "LastDirEdit", "CarriageChkbox",
                                                "TitlesChkbox"}));
    // Closing saves: every control has written when Save returns.
    form.LastDirEdit->SetText("E:\\now");
    form.IniSource1->Save();
    EXPECT_EQ(StoredValue(path, "Tessellor", "LastDir"), "E:\\now");
    EXPECT_EQ(StoredValue(path, "Tessellor", "Titles"), "1");
    EXPECT_EQ(StoredValue(path, "Tessellor", "Carriage"), "0");
    form.Hide();
}
