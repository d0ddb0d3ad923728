#include <windows.h>

#include <gtest/gtest.h>

#include "BrowsingTestSupport.h"
#include "DialogDriver.h"
#include "Exceptions.h"
#include "LocaleText.h"
#include "Paths.h"

using Names = std::vector<std::string>;

namespace {

// The path lines of a directory: its drive's root, then every folder down to it.
Names PathLines(const std::string& dir) {
    Names lines{dir.substr(0, 3)};
    size_t start = 3;
    while (start < dir.size()) {
        size_t end = dir.find('\\', start);
        if (end == std::string::npos) end = dir.size();
        lines.push_back(dir.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

}  // namespace

TEST(DirectoryList, ShowsThePathDownToTheCurrentDirectoryThenItsSubdirectoriesSorted) {
    TempDir dir;
    for (const char* name : {"zeta", "Alpha", "beta", ".hidden", "old.gif"}) MakeDirectory(dir / name);
    Touch(dir / "file.gif");
    LinkedLists l(dir.Path());
    Names expected = PathLines(dir.Path());
    const int current = static_cast<int>(expected.size()) - 1;
    for (const char* name : {"Alpha", "beta", "old.gif", "zeta"}) expected.push_back(name);
    EXPECT_EQ(Lines(l.dirs->Items()), expected);
    EXPECT_EQ(l.dirs->ItemIndex(), current);
    EXPECT_EQ(l.dirs->CurrentDir(), dir.Path());
    for (int i = 0; i < l.dirs->Items().Count(); ++i) {
        const TObject* glyph = l.dirs->Items().GetObject(i);
        const TBitmap& want = i < current ? l.dirs->FolderOpenGlyph()
                              : i == current ? l.dirs->FolderCurrentGlyph()
                                             : l.dirs->FolderClosedGlyph();
        EXPECT_EQ(glyph, &want) << "line " << i;
    }
    // Every line knows its directory.
    EXPECT_EQ(l.dirs->LinePath(0), dir.Path().substr(0, 3));
    EXPECT_EQ(l.dirs->LinePath(1), dir.Path().substr(0, dir.Path().find('\\', 3)));
    EXPECT_EQ(l.dirs->LinePath(current), dir.Path());
    EXPECT_EQ(l.dirs->LinePath(current + 1), dir / "Alpha");
    EXPECT_EQ(l.dirs->LinePath(l.dirs->Items().Count()), "");
    EXPECT_EQ(l.dirs->ItemHeight(), 16);
}

TEST(DirectoryList, ARootHasOneLineAndFoldersDifferingOnlyInCaseShowOnce) {
    LinkedLists l(std::string(1, kRamDrive) + ":\\");
    ASSERT_GE(l.dirs->Items().Count(), 1);
    EXPECT_TRUE(AnsiSameText(l.dirs->Items().Get(0), std::string(1, kRamDrive) + ":\\"));
    EXPECT_EQ(l.dirs->Items().GetObject(0), &l.dirs->FolderCurrentGlyph());
    EXPECT_EQ(l.dirs->ItemIndex(), 0);
    l.dirs->SetCurrentDir(std::string(1, kRamDrive) + ":\\case");
    const Names lines = Lines(l.dirs->Items());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_TRUE(AnsiSameText(lines[2], "photos"));
    EXPECT_TRUE(l.dirs->LinePath(0).size() == 3 && AnsiSameText(l.dirs->LinePath(0), lines[0]));
}

TEST(DirectoryList, OpeningALineMovesBothListsAndTheProcessWhileAClickOnlySelects) {
    TempDir dir;
    MakeDirectory(dir / "pics");
    Touch(JoinPath(dir / "pics", "a.gif"));
    Touch(dir / "top.jpg");
    LinkedLists l(dir.Path());
    int changes = 0;
    l.dirs->OnChange = [&](TObject*) { ++changes; };
    EXPECT_EQ(Lines(l.files->Items()), (Names{"top.jpg"}));
    const int pics = l.dirs->Items().IndexOf("pics");
    ClickLine(*l.dirs, pics);
    EXPECT_EQ(l.dirs->CurrentDir(), dir.Path());
    EXPECT_EQ(changes, 0);
    DoubleClickLine(*l.dirs, pics);
    EXPECT_EQ(l.dirs->CurrentDir(), dir / "pics");
    EXPECT_EQ(l.files->CurrentDir(), dir / "pics");
    EXPECT_EQ(Lines(l.files->Items()), (Names{"a.gif"}));
    EXPECT_EQ(GetCurrentDir(), dir / "pics");
    EXPECT_EQ(changes, 1);
    // Enter opens the selected line: here the one above.
    const int up = l.dirs->ItemIndex() - 1;
    SendMessageA(l.dirs->Handle(), LB_SETCURSEL, static_cast<WPARAM>(up), 0);
    SendMessageA(l.dirs->Handle(), WM_CHAR, '\r', 1);
    EXPECT_EQ(l.dirs->CurrentDir(), dir.Path());
    EXPECT_EQ(Lines(l.files->Items()), (Names{"top.jpg"}));
    // The first line is always the drive's root.
    DoubleClickLine(*l.dirs, 0);
    EXPECT_EQ(l.dirs->CurrentDir(), dir.Path().substr(0, 3));
    EXPECT_EQ(l.files->CurrentDir(), dir.Path().substr(0, 3));
}

TEST(DirectoryList, TypedDirectoriesAndFilesMoveTheListAndTheSameTextDoesNothing) {
    TempDir dir;
    MakeDirectory(dir / "Photos");
    Touch(JoinPath(dir / "Photos", "x.gif"));
    LinkedLists l(dir.Path());
    int changes = 0;
    l.dirs->OnChange = [&](TObject*) { ++changes; };
    l.dirs->SetCurrentDir("");
    l.dirs->SetCurrentDir(AnsiUpperCase(dir.Path()));  // a volume that ignores case: the same place
    EXPECT_EQ(changes, 0);
    l.dirs->SetCurrentDir(JoinPath(dir / "Photos", "x.gif"));  // a file: its directory
    EXPECT_EQ(l.dirs->CurrentDir(), dir / "Photos");
    EXPECT_EQ(l.files->CurrentDir(), dir / "Photos");
    l.dirs->SetCurrentDir("..");
    EXPECT_EQ(l.dirs->CurrentDir(), dir.Path());
    EXPECT_EQ(changes, 2);
}

TEST(DirectoryList, ADirectoryThatDoesNotExistFailsInTheErrorBoxAndNothingMoves) {
    TempDir dir;
    MakeDirectory(dir / "here");
    LinkedLists l(dir / "here");
    const Names before = Lines(l.dirs->Items());
    try {
        l.dirs->SetCurrentDir(dir / "nowhere");
        ADD_FAILURE() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(), "File not found");
    }
    try {
        l.dirs->SetCurrentDir(JoinPath(dir / "nowhere", "deeper"));
        ADD_FAILURE() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(), InOutErrorMessage(e.ErrorCode));  // the platform's code chooses
    }
    EXPECT_EQ(Lines(l.dirs->Items()), before);
    EXPECT_EQ(GetCurrentDir(), dir / "here");

    // Opening a line whose directory has gone meanwhile: the error box, and the lists stay.
    MakeDirectory(JoinPath(dir / "here", "gone"));
    l.dirs->Rescan();
    const int gone = l.dirs->Items().IndexOf("gone");
    ASSERT_GE(gone, 0);
    RemoveTree(JoinPath(dir / "here", "gone"));
    DialogSeen seen;
    DialogDriver driver;
    driver.Record(seen, "OK");
    DoubleClickLine(*l.dirs, gone);
    EXPECT_EQ(seen.Text, "File not found.");
    EXPECT_EQ(seen.Caption, "Tessellor");
    EXPECT_EQ(seen.Icon, "stop");
    EXPECT_EQ(l.dirs->CurrentDir(), dir / "here");
    EXPECT_EQ(l.files->CurrentDir(), dir / "here");
}

TEST(DirectoryList, NamesWithBlanksLeadingDotsAndFullLengthAreEnteredWhole) {
    TempDir dir;
    const std::string blanks = "my photos  2024";
    const std::string dotted = ".config";  // hidden here: not listed, but it can be typed
    const std::string longest(255 - 0, 'n');
    for (const std::string& name : {blanks, dotted}) MakeDirectory(dir / name);
    const bool longMade = CreateDirectoryA((dir / longest.substr(0, 200)).c_str(), nullptr) != 0;
    LinkedLists l(dir.Path());
    EXPECT_GE(l.dirs->Items().IndexOf(blanks), 0);
    EXPECT_EQ(l.dirs->Items().IndexOf(dotted), -1);
    l.dirs->SetCurrentDir(dir / blanks);
    EXPECT_EQ(l.dirs->CurrentDir(), dir / blanks);
    EXPECT_EQ(l.dirs->Items().Get(l.dirs->ItemIndex()), blanks);
    l.dirs->SetCurrentDir(dir / dotted);
    EXPECT_EQ(l.dirs->CurrentDir(), dir / dotted);
    if (longMade) {
        l.dirs->SetCurrentDir(dir / longest.substr(0, 200));
        EXPECT_EQ(l.dirs->CurrentDir(), dir / longest.substr(0, 200));
    }
    // A name longer than any name can be: changing into it fails, it is not cut short.
    EXPECT_THROW(l.dirs->SetCurrentDir(dir / std::string(300, 'n')), EInOutError);
    EXPECT_EQ(l.dirs->CurrentDir(), dir / (longMade ? longest.substr(0, 200) : dotted));
}

TEST(DirectoryList, TheLabelShowsTheDirectoryShortenedToFit) {
    TempDir dir;
    LinkedLists l(dir.Path());
    auto* label = new TLabel(&l.form);
    label->SetParent(&l.form);
    label->AutoSize = false;
    label->SetBounds(8, 320, 2000, 13);
    l.dirs->SetDirLabel(label);
    EXPECT_EQ(label->Caption(), dir.Path());
    label->SetWidth(20);
    l.dirs->Rescan();
    l.dirs->SetCurrentDir(dir.Path().substr(0, 3));
    l.dirs->SetCurrentDir(dir.Path());
    EXPECT_EQ(label->Caption(), ExtractFileName(dir.Path()));
    delete label;
    EXPECT_EQ(l.dirs->DirLabel(), nullptr);
    delete l.files;
    EXPECT_EQ(l.dirs->FileList(), nullptr);
    l.dirs->SetCurrentDir(dir.Path().substr(0, 3));  // no file list to move any more
}

TEST(BrowsePaths, SplitTargetPathChecksThePathAndPutsTheProcessBack) {
    TempDir dir;
    MakeDirectory(dir / "pics");
    Touch(JoinPath(dir / "pics", "a.gif"));
    SetCurrentDirectoryA(dir.Path().c_str());
    const std::string tail = dir.Path().substr(2);  // without the drive
    const char drive = dir.Path()[0];

    TTargetPath p = SplitTargetPath(dir / "pics");
    EXPECT_EQ(p.Drive, drive);
    EXPECT_EQ(p.Dir, tail + "\\pics");
    EXPECT_EQ(p.File, "");
    p = SplitTargetPath(JoinPath(dir / "pics", "a.gif"));
    EXPECT_EQ(p.Dir, tail + "\\pics");
    EXPECT_EQ(p.File, "a.gif");
    p = SplitTargetPath(JoinPath(dir / "pics", "*.jpg"));
    EXPECT_EQ(p.File, "*.jpg");
    p = SplitTargetPath("[pics]");
    EXPECT_EQ(p.Dir, tail + "\\pics");
    p = SplitTargetPath("pics");
    EXPECT_EQ(p.Dir, tail + "\\pics");
    p = SplitTargetPath(std::string(1, kRamDrive) + ":\\case");
    EXPECT_EQ(p.Drive, kRamDrive);
    EXPECT_EQ(p.Dir, "\\case");
    // A drive alone: the directory last used on it.
    ChangeDir(std::string(1, kRamDrive) + ":\\case");
    ChangeDir(dir.Path());
    p = SplitTargetPath(std::string(1, kRamDrive) + ":");
    EXPECT_EQ(p.Dir, "\\case");
    ChangeDir(std::string(1, kRamDrive) + ":\\");
    ChangeDir(dir.Path());
    p = SplitTargetPath(std::string(1, kRamDrive) + ":");
    EXPECT_EQ(p.Dir, "\\");
    EXPECT_EQ(GetCurrentDir(), dir.Path());
    try {
        SplitTargetPath(dir / "missing");
        ADD_FAILURE() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.ErrorCode, 2);
    }
    EXPECT_EQ(GetCurrentDir(), dir.Path());
}

TEST(BrowsePaths, ShortenPathToWidthDropsFoldersThenTheDrive) {
    TCanvas canvas;
    const std::string path = "C:\\WIN\\SYS\\COLOR";
    auto fitting = [&](const std::string& text) { return canvas.TextWidth(text); };
    EXPECT_EQ(ShortenPathToWidth(path, canvas, fitting(path)), path);
    EXPECT_EQ(ShortenPathToWidth(path, canvas, fitting(path) - 1), "C:\\...\\SYS\\COLOR");
    EXPECT_EQ(ShortenPathToWidth(path, canvas, fitting("C:\\...\\COLOR")), "C:\\...\\COLOR");
    EXPECT_EQ(ShortenPathToWidth(path, canvas, fitting("C:\\...\\COLOR") - 1), "...\\COLOR");
    EXPECT_EQ(ShortenPathToWidth(path, canvas, fitting("...\\COLOR") - 1), "COLOR");
    EXPECT_EQ(ShortenPathToWidth(path, canvas, 1), "COLOR");
    EXPECT_EQ(ShortenPathToWidth("C:\\", canvas, 1), "");
}
