// The directory that the lists show is removed by another program: every line still opens on the
// first try, and after any failure the lists and the process's current directory agree.
#include <windows.h>

#include <gtest/gtest.h>

#include "BrowsingTestSupport.h"
#include "Exceptions.h"
#include "NewChild.h"
#include "Paths.h"
#include "UnixShell.h"

namespace {

// Removes a directory tree the way another program does. This process cannot: the platform will
// not remove a process's own current directory, so the removal runs outside it.
void RemoveFromOutside(const std::string& path) {
    const std::string unixPath = UnixPath(path);
    ASSERT_FALSE(unixPath.empty());
    ASSERT_EQ(RunOutsideWine("rm -rf '" + unixPath + "'", 30000), 0);
    ASSERT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << path << " is still there";
}

// The linked lists of the main window, showing `shown`.
struct ShownLists : LinkedLists {
    explicit ShownLists(const std::string& shown) : LinkedLists(shown) {}
    void ExpectAgreement(const char* after) const {
        EXPECT_EQ(GetCurrentDir(), dirs->CurrentDir()) << after;
        EXPECT_EQ(files->CurrentDir(), dirs->CurrentDir()) << after;
    }
    void Open(int line) {
        dirs->SetItemIndex(line);
        dirs->OpenSelectedLine();
    }
};

// The scene: `top` holds a.gif and the folder shown, which holds a folder inside; the lists show
// the folder, and then it is removed.
struct RemovedScene {
    TempDir top;
    std::string shown = top / "shown";
    RemovedScene() {
        Touch(top / "a.gif");
        MakeDirectory(shown);
        MakeDirectory(JoinPath(shown, "inner"));
        Touch(JoinPath(shown, "x.gif"));
    }
};

}  // namespace

TEST(RemovedDirectory, EveryLineAboveOpensOnTheFirstTry) {
    RemovedScene scene;
    ShownLists probe(scene.shown);
    const int current = probe.dirs->ItemIndex();
    ASSERT_GE(current, 2);
    for (int line = 0; line < current; ++line) {
        if (GetFileAttributesA(scene.shown.c_str()) == INVALID_FILE_ATTRIBUTES) MakeDirectory(scene.shown);
        ShownLists l(scene.shown);
        RemoveFromOutside(scene.shown);
        const std::string target = l.dirs->LinePath(line);
        EXPECT_NO_THROW(l.Open(line)) << "line " << line;
        EXPECT_EQ(l.dirs->CurrentDir(), target) << "line " << line;
        l.ExpectAgreement("opening a line above");
    }
    // The parent of the removed directory: its files are shown.
    MakeDirectory(scene.shown);
    ShownLists l(scene.shown);
    RemoveFromOutside(scene.shown);
    l.Open(current - 1);
    EXPECT_EQ(l.dirs->CurrentDir(), scene.top.Path());
    EXPECT_EQ(Lines(l.files->Items()), (std::vector<std::string>{"a.gif"}));
    l.ExpectAgreement("opening the parent");
}

TEST(RemovedDirectory, AfterEveryFailureTheListsAndTheProcessAgree) {
    RemovedScene scene;
    ShownLists l(scene.shown);
    RemoveFromOutside(scene.shown);

    // A folder of the removed directory: nothing can be entered, nothing moves.
    const int inner = l.dirs->Items().Count() - 1;
    ASSERT_EQ(l.dirs->Items().Get(inner), "inner");
    EXPECT_THROW(l.Open(inner), EInOutError);
    EXPECT_EQ(l.dirs->CurrentDir(), scene.shown);
    l.ExpectAgreement("opening a removed folder");

    // A typed path whose directory exists but whose last element does not: the split got as far
    // as that directory, and the lists go there with the process.
    EXPECT_THROW(l.files->SetSelectedPath(scene.top / "missing"), EInOutError);
    EXPECT_EQ(l.dirs->CurrentDir(), scene.top.Path());
    EXPECT_EQ(Lines(l.files->Items()), (std::vector<std::string>{"a.gif"}));
    l.ExpectAgreement("a typed path that does not exist");

    // The same with a typed directory on the directory list.
    MakeDirectory(scene.shown);
    l.dirs->SetCurrentDir(scene.shown);
    RemoveFromOutside(scene.shown);
    EXPECT_THROW(l.dirs->SetCurrentDir(scene.top / "missing"), EInOutError);
    EXPECT_EQ(l.dirs->CurrentDir(), scene.top.Path());
    l.ExpectAgreement("a typed directory that does not exist");

    // A file list on its own follows the process too.
    MakeDirectory(scene.shown);
    HostForm form;
    auto* alone = NewChild<TFileListBox>(form);
    alone->SetCurrentDir(scene.shown);
    form.Show();
    RemoveFromOutside(scene.shown);
    EXPECT_THROW(alone->SetSelectedPath(scene.top / "missing"), EInOutError);
    EXPECT_EQ(alone->CurrentDir(), scene.top.Path());
    EXPECT_EQ(GetCurrentDir(), alone->CurrentDir());
}

TEST(RemovedDirectory, WhileTheShownDirectoryExistsAFailureMovesNothing) {
    RemovedScene scene;
    ShownLists l(scene.shown);
    SetCurrentDirectoryA(scene.top.Path().c_str());  // another part of the program moved the process
    EXPECT_THROW(l.files->SetSelectedPath(JoinPath(scene.shown, "missing")), EInOutError);
    EXPECT_THROW(l.dirs->SetCurrentDir(JoinPath(scene.shown, "missing")), EInOutError);
    EXPECT_EQ(l.dirs->CurrentDir(), scene.shown);
    EXPECT_EQ(l.files->CurrentDir(), scene.shown);
    EXPECT_EQ(GetCurrentDir(), scene.top.Path());
}
