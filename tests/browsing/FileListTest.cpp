#include <windows.h>

#include <gtest/gtest.h>

#include "BrowsingTestSupport.h"
#include "DialogDriver.h"
#include "Edit.h"
#include "Exceptions.h"
#include "Handles.h"
#include "LocaleText.h"
#include "Paths.h"

using Names = std::vector<std::string>;

namespace {

// A shown form with a file list on it, reading `dir` with `mask`.
struct FileListFixture {
    HostForm form;
    TFileListBox* list;
    explicit FileListFixture(const std::string& dir, const std::string& mask = "*.gif;*.jpg") {
        list = new TFileListBox(&form);
        list->SetMask(mask);
        list->SetCurrentDir(dir);
        list->SetParent(&form);
        list->SetBounds(8, 8, 200, 300);
        form.Show();
    }
};

}  // namespace

TEST(FileList, ImageMaskGivesTheMatchingFilesInOneCaseInsensitiveOrder) {
    TempDir dir;
    for (const char* name : {"b.GIF", "a.jpg", "C.gif", "notes.txt", "plain", "x.jpeg"}) Touch(dir / name);
    Touch(dir / "locked.jpg", FILE_ATTRIBUTE_READONLY);
    Touch(dir / ".secret.gif");  // a Unix dot-file: hidden on this platform
    MakeDirectory(dir / "old.gif");
    FileListFixture f(dir.Path());
    EXPECT_EQ(Lines(f.list->Items()), (Names{"a.jpg", "b.GIF", "C.gif", "locked.jpg"}));
    EXPECT_EQ(f.list->ItemIndex(), -1);
    EXPECT_EQ(GetCurrentDir(), dir.Path());

    // Hidden files when asked for; directories only as names in brackets, "." and ".." included.
    f.list->SetFileType({ftNormal, ftHidden});
    EXPECT_EQ(Lines(f.list->Items()), (Names{".secret.gif", "a.jpg", "b.GIF", "C.gif", "locked.jpg"}));
    f.list->SetFileType({ftDirectory});
    f.list->SetMask("*");
    EXPECT_EQ(Lines(f.list->Items()), (Names{"[..]", "[.]", "[old.gif]"}));  // the locale's order
    f.list->SetFileType({ftReadOnly});
    EXPECT_EQ(Lines(f.list->Items()), (Names{"locked.jpg"}));
    f.list->SetFileType({});
    EXPECT_EQ(f.list->Items().Count(), 0);
}

TEST(FileList, EveryPieceOfTheMaskAddsItsMatchesAndEmptyPiecesAddNothing) {
    TempDir dir;
    for (const char* name : {"b.GIF", "a.jpg", "C.gif"}) Touch(dir / name);
    FileListFixture f(dir.Path());
    f.list->SetMask("*.gif;*.GIF");
    EXPECT_EQ(Lines(f.list->Items()), (Names{"b.GIF", "b.GIF", "C.gif", "C.gif"}));
    f.list->SetMask(";*.jpg;;");
    EXPECT_EQ(Lines(f.list->Items()), (Names{"a.jpg"}));
    f.list->SetMask("");
    EXPECT_EQ(f.list->Items().Count(), 0);
    f.list->SetMask("*.png");
    EXPECT_EQ(f.list->Items().Count(), 0);
}

TEST(FileList, NamesDifferingOnlyInCaseBothStandAndKeepTheirCase) {
    FileListFixture f(std::string(1, kRamDrive) + ":\\case", "*.gif");
    Names lines = Lines(f.list->Items());
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(lines, (Names{"Same.gif", "same.GIF"}));
}

TEST(FileList, ProgramsGetTheProgramGlyphAndFoldersTheFolderGlyphWhileGlyphsAreShown) {
    TempDir dir;
    for (const char* name : {"SETUP.EXE", "run.Bat", "old.com", "x.pif", "README", "a.gif", "exe"}) Touch(dir / name);
    MakeDirectory(dir / "sub");
    FileListFixture f(dir.Path(), "*");
    auto glyph = [&](const std::string& name) -> const TObject* {
        return f.list->Items().GetObject(f.list->Items().IndexOf(name));
    };
    EXPECT_EQ(glyph("SETUP.EXE"), &f.list->ProgramGlyph());
    EXPECT_EQ(glyph("run.Bat"), &f.list->ProgramGlyph());
    EXPECT_EQ(glyph("old.com"), &f.list->ProgramGlyph());
    EXPECT_EQ(glyph("x.pif"), &f.list->ProgramGlyph());
    EXPECT_EQ(glyph("README"), &f.list->OtherFileGlyph());
    EXPECT_EQ(glyph("exe"), &f.list->OtherFileGlyph());
    EXPECT_EQ(glyph("a.gif"), &f.list->OtherFileGlyph());

    // Showing glyphs makes room for them: the height changes, the window is made again and re-read.
    f.list->SetFileType({ftNormal, ftDirectory});
    EXPECT_EQ(glyph("[sub]"), nullptr);
    const int lineHeight = f.list->ItemHeight();
    ASSERT_LT(lineHeight, 16);
    f.list->SetShowGlyphs(true);
    EXPECT_EQ(f.list->ItemHeight(), 16);
    EXPECT_EQ(glyph("[sub]"), &f.list->FolderGlyph());
    f.list->SetShowGlyphs(false);
    EXPECT_EQ(f.list->ItemHeight(), 16);  // turning glyphs off does not shrink
    EXPECT_EQ(glyph("[sub]"), &f.list->FolderGlyph());  // nor re-read
    // With room enough already, nothing is re-read: folders stay without a glyph until the next read.
    f.list->SetItemHeight(20);
    f.list->SetShowGlyphs(true);
    EXPECT_EQ(glyph("[sub]"), nullptr);
    f.list->SetMask("s*");
    EXPECT_EQ(glyph("[sub]"), &f.list->FolderGlyph());
}

TEST(FileList, AGlyphIsDrawnWithItsBackgroundLeftOut) {
    TempDir dir;
    Touch(dir / "SETUP.EXE");
    FileListFixture f(dir.Path(), "*");
    f.list->SetShowGlyphs(true);
    PumpUntilQuiet();
    const TClientDC dc(f.list->Handle());
    RECT item{};
    SendMessageA(f.list->Handle(), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    const int top = (item.top + item.bottom - 15) / 2;
    // The picture's blue background shows the list's own colour; its black frame is drawn.
    EXPECT_EQ(GetPixel(dc.Get(), item.left + 2, top + 14), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(GetPixel(dc.Get(), item.left + 2, top + 1), RGB(0, 0, 0));
}

TEST(FileList, TheHourGlassShowsFromTheEntryThatLandsOnPosition100) {
    TempDir dir;
    char name[32];
    for (int i = 0; i < 100; ++i) {
        snprintf(name, sizeof name, "a%03d.gif", i);
        Touch(dir / name);
    }
    for (int i = 0; i < 50; ++i) {
        snprintf(name, sizeof name, "b%03d.gif", i);
        Touch(dir / name);
    }
    FileListFixture f(dir.Path(), "a*");
    CursorLog log;
    f.list->SetMask("a*;b*");  // the first b lands at position 100
    EXPECT_EQ(f.list->Items().Count(), 150);
    EXPECT_EQ(log.Changes, (std::vector<TCursor>{crHourGlass, crDefault}));
    log.Changes.clear();
    f.list->SetMask("b*;a*");  // 150 entries, but every a lands before the b's
    EXPECT_EQ(f.list->Items().Count(), 150);
    EXPECT_TRUE(log.Changes.empty());
    f.list->SetMask("a*");  // 100 entries reach position 99 at most
    EXPECT_TRUE(log.Changes.empty());
    EXPECT_EQ(Screen->Cursor(), crDefault);
}

TEST(FileList, BeforeItsWindowExistsTheListReadsNothing) {
    TempDir dir;
    Touch(dir / "a.gif");
    HostForm form;
    auto* list = new TFileListBox(&form);
    int changes = 0;
    list->OnChange = [&](TObject*) { ++changes; };
    list->SetMask("*.gif");
    list->SetCurrentDir(dir.Path());
    EXPECT_EQ(list->Items().Count(), 0);
    EXPECT_EQ(changes, 0);
    list->SetParent(&form);
    form.Show();
    EXPECT_EQ(Lines(list->Items()), (Names{"a.gif"}));
    EXPECT_EQ(changes, 1);
}

TEST(FileList, MovesFollowTheProcessDirectoryAndSameTextInOtherCaseChangesNothing) {
    TempDir one, two;
    Touch(one / "one.gif");
    Touch(two / "two.gif");
    FileListFixture f(one.Path());
    int changes = 0;
    f.list->OnChange = [&](TObject*) { ++changes; };
    f.list->SetCurrentDir(AnsiLowerCase(one.Path()));
    f.list->SetMask("*.gif;*.jpg");
    EXPECT_EQ(changes, 0);
    f.list->SetMask("*.GIF;*.jpg");  // other letter case: read again
    EXPECT_EQ(changes, 1);
    f.list->SetCurrentDir(two.Path());
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(Lines(f.list->Items()), (Names{"two.gif"}));
    EXPECT_EQ(GetCurrentDir(), two.Path());
    // A relative path starts from the list's directory, and comes out whole.
    MakeDirectory(two / "Deeper");
    SetCurrentDirectoryA(one.Path().c_str());
    f.list->SetCurrentDir("deeper");
    EXPECT_TRUE(AnsiSameText(f.list->CurrentDir(), two / "Deeper")) << f.list->CurrentDir();
    EXPECT_EQ(GetCurrentDir(), f.list->CurrentDir());
}

TEST(FileList, ADirectoryThatCannotBeEnteredLeavesTheListAsItWas) {
    TempDir dir;
    Touch(dir / "kept.gif");
    MakeDirectory(dir / "gone");
    FileListFixture f(dir / "gone");
    f.list->SetCurrentDir(dir.Path());
    try {
        f.list->SetCurrentDir(dir / "missing");
        ADD_FAILURE() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(), "File not found");
    }
    EXPECT_EQ(f.list->CurrentDir(), dir.Path());
    EXPECT_EQ(Lines(f.list->Items()), (Names{"kept.gif"}));

    // The directory removed from under the list: a re-read fails and keeps the entries...
    MakeDirectory(dir / "doomed");
    Touch(JoinPath(dir / "doomed", "x.gif"));
    f.list->SetCurrentDir(dir / "doomed");
    SetCurrentDirectoryA(dir.Path().c_str());  // the platform will not remove the current directory
    RemoveTree(dir / "doomed");
    ASSERT_FALSE(FileExists(JoinPath(dir / "doomed", "x.gif")));
    EXPECT_THROW(f.list->SetMask("*.gif"), EInOutError);
    EXPECT_EQ(Lines(f.list->Items()), (Names{"x.gif"}));
    EXPECT_EQ(f.list->Mask(), "*.gif");
    // ...but the list can still be moved away from it.
    f.list->SetCurrentDir(dir.Path());
    EXPECT_EQ(Lines(f.list->Items()), (Names{"kept.gif"}));
}

TEST(FileList, TheSelectionGoesToTheLinkedEditAndOnChange) {
    TempDir dir;
    for (const char* name : {"a.gif", "b.gif"}) Touch(dir / name);
    FileListFixture f(dir.Path());
    auto* edit = new TEdit(&f.form);
    edit->SetParent(&f.form);
    edit->SetBounds(220, 8, 150, 21);
    edit->SetText("typed");
    f.list->SetFileEdit(edit);  // linking shows the mask while nothing is selected
    EXPECT_EQ(edit->Text(), "*.gif;*.jpg");
    int changes = 0;
    f.list->OnChange = [&](TObject*) { ++changes; };
    ClickLine(*f.list, 1);
    EXPECT_EQ(edit->Text(), "b.gif");
    EXPECT_EQ(f.list->SelectedPath(), dir / "b.gif");
    ClickLine(*f.list, 1);  // the same line again tells nobody
    EXPECT_EQ(changes, 1);
    // An edit linked while an entry is selected shows that entry at once.
    auto* other = new TEdit(&f.form);
    other->SetParent(&f.form);
    f.list->SetFileEdit(other);
    EXPECT_EQ(other->Text(), "b.gif");
    f.list->SetFileEdit(edit);
    EXPECT_EQ(edit->Text(), "b.gif");
    delete edit;  // the list forgets it
    EXPECT_EQ(f.list->FileEdit(), nullptr);
    ClickLine(*f.list, 0);
    EXPECT_EQ(changes, 2);
}

TEST(FileList, TypedPathsMoveTheListAndSelectOrMask) {
    TempDir dir;
    MakeDirectory(dir / "pics");
    for (const char* name : {"a.gif", "b.jpg", "notes.txt"}) Touch(JoinPath(dir / "pics", name));
    FileListFixture f(dir.Path());
    f.list->SetSelectedPath(JoinPath(dir / "pics", "b.jpg"));
    EXPECT_EQ(f.list->CurrentDir(), dir / "pics");
    EXPECT_EQ(f.list->FileName(), "b.jpg");
    f.list->SetSelectedPath(JoinPath(dir / "pics", "notes.txt"));  // not listed under the mask: becomes the mask
    EXPECT_EQ(f.list->Mask(), "notes.txt");
    EXPECT_EQ(Lines(f.list->Items()), (Names{"notes.txt"}));
    EXPECT_EQ(f.list->FileName(), "notes.txt");
    f.list->SetSelectedPath(dir / "*.jpg");
    EXPECT_EQ(f.list->CurrentDir(), dir.Path());
    EXPECT_EQ(f.list->Mask(), "*.jpg");
    try {
        f.list->SetSelectedPath(JoinPath(dir / "pics", "nothing.gif"));
        ADD_FAILURE() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(), "File not found");
    }
    EXPECT_EQ(f.list->CurrentDir(), dir.Path());
    EXPECT_EQ(GetCurrentDir(), dir.Path());
}
