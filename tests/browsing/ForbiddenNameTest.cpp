// Linux names that Windows could not hold, as Wine hands them on: neither list may show them,
// since such a name opens something else (a device: con, nul.gif), matches as a wildcard, breaks a
// page line or runs script.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "BrowsingTestSupport.h"
#include "Paths.h"
#include "UnixShell.h"

using Names = std::vector<std::string>;

namespace {

// One of each kind that Windows refuses, beside names it holds that look odd.
const Names kForbiddenFiles = {"javascript:parent.pwned=1;.5.gif", "a?b.gif", "back\\slash.gif", "colon:x.gif",
                               "star*.jpg", "quote\"x.gif", "lt<x.gif", "gt>x.jpg", "pipe|x.gif", "tab\tx.gif",
                               "cr\rx.gif", "lf\nx.jpg", "bell\x07.gif", "x.gif.", "x.gif ", std::string("\x1F") + ".gif",
                               "con.gif", "NUL.jpg", "Com1.gif", "lpt9.tar.gif", "aux", "CONIN$.gif"};
const Names kHeldFiles = {" lead.gif", "x&amp;y.jpg", "[a];b,c=d+e.gif", "plain.gif", "a.b.c.gif", "com10.gif"};

// The scene's directory and everything in it go from outside Wine: this process cannot reach the
// forbidden names to remove them.
struct NameScene {
    TempDir dir;
    ~NameScene() { RemoveOutsideWine(dir / "sub"); }
    std::string Sub() const { return dir / "sub"; }
    NameScene() {
        MakeDirectory(Sub());
        EXPECT_TRUE(MakeOutsideWine(Sub(), kForbiddenFiles, {"trail.", "trail ", "wild*", "q?", "c:d", "t\tx", "con", "Lpt1.gif"}));
        for (const std::string& name : kHeldFiles) Touch(JoinPath(Sub(), name));
        MakeDirectory(JoinPath(Sub(), "trail"));
        MakeDirectory(JoinPath(Sub(), "ok"));
        MakeDirectory(JoinPath(Sub(), "console"));
    }
};

// The lines as a set: the order is the locale's, tested elsewhere.
Names Sorted(Names lines) {
    std::sort(lines.begin(), lines.end());
    return lines;
}

const Names kHeldSorted = Sorted(kHeldFiles);

}  // namespace

TEST(ForbiddenNames, TheFileListShowsOnlyNamesWindowsCouldHold) {
    NameScene scene;
    HostForm form;
    auto* list = new TFileListBox(&form);
    list->SetMask("*");
    list->SetCurrentDir(scene.Sub());
    list->SetParent(&form);
    list->SetBounds(8, 8, 200, 300);
    form.Show();
    EXPECT_EQ(Sorted(Lines(list->Items())), kHeldSorted);
    for (const std::string& name : Lines(list->Items()))
        EXPECT_NE(GetFileAttributesA(JoinPath(scene.Sub(), name).c_str()), INVALID_FILE_ATTRIBUTES) << name;
    list->SetMask("*.gif;*.jpg");
    EXPECT_EQ(Sorted(Lines(list->Items())), kHeldSorted);

    // Folders as entries: "." and ".." stay, as the file list has always shown them.
    list->SetFileType({ftDirectory});
    list->SetMask("*");
    EXPECT_EQ(Sorted(Lines(list->Items())), (Names{"[..]", "[.]", "[console]", "[ok]", "[trail]"}));
}

TEST(ForbiddenNames, TheDirectoryListShowsOnlyFoldersWindowsCouldHoldAndEachOpensItself) {
    NameScene scene;
    LinkedLists l(scene.Sub());
    const Names lines = Lines(l.dirs->Items());
    ASSERT_GE(l.dirs->ItemIndex(), 0);
    EXPECT_EQ(Names(lines.begin() + l.dirs->ItemIndex() + 1, lines.end()), (Names{"console", "ok", "trail"}));
    for (const char* folder : {"console", "ok", "trail"}) {
        const int line = l.dirs->Items().IndexOf(folder);
        ASSERT_GE(line, 0) << folder;
        l.dirs->SetItemIndex(line);
        l.dirs->OpenSelectedLine();
        EXPECT_EQ(l.dirs->CurrentDir(), JoinPath(scene.Sub(), folder));
        EXPECT_EQ(l.files->CurrentDir(), l.dirs->CurrentDir());
        l.dirs->SetCurrentDir(scene.Sub());
    }
    EXPECT_EQ(Sorted(Lines(l.files->Items())), kHeldSorted);
}
