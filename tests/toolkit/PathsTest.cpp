#include <gtest/gtest.h>

#include "Exceptions.h"
#include "Paths.h"
#include "TestFiles.h"
#include "UnixShell.h"

TEST(Paths, PartsUseOnlyBackslashAndColon) {
    struct Parts {
        std::string path, folder, name, extension;
    };
    const Parts cases[] = {
        {"C:\\site\\paper.gif", "C:\\site\\", "paper.gif", ".gif"},
        {"C:paper.gif", "C:", "paper.gif", ".gif"},
        {"img/paper.gif", "", "img/paper.gif", ".gif"},
        {"D:\\", "D:\\", "", ""},
        {"C:", "C:", "", ""},
        {"h.tar.gif", "", "h.tar.gif", ".gif"},
        {"jpg", "", "jpg", ""},
        {"C:\\a.b\\name", "C:\\a.b\\", "name", ""},
        {"a.b/name", "", "a.b/name", ".b/name"},
        {"name.", "", "name.", "."},
    };
    for (const Parts& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(ExtractFilePath(c.path), c.folder);
        EXPECT_EQ(ExtractFileName(c.path), c.name);
        EXPECT_EQ(ExtractFileExt(c.path), c.extension);
    }
    EXPECT_EQ(ExtractFileName(std::string(300, 'x')).size(), 255u);
}

TEST(Paths, DeviceNamesInAnyCaseAndWithAnyExtension) {
    const struct {
        const char* Name;
        bool Device;
    } cases[] = {{"con", true},         {"PRN", true},        {"Aux.gif", true},     {"nul.tar.gz", true},
                 {"com1.html", true},   {"COM9", true},       {"lpt1", true},        {"Lpt9.JPG", true},
                 {"conin$.x", true},    {"CONOUT$", true},    {"nul .txt", true},    {"con.", true},
                 {"com0", false},       {"lpt10.gif", false}, {"com", false},        {"console.gif", false},
                 {"xnul.gif", false},   {"nul_.gif", false},  {".con", false},       {"conin.gif", false},
                 {" con.gif", false},   {"", false},          {"lpt", false}};
    for (const auto& c : cases) EXPECT_EQ(IsDeviceName(c.Name), c.Device) << c.Name;
}

TEST(Paths, UpperCasingTouchesOnlyAtoZ) {
    EXPECT_EQ(UpperCaseAZ("a.Jpg"), "A.JPG");
    EXPECT_EQ(UpperCaseAZ("\xe9t\xe9.gif"), "\xe9T\xe9.GIF");
}

TEST(Paths, JoinAddsOneBackslash) {
    EXPECT_EQ(JoinPath("C:\\", "a"), "C:\\a");
    EXPECT_EQ(JoinPath("C:\\PICS", "a"), "C:\\PICS\\a");
}

TEST(Paths, ChangeDirFollowsAndReportsThePlatform) {
    TempDir dir;
    const std::string start = GetCurrentDir();
    ChangeDir(dir.Path());
    EXPECT_EQ(GetCurrentDir(), dir.Path());
    try {
        ChangeDir(dir / "missing");
        FAIL() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_TRUE(e.ErrorCode == 2 || e.ErrorCode == 3) << e.ErrorCode;
    }
    EXPECT_EQ(GetCurrentDir(), dir.Path());
    ChangeDir(start);
}

TEST(Paths, ErrorMessagesByCode) {
    EXPECT_EQ(InOutErrorMessage(2), "File not found");
    EXPECT_EQ(InOutErrorMessage(3), "Invalid filename");
    EXPECT_EQ(InOutErrorMessage(4), "Too many open files");
    EXPECT_EQ(InOutErrorMessage(5), "File access denied");
    EXPECT_EQ(InOutErrorMessage(21), "I/O error 21");
}

TEST(Paths, DriveOnlyPathGoesBackToTheDirectoryLastUsedThere) {
    TempDir dir;
    const std::string start = GetCurrentDir();
    ChangeDir(dir.Path());
    ChangeDir(start);  // on the same drive: the drive's directory is now `start`
    ChangeDir(dir.Path());
    ChangeDir(std::string(1, dir.Path()[0]) + ":");
    EXPECT_EQ(GetCurrentDir(), dir.Path());
    ChangeDir(start);
}

// Wine enters a directory of up to 262 characters but cannot report one of 260 or more: such a
// change fails as one to a path too long, and the process stays where it was.
TEST(Paths, ADirectoryThePlatformCannotReportBackIsNotEntered) {
    const std::string start = GetCurrentDir();
    TempDir dir;
    {
        DeepDir fits(dir.Path(), 259);
        ASSERT_EQ(fits.Path().size(), 259u);
        ChangeDir(fits.Path());
        EXPECT_EQ(GetCurrentDir(), fits.Path());
        ChangeDir(dir.Path());
    }
    for (size_t length : {260u, 262u, 263u}) {
        TempDir base;
        DeepDir deep(base.Path(), length);
        ASSERT_EQ(deep.Path().size(), length);
        ChangeDir(dir.Path());
        try {
            ChangeDir(deep.Path());
            ADD_FAILURE() << "no error at " << length;
        } catch (const EInOutError& e) {
            EXPECT_EQ(e.ErrorCode, 206) << length;
            EXPECT_EQ(e.Message(), "I/O error 206") << length;
        }
        EXPECT_EQ(GetCurrentDir(), dir.Path()) << length;
    }
    ChangeDir(start);
}
