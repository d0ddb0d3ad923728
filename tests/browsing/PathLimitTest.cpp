// Directories at the platform's path limit: Wine enters one of 260 to 262 characters but cannot
// report it back. Opening its line fails as a path too long does, and nothing moves.
#include <windows.h>

#include <gtest/gtest.h>

#include "BrowsingTestSupport.h"
#include "DialogDriver.h"
#include "Exceptions.h"
#include "Paths.h"
#include "UnixShell.h"

using Names = std::vector<std::string>;

TEST(PathLimit, OpeningALineBeyondTheLimitFailsAndNothingMoves) {
    for (size_t length : {259u, 260u, 263u}) {
        TempDir base;
        DeepDir deep(base.Path(), length);
        ASSERT_EQ(deep.Path().size(), length);
        ASSERT_TRUE(deep.Touch("deep.gif"));
        Touch(JoinPath(deep.Parent(), "above.gif"));
        LinkedLists l(deep.Parent());
        const int line = l.dirs->Items().IndexOf(deep.Name());
        ASSERT_GE(line, 0) << length;
        const Names before = Lines(l.dirs->Items());

        if (length == 259) {
            DoubleClickLine(*l.dirs, line);
            EXPECT_EQ(l.dirs->CurrentDir(), deep.Path());
            EXPECT_EQ(Lines(l.files->Items()), Names{"deep.gif"});
            EXPECT_EQ(GetCurrentDir(), deep.Path());
            continue;
        }
        DialogSeen seen;
        DialogDriver driver;
        driver.Record(seen, "OK");
        DoubleClickLine(*l.dirs, line);
        EXPECT_EQ(seen.Text, "I/O error 206.") << length;
        EXPECT_EQ(l.dirs->CurrentDir(), deep.Parent()) << length;
        EXPECT_EQ(Lines(l.dirs->Items()), before) << length;
        EXPECT_EQ(l.files->CurrentDir(), deep.Parent()) << length;
        EXPECT_EQ(Lines(l.files->Items()), Names{"above.gif"}) << length;
        EXPECT_EQ(GetCurrentDir(), deep.Parent()) << length;

        // Typed, the same path fails the same way.
        try {
            l.dirs->SetCurrentDir(deep.Path());
            ADD_FAILURE() << "no error at " << length;
        } catch (const EInOutError& e) {
            EXPECT_EQ(e.ErrorCode, 206) << length;
        }
        EXPECT_EQ(l.dirs->CurrentDir(), deep.Parent()) << length;
        EXPECT_EQ(GetCurrentDir(), deep.Parent()) << length;
    }
}
