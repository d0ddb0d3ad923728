// The hourglass of a long read: it must be up while the directory is still being read, not only
// once every name is in.
#include <windows.h>

#include <gtest/gtest.h>

#include "BrowsingTestSupport.h"

namespace {

void TouchNumbered(const TempDir& dir, const char* prefix, int count) {
    char name[32];
    for (int i = 0; i < count; ++i) {
        snprintf(name, sizeof name, "%s%03d.gif", prefix, i);
        Touch(dir / name);
    }
}

}  // namespace

TEST(FileListHourGlass, IsUpWhileTheLaterPiecesOfTheMaskAreStillToBeRead) {
    TempDir dir;
    TouchNumbered(dir, "a", 100);
    TouchNumbered(dir, "b", 50);
    HostForm form;
    auto* list = new TFileListBox(&form);
    list->SetMask("a*");
    list->SetCurrentDir(dir.Path());
    list->SetParent(&form);
    list->SetBounds(8, 8, 200, 300);
    form.Show();

    // When the hourglass goes up, the files of the last piece are made: only a list that has not
    // read that piece yet can show them.
    std::vector<TCursor> changes;
    const auto watch = [&](TCursor cursor) {
        changes.push_back(cursor);
        if (cursor == crHourGlass) TouchNumbered(dir, "z", 3);
    };
    Screen->OnCursorChange = watch;
    struct Unhook {
        ~Unhook() { Screen->OnCursorChange = nullptr; }
    } unhook;
    list->SetMask("a*;b*;z*");  // the first b lands at position 100
    EXPECT_EQ(changes, (std::vector<TCursor>{crHourGlass, crDefault}));
    ASSERT_EQ(list->Items().Count(), 153);
    EXPECT_EQ(list->Items().Get(150), "z000.gif");
    EXPECT_EQ(list->Items().Get(152), "z002.gif");
    EXPECT_EQ(Screen->Cursor(), crDefault);

    // An unsorted list: the 101st entry read lands at position 100.
    Screen->OnCursorChange = nullptr;
    list->SetSorted(false);
    for (int i = 0; i < 3; ++i) DeleteFileA((dir / ("z00" + std::to_string(i) + ".gif")).c_str());
    changes.clear();
    Screen->OnCursorChange = watch;
    list->SetMask("b*;a*;z*");
    EXPECT_EQ(changes, (std::vector<TCursor>{crHourGlass, crDefault}));
    EXPECT_EQ(list->Items().Count(), 153);
}
