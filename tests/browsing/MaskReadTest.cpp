// A mask of several extensions is matched by the file list itself, from one read of the directory:
// it must give exactly the lines that the platform's search of each piece gives. A mask with an
// empty piece at its end still reads piece by piece, and adds nothing more. A folder opened in the
// directory list is read once for both lists: the file list's lines must be those of its own read.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "BrowsingTestSupport.h"
#include "Handles.h"
#include "MaskPieces.h"
#include "ScopeGuards.h"

using Names = std::vector<std::string>;

namespace {

void TouchWide(const std::string& dir, const wchar_t* name) {
    std::wstring path(dir.begin(), dir.end());  // the test directory's path is plain ASCII
    path += L"\\";
    path += name;
    ASSERT_TRUE(TFileHandle(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)));
}

}  // namespace

TEST(MaskRead, OneReadGivesTheLinesOfTheSearchPerPieceOnAwkwardNames) {
    TempDir dir;
    for (const char* name :
         {"a.gif", "B.GIF", "c.Gif", "d.gif.bak", "e.gifx", "photo.jpeg", "archive.jpgs", "f.jpg.gif", ".gif", "gif",
          "mgif", "k..jpg", "l.gi", "long name with spaces.jpg", "x.jpg;y.gif", "UPPER.JPG", "m.jp g", "n.jpg~",
          "o.gif2", "p.g1f", "q.jpe", "r.j", "s.gif.", "t.gif ", "r\xE9sum\xE9.jpg", "\xF1.GIF", "u.gi\xDF"})
        Touch(dir / name);
    Touch(dir / "hidden.gif", FILE_ATTRIBUTE_HIDDEN);
    Touch(dir / "locked.jpg", FILE_ATTRIBUTE_READONLY);
    Touch(dir / "system.gif", FILE_ATTRIBUTE_SYSTEM);
    Touch(dir / "both.jpg", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    Touch(dir / ".dotted.jpg");
    MakeDirectory(dir / "folder.gif");
    MakeDirectory(dir / "Folder.JPGX");
    TouchWide(dir.Path(), L"v.g\x0131" L"f");  // a dotless i, which upper case makes an I
    TouchWide(dir.Path(), L"w.\x017Fif");     // a long s
    TouchWide(dir.Path(), L"y.gi\x212A");      // the Kelvin sign

    AgeDirectory(dir.Path());

    HostForm form;
    auto* list = new TFileListBox(&form);
    list->SetCurrentDir(dir.Path());
    list->SetParent(&form);
    auto* dirs = new TDirectoryListBox(&form);
    dirs->SetCurrentDir(dir.Path());
    dirs->SetParent(&form);
    dirs->SetFileList(list);
    form.Show();
    const auto read = [&](const std::string& mask) {
        list->SetMask(mask);
        return Lines(list->Items());
    };
    const auto opened = [&] {
        dirs->SetCurrentDir("..");
        dirs->SetCurrentDir(dir.Path());
        return Lines(list->Items());
    };
    for (TFileType type : {TFileType{ftNormal}, TFileType{ftNormal, ftHidden}, TFileType{ftNormal, ftSystem},
                           TFileType{ftDirectory}, TFileType{ftReadOnly}, TFileType{ftHidden, ftSystem},
                           TFileType{ftNormal, ftReadOnly, ftHidden, ftSystem, ftDirectory, ftArchive}}) {
        list->SetFileType(type);
        for (const std::string mask : {"*.gif;*.jpg", "*.jpg;*.gif", "*.gif;*.GIF", "*.jpeg;*.jpe;*.jpg",
                                       "*.gi;*.jp;*.g1f", "*.gifx;*.jpgs;*.bak", "*.gif;*.jpgx;*.gif2"}) {
            ASSERT_TRUE(IsExtensionPattern(SplitMask(mask).front()));
            const Names once = read(mask);
            EXPECT_EQ(once, opened()) << mask << " with the file type " << int(type.Bits());
            EXPECT_EQ(once, read(mask + ";")) << mask << " with the file type " << int(type.Bits());
        }
    }
    // The first case read by itself: what the searches found.
    list->SetFileType({ftNormal});
    EXPECT_EQ(read("*.gif;*.jpg;"), read("*.gif;*.jpg"));
    EXPECT_GE(read("*.gif;*.jpg").size(), 10u);
}

TEST(MaskRead, AnOpenedFolderIsReadOnceForBothListsAndAChangeMeanwhileIsSeen) {
    TempDir dir;
    const std::string photos = dir / "photos";
    MakeDirectory(photos);
    for (int i = 0; i < 120; ++i) Touch(photos + "\\p" + std::to_string(100 + i) + ".gif");
    AgeDirectory(photos);
    LinkedLists l(dir.Path());
    const std::string parent = l.files->CurrentDir();
    std::string filesDirAtHourGlass;
    std::function<void()> meanwhile;
    Screen->OnCursorChange = [&](TCursor cursor) {
        if (cursor != crHourGlass) return;
        filesDirAtHourGlass = l.files->CurrentDir();
        if (meanwhile) std::exchange(meanwhile, nullptr)();
    };
    const TAtScopeExit unhook([] { Screen->OnCursorChange = nullptr; });
    // Outside a move the file list reads by itself.
    const auto ownRead = [&] {
        l.files->Rescan();
        return Lines(l.files->Items());
    };

    // The hourglass is up while the one read runs, before the file list has moved.
    l.dirs->SetCurrentDir(photos);
    EXPECT_EQ(filesDirAtHourGlass, parent);
    const Names shown = Lines(l.files->Items());
    EXPECT_EQ(shown.size(), 120u);
    EXPECT_EQ(shown, ownRead());

    // A file made and one removed while the folder is read: the file list reads it again.
    l.dirs->SetCurrentDir(parent);
    meanwhile = [&] {
        Touch(photos + "\\new.jpg");
        DeleteFileA((photos + "\\p100.gif").c_str());
    };
    l.dirs->SetCurrentDir(photos);
    const Names changed = Lines(l.files->Items());
    ASSERT_EQ(changed.size(), 120u);
    EXPECT_EQ(changed.front(), "new.jpg");
    EXPECT_EQ(changed[1], "p101.gif");
    EXPECT_EQ(changed, ownRead());
}

TEST(MaskRead, OnlyPlainExtensionsAreMatchedHere) {
    EXPECT_EQ(SplitMask(";*.jpg;;"), (Names{"", "*.jpg", "", ""}));
    EXPECT_EQ(SplitMask(""), (Names{""}));
    for (const char* piece : {"*.gif", "*.JPG", "*.g1f", "*.jpeg"}) EXPECT_TRUE(IsExtensionPattern(piece)) << piece;
    for (const char* piece : {"", "*", "*.", "*.*", "a*.gif", "*.gi?", "*.g*", "*.gif ", "*.gif.", "*.a.b", "?.gif",
                              "*.g<", "*.g\"", "*.\xE9", ".gif", "*gif"})
        EXPECT_FALSE(IsExtensionPattern(piece)) << piece;
    // Long or short name, letters in any case.
    EXPECT_TRUE(MatchesExtensionPattern("*.gif", L"a.GIF", L""));
    EXPECT_TRUE(MatchesExtensionPattern("*.gif", L"photo.gifx", L"PHOTO~1.GIF"));
    EXPECT_TRUE(MatchesExtensionPattern("*.gif", L".gif", L""));
    EXPECT_FALSE(MatchesExtensionPattern("*.gif", L"gif", L""));
    EXPECT_FALSE(MatchesExtensionPattern("*.gif", L"a.gif.bak", L"AGIF~1.BAK"));
    EXPECT_FALSE(MatchesExtensionPattern("*.gif", L"a.agif", L""));
}
