#include <gtest/gtest.h>

#include "Application.h"
#include "SettingsTestSupport.h"
#include "DialogDriver.h"
#include "Exceptions.h"

namespace {

std::string WindowsDirectory() {
    char buffer[MAX_PATH + 1] = {};
    const UINT n = GetWindowsDirectoryA(buffer, MAX_PATH + 1);
    return std::string(buffer, n);
}

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// The editor the library registered, on a fresh source, as the form designer would make it.
struct EditorFixture : BoundFixture {
    EditorFixture() {
        source->SetIniFileName(dir / "Start.ini");
        source->OnActivate = [this](TObject*) { ++activations; };
        editor = CreatePropertyEditor(source, "IniFileName");
    }
    std::unique_ptr<TPropertyEditor> editor;
    int activations = 0;
};

}  // namespace

TEST(IniFilenameEditor, IsRegisteredOnceAtStartForTheSourcesFileNameOnly) {
    // Registered once as the program started (the tests' main does as both programs do); a second
    // call adds nothing.
    const TPropertyEditorRecord* record = FindPropertyEditor("string", "TIniSource", "IniFileName");
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->ComponentClass, "TIniSource");
    EXPECT_EQ(PropertyEditorCount(), 1);
    RegisterIniCtrlsEditors();
    EXPECT_EQ(PropertyEditorCount(), 1);
    EXPECT_EQ(FindPropertyEditor("string", "TIniEdit", "IniFileName"), nullptr);
    EXPECT_EQ(FindPropertyEditor("string", "TIniSource", "Name"), nullptr);

    EditorFixture f;
    ASSERT_NE(dynamic_cast<TIniFilenameEditor*>(f.editor.get()), nullptr);
    EXPECT_EQ(f.editor->GetAttributes(), TPropertyAttributes{paDialog});
    EXPECT_EQ(f.editor->GetValue(), f.dir / "Start.ini");
    f.editor->SetValue(f.dir / "typed.cfg");  // typed in place: through the source's own setter
    EXPECT_EQ(f.source->IniFileName(), f.dir / "typed.ini");
}

TEST(IniFilenameEditor, OffersTheSettingsFilesInTheOpenDialogStartingAtTheCurrentValue) {
    EditorFixture f;
    WriteWholeFile(f.dir / "Start.ini", "");
    bool looked = false;
    DialogDriver driver;
    driver.Then([&](WindowView& w) {
        looked = true;
        char name[MAX_PATH] = {};
        GetWindowTextA(w.Item(0x47C), name, MAX_PATH);
        EXPECT_NE(std::string(name).find("Start.ini"), std::string::npos) << name;
        HWND types = w.Item(0x470);
        ASSERT_NE(types, nullptr);
        ASSERT_EQ(SendMessageA(types, CB_GETCOUNT, 0, 0), 2);
        char type[100] = {};
        SendMessageA(types, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(type));
        EXPECT_STREQ(type, "Initialization files (*.ini)");
        SendMessageA(types, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(type));
        EXPECT_STREQ(type, "All files (*.*)");
        EXPECT_FALSE(IsWindowVisible(w.Item(0x410)));  // no read-only check box
        EXPECT_TRUE(IsWindowVisible(w.Item(0x40E)));   // a Help button
        w.CancelFileDialog();
    });
    f.editor->Edit();
    EXPECT_TRUE(looked);
    EXPECT_EQ(f.source->IniFileName(), f.dir / "Start.ini");  // cancelled: unchanged, not re-enabled
    EXPECT_EQ(f.activations, 0);
}

TEST(IniFilenameEditor, AFileInTheWindowsDirectoryIsStoredByItsBareName) {
    EditorFixture f;
    const std::string windows = WindowsDirectory();
    ASSERT_FALSE(windows.empty());
    DialogDriver driver;
    driver.SaveAs(Upper(windows) + "\\WIN.INI");
    f.editor->Edit();
    EXPECT_EQ(f.source->IniFileName(), "win.ini");
    EXPECT_EQ(f.activations, 1);

    // A subdirectory of the Windows directory is another directory: the full path stays.
    driver.SaveAs(Upper(windows) + "\\SYSTEM32\\KERNEL32.DLL");
    f.editor->Edit();
    EXPECT_EQ(f.source->IniFileName(), Lower(windows) + "\\system32\\kernel32.ini");
}

TEST(IniFilenameEditor, AnyOtherFileIsStoredAsItsFullPathInLowerCase) {
    EditorFixture f;
    MakeDirectory(f.dir / "Data");
    WriteWholeFile(f.dir / "Data\\App.INI", "");
    DialogDriver driver;
    driver.SaveAs(f.dir / "Data\\App.INI");
    f.editor->Edit();
    EXPECT_EQ(f.source->IniFileName(), Lower(f.dir / "data\\app.ini"));

    // A file that does not exist yet: the dialog asks before it may be made.
    DialogSeen prompt;
    driver.SaveAs(f.dir / "New.ini").Then([&](WindowView& w) {
        prompt.Shown = true;
        prompt.Text = w.Text();
        w.Press("&Yes");
    });
    f.editor->Edit();
    EXPECT_TRUE(prompt.Shown);
    EXPECT_EQ(f.source->IniFileName(), Lower(f.dir / "new.ini"));
}

TEST(IniFilenameEditor, TheDialogGoesAwayWhenTheNewValueRaises) {
    EditorFixture f;
    WriteWholeFile(f.dir / "Other.ini", "");
    f.source->OnActivate = [](TObject*) { throw Exception("Cannot activate"); };
    const int owned = Application->ComponentCount();
    DialogDriver driver;
    driver.SaveAs(f.dir / "Other.ini");
    EXPECT_THROW(f.editor->Edit(), Exception);
    EXPECT_EQ(Application->ComponentCount(), owned);
}
