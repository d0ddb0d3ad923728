#include <windows.h>

#include <gtest/gtest.h>

#include "BrowsingTestSupport.h"
#include "DialogDriver.h"
#include "Exceptions.h"
#include "LocaleText.h"
#include "Paths.h"

using Names = std::vector<std::string>;

namespace {

// The three lists, and the drive list's entry of a drive.
struct ThreeLists : LinkedLists {
    explicit ThreeLists(const std::string& start) : LinkedLists(start) {}
    int EntryOf(char letter) const {
        for (int i = 0; i < drives->Items().Count(); ++i)
            if (AnsiUpperChar(drives->Items().Get(i)[0]) == AnsiUpperChar(letter)) return i;
        return -1;
    }
};

std::string Root(char letter) { return std::string(1, letter) + ":\\"; }

}  // namespace

TEST(DriveList, ListsEveryDriveWithTheGlyphAndTextOfItsKind) {
    TempDir dir;
    ThreeLists l(dir.Path());
    auto entry = [&](char letter) { return l.EntryOf(letter) < 0 ? std::string("(none)") : l.drives->Items().Get(l.EntryOf(letter)); };
    auto glyph = [&](char letter) { return l.drives->Items().GetObject(l.EntryOf(letter)); };
    EXPECT_EQ(entry(kRemovableDrive), "m:");
    EXPECT_EQ(entry(kPhotosDrive), "n: [photos]");
    EXPECT_EQ(entry(kNetworkDrive), "p: [share]");  // no network name here: the label stands in
    EXPECT_EQ(entry(kNotReadyDrive), "q: []");
    EXPECT_EQ(entry(kNoRootDrive), "(none)");
    EXPECT_EQ(entry('c').substr(0, 4), "c: [");
    EXPECT_EQ(glyph(kRemovableDrive), &l.drives->FloppyGlyph());
    EXPECT_EQ(glyph(kPhotosDrive), &l.drives->CdromGlyph());
    EXPECT_EQ(glyph(kNetworkDrive), &l.drives->NetworkGlyph());
    EXPECT_EQ(glyph(kNotReadyDrive), &l.drives->CdromGlyph());
    EXPECT_EQ(glyph(kRamDrive), &l.drives->RamGlyph());
    EXPECT_EQ(glyph('c'), &l.drives->FixedGlyph());
    // Drive-letter order, and the current drive selected.
    for (int i = 1; i < l.drives->Items().Count(); ++i)
        EXPECT_LT(l.drives->Items().Get(i - 1)[0], l.drives->Items().Get(i)[0]);
    EXPECT_EQ(l.drives->ItemIndex(), l.EntryOf(dir.Path()[0]));
    EXPECT_EQ(l.drives->DriveLetter(), AnsiLowerChar(dir.Path()[0]));

    // Upper case: letters and labels; writing the same case again still rebuilds and tells.
    int changes = 0;
    l.drives->OnChange = [&](TObject*) { ++changes; };
    l.drives->SetTextCase(TTextCase::tcUpperCase);
    EXPECT_EQ(entry(kPhotosDrive), "N: [PHOTOS]");
    EXPECT_EQ(entry(kRemovableDrive), "M:");
    EXPECT_EQ(l.drives->DriveLetter(), AnsiUpperChar(dir.Path()[0]));
    EXPECT_EQ(changes, 1);
    l.drives->SetTextCase(TTextCase::tcUpperCase);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(l.drives->ItemIndex(), l.EntryOf(dir.Path()[0]));
}

TEST(DriveList, ChoosingADriveMovesAllThreeListsAndTheProcess) {
    TempDir dir;
    Touch(dir / "here.gif");
    ThreeLists l(dir.Path());
    int changes = 0;
    l.drives->OnChange = [&](TObject*) { ++changes; };
    ChooseEntry(*l.drives, l.EntryOf(dir.Path()[0]));  // the drive it is on: nothing happens
    EXPECT_EQ(changes, 0);

    ChangeDir(Root(kPhotosDrive));  // the drive's own current directory is its root
    ChangeDir(dir.Path());
    ChooseEntry(*l.drives, l.EntryOf(kPhotosDrive));
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(AnsiSameText(l.dirs->CurrentDir(), Root(kPhotosDrive))) << l.dirs->CurrentDir();
    EXPECT_EQ(Lines(l.dirs->Items()).back(), "Album");
    DoubleClickLine(*l.dirs, l.dirs->Items().IndexOf("Album"));
    EXPECT_TRUE(AnsiSameText(GetCurrentDir(), Root(kPhotosDrive) + "Album"));
    EXPECT_EQ(Lines(l.files->Items()), (Names{"beach.jpg", "harbour.gif"}));

    // Back to the first drive: to the directory last used there, through the drive list.
    ChooseEntry(*l.drives, l.EntryOf(dir.Path()[0]));
    EXPECT_EQ(l.dirs->CurrentDir(), dir.Path());
    EXPECT_EQ(Lines(l.files->Items()), (Names{"here.gif"}));
    EXPECT_EQ(GetCurrentDir(), dir.Path());
    // A typed path on another drive switches the drive list too.
    l.dirs->SetCurrentDir(Root(kPhotosDrive) + "Album");
    EXPECT_EQ(l.drives->ItemIndex(), l.EntryOf(kPhotosDrive));
    EXPECT_EQ(l.drives->DriveLetter(), kPhotosDrive);
    EXPECT_EQ(Lines(l.files->Items()), (Names{"beach.jpg", "harbour.gif"}));
}

TEST(DriveList, ADriveThatIsNotReadyShowsTheErrorAndTheListGoesBackToWhereTheDirectoriesAre) {
    TempDir dir;
    Touch(dir / "here.gif");
    ThreeLists l(dir.Path());
    int changes = 0;
    l.drives->OnChange = [&](TObject*) { ++changes; };
    const int home = l.drives->ItemIndex();
    l.drives->SetFocus();
    for (int attempt = 0; attempt < 2; ++attempt) {  // choosing it again tries again
        DialogSeen seen;
        DialogDriver driver;
        driver.Record(seen, "OK");
        ChooseEntry(*l.drives, l.EntryOf(kNotReadyDrive));
        EXPECT_TRUE(seen.Shown);
        EXPECT_EQ(seen.Caption, "Tessellor");
        EXPECT_EQ(seen.Text, "Invalid filename.");  // the platform reports error 3 for it
        EXPECT_EQ(seen.Icon, "stop");
        // While the user is still choosing, the failed entry stays selected; nothing else moved.
        EXPECT_EQ(l.drives->ItemIndex(), l.EntryOf(kNotReadyDrive));
        EXPECT_EQ(l.drives->DriveLetter(), AnsiLowerChar(dir.Path()[0]));
        EXPECT_EQ(l.dirs->CurrentDir(), dir.Path());
        EXPECT_EQ(Lines(l.files->Items()), (Names{"here.gif"}));
        EXPECT_EQ(GetCurrentDir(), dir.Path());
    }
    // The choice ends when the focus goes to another control: the list shows the drive the
    // directories are on.
    l.drives->SetFocus();
    l.dirs->SetFocus();
    EXPECT_EQ(l.drives->ItemIndex(), home);
    EXPECT_EQ(changes, 0);
    // A typed path on that drive fails the same way, as an exception, and the list goes back at once.
    EXPECT_THROW(l.dirs->SetCurrentDir(Root(kNotReadyDrive)), EInOutError);
    EXPECT_EQ(l.drives->ItemIndex(), home);
    // Another drive still works.
    ChooseEntry(*l.drives, l.EntryOf(kRamDrive));
    EXPECT_EQ(AnsiUpperChar(l.dirs->DriveLetter()), AnsiUpperChar(kRamDrive));
    EXPECT_EQ(changes, 1);
}

TEST(DriveList, TheArrowKeysStepPastADriveThatIsNotReady) {
    TempDir dir;
    ThreeLists l(dir.Path());
    ChooseEntry(*l.drives, l.EntryOf(kNetworkDrive));  // the drive just before the one that is not ready
    ASSERT_EQ(l.drives->ItemIndex() + 1, l.EntryOf(kNotReadyDrive));
    ASSERT_EQ(l.EntryOf(kNotReadyDrive) + 1, l.EntryOf(kRamDrive));
    int changes = 0;
    l.drives->OnChange = [&](TObject*) { ++changes; };
    l.drives->SetFocus();
    // A key pressed on the closed drop-down, as the keyboard delivers it; when it fails, the error
    // box is answered and the focus goes back to the list, where the user goes on.
    auto press = [&](UINT key, bool fails) {
        DialogSeen seen;
        DialogDriver driver;
        if (fails) driver.Record(seen, "OK");
        PostMessageA(l.drives->Handle(), WM_KEYDOWN, key, 1);
        PumpUntilQuiet();
        if (fails) {
            EXPECT_TRUE(PumpUntil([&] { return driver.Answered() == 1; }));
        }
        EXPECT_EQ(seen.Shown, fails) << seen.Text;
        EXPECT_FALSE(l.drives->DroppedDown());
        l.drives->SetFocus();
    };
    auto shown = [&] { return l.drives->Items().Get(l.drives->ItemIndex()).substr(0, 2); };

    press(VK_DOWN, true);
    EXPECT_EQ(shown(), "q:");
    EXPECT_EQ(l.dirs->DriveLetter(), kNetworkDrive);
    press(VK_DOWN, false);  // on past it
    EXPECT_EQ(shown(), "r:");
    EXPECT_EQ(l.dirs->DriveLetter(), kRamDrive);
    EXPECT_EQ(AnsiLowerChar(GetCurrentDir()[0]), kRamDrive);
    EXPECT_EQ(l.drives->DriveLetter(), kRamDrive);
    EXPECT_EQ(changes, 1);
    press(VK_UP, true);  // and back over it
    press(VK_UP, false);
    EXPECT_EQ(shown(), "p:");
    EXPECT_EQ(l.dirs->DriveLetter(), kNetworkDrive);
    EXPECT_EQ(changes, 2);

    // Leaving the list on the failed entry ends the choice: it shows where the directories are.
    press(VK_DOWN, true);
    l.dirs->SetFocus();
    EXPECT_EQ(shown(), "p:");
    // So does closing the drop-down.
    press(VK_DOWN, true);
    EXPECT_EQ(shown(), "q:");
    SendMessageA(l.drives->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_TRUE(l.drives->DroppedDown());
    PostMessageA(l.drives->Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
    PumpUntilQuiet();
    EXPECT_FALSE(l.drives->DroppedDown());
    EXPECT_EQ(shown(), "p:");
    EXPECT_EQ(l.drives->DriveLetter(), kNetworkDrive);
    EXPECT_EQ(changes, 2);
}

TEST(DriveList, LinksAreForgottenWhenTheirTargetGoes) {
    TempDir dir;
    ThreeLists l(dir.Path());
    EXPECT_EQ(l.dirs->DriveListLink(), l.drives);
    EXPECT_EQ(l.files->DirListLink(), l.dirs);
    delete l.dirs;
    EXPECT_EQ(l.drives->DirList(), nullptr);
    EXPECT_EQ(l.files->DirListLink(), nullptr);
    ChooseEntry(*l.drives, l.EntryOf(kRamDrive));  // nothing to move any more
    EXPECT_EQ(l.drives->DriveLetter(), kRamDrive);
    EXPECT_EQ(GetCurrentDir(), dir.Path());
}
