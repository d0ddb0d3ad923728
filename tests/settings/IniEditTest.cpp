#include <gtest/gtest.h>

#include "Application.h"
#include "DialogDriver.h"
#include "SettingsTestSupport.h"
#include "TestFiles.h"

namespace {

// One bound edit on section Tessellor, key Dir, and a source enabled on a file in a fresh directory.
struct OneEdit {
    OneEdit() {
        edit = form.Add<TIniEdit>("DirEdit");
        edit->SetSectionName("Tessellor");
        edit->SetKeyword("Dir");
        source = new TIniSource(&form);
        source->Name = "IniSource1";
        source->SetIniFileName(path);
        edit->OnChange = [this](TObject*) { ++changes; };
    }
    void Bind() {
        edit->SetDataSource(source);
        HandlePosted();
    }
    // What the user does: the End key, then characters typed into the edit's window.
    void Type(const std::string& text) {
        PostMessageA(edit->Handle(), WM_KEYDOWN, VK_END, 1);
        PostMessageA(edit->Handle(), WM_KEYUP, VK_END, 0xC0000001);
        for (char c : text) PostMessageA(edit->Handle(), WM_CHAR, static_cast<unsigned char>(c), 1);
        HandlePosted();
    }
    TempDir dir;
    std::string path = dir / "app.ini";
    TBoundForm form{Application};
    TIniEdit* edit;
    TIniSource* source;
    int changes = 0;
};

}  // namespace

TEST(IniEdit, LoadsTheStoredTextOrTheDefaultAndSavesItUnchanged) {
    OneEdit f;
    f.edit->DefaultValue = "C:\\images";
    f.Bind();
    EXPECT_EQ(f.edit->Text(), "C:\\images");
    EXPECT_FALSE(FileExists(f.path));  // nothing is written before a save
    f.source->Save();
    EXPECT_EQ(StoredValue(f.path, "Tessellor", "Dir"), "C:\\images");

    Store(f.path, "Tessellor", "Dir", "");
    f.source->Refresh();
    EXPECT_EQ(f.edit->Text(), "");  // present but empty is not absent

    f.edit->SetText("C:\\My Pictures");
    f.source->Save();
    f.edit->SetText("x");
    f.source->Refresh();
    EXPECT_EQ(f.edit->Text(), "C:\\My Pictures");
}

TEST(IniEdit, ChangingTheKeyReloadsWithoutWritingTheOldKey) {
    OneEdit f;
    Store(f.path, "Tessellor", "Dir", "old");
    Store(f.path, "Tessellor", "Background", "new");
    f.Bind();
    f.edit->SetText("typed");
    f.edit->SetKeyword("Background");
    EXPECT_EQ(f.edit->Text(), "typed");  // the reload is posted
    HandlePosted();
    EXPECT_EQ(f.edit->Text(), "new");
    EXPECT_EQ(StoredValue(f.path, "Tessellor", "Dir"), "old");
}

TEST(IniEdit, TypingSetsModifiedAndOnlyAChangedTextFromTheProgramClearsIt) {
    OneEdit f;
    Store(f.path, "Tessellor", "Dir", "C:\\pics");
    f.Bind();
    EXPECT_FALSE(f.source->Modified());
    f.changes = 0;

    f.Type("\bX");  // backspace, then a letter, as the keyboard delivers them
    EXPECT_EQ(f.edit->Text(), "C:\\picX");
    EXPECT_TRUE(f.edit->Modified());
    EXPECT_TRUE(f.source->Modified());
    EXPECT_EQ(f.changes, 2);

    f.source->Save();  // a save leaves the flag alone
    EXPECT_EQ(StoredValue(f.path, "Tessellor", "Dir"), "C:\\picX");
    EXPECT_TRUE(f.source->Modified());
    f.source->Refresh();  // finds the same text: nothing changes
    EXPECT_TRUE(f.source->Modified());
    f.edit->SetText("C:\\picX");
    EXPECT_TRUE(f.edit->Modified());
    EXPECT_EQ(f.changes, 2);

    Store(f.path, "Tessellor", "Dir", "D:\\other");
    f.source->Refresh();
    EXPECT_EQ(f.edit->Text(), "D:\\other");
    EXPECT_EQ(f.changes, 3);
    EXPECT_FALSE(f.edit->Modified());
    EXPECT_FALSE(f.source->Modified());

    f.Type("y");
    SendMessageA(f.edit->Handle(), IM_SETDEFAULT, 0, 0);  // DefaultValue is empty
    EXPECT_EQ(f.edit->Text(), "");
    EXPECT_FALSE(f.source->Modified());
}

TEST(IniEdit, KeepsTheFlagAndTextAcrossAWindowOfItsOwnBeingMadeLater) {
    TBoundForm form(Application);
    TIniEdit edit(nullptr);  // no parent yet: no window
    edit.SetText("before");
    edit.SetModified(true);
    EXPECT_TRUE(edit.Modified());
    edit.SetParent(&form);  // the shown form makes the window now
    ASSERT_TRUE(edit.HandleAllocated());
    EXPECT_EQ(edit.Text(), "before");
    EXPECT_TRUE(edit.Modified());
    edit.SetParent(nullptr);
    EXPECT_TRUE(edit.Modified());
    edit.SetText("after");
    EXPECT_FALSE(edit.Modified());
}

TEST(IniEdit, HexadecimalModeStoresZeroXAndAtLeastFourDigits) {
    OneEdit f;
    f.Bind();
    f.edit->Hexadecimal = true;
    const std::pair<const char*, const char*> cases[] = {
        {"255", "0x00FF"},       {"$1f", "0x001F"}, {"70000", "0x11170"}, {"-1", "0xFFFFFFFF"},
        {"abc", "0x0000"},       {"  12", "0x000C"}, {"0x00FF", "0x00FF"}, {"0X1f", "0x001F"},
        {"-2147483648", "0x80000000"},
    };
    for (const auto& [text, stored] : cases) {
        f.edit->SetText(text);
        f.source->Save();
        EXPECT_EQ(StoredValue(f.path, "Tessellor", "Dir"), stored) << text;
    }
    f.edit->HexDefault = 0xBEEF;
    f.edit->SetText("0x");
    f.source->Save();
    EXPECT_EQ(StoredValue(f.path, "Tessellor", "Dir"), "0xBEEF");
    // A value loaded in its own stored form saves unchanged.
    Store(f.path, "Tessellor", "Dir", "0x1234");
    f.source->Refresh();
    EXPECT_EQ(f.edit->Text(), "0x1234");
    f.source->Save();
    EXPECT_EQ(StoredValue(f.path, "Tessellor", "Dir"), "0x1234");
}
