#include <gtest/gtest.h>

#include <string>

#include "AppDriver.h"
#include "TestFiles.h"
#include "UnixShell.h"

TEST(Startup, MainWindowComesAndClosesWithExitCodeZero) {
    TempDir programDir;
    TempDir images;
    AppDriver app(programDir.Path());
    app.Start(images.Path());
    HWND main = app.MainWindow();
    ASSERT_NE(main, nullptr);
    app.Activate(main);
    app.Key(VK_F4, true);  // Alt+F4
    EXPECT_EQ(app.WaitForExit(), 0);
}

namespace {

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

}  // namespace

// Started in a folder whose name the code page cannot hold, the program says so once, then works
// in the folder above it: the lists show that folder, and it is the one remembered at close. The
// code page writes Japanese as "??", which names nothing, and a Greek capital omega as "O", which
// names the folder beside it: neither is entered by that name.
TEST(Startup, InAFolderTheCodePageCannotNameTheErrorShowsOnceAndTheProgramWorksInTheFolderAbove) {
    for (const wchar_t* folder : {L"\u65E5\u672C", L"\u03A9"}) {
        SCOPED_TRACE(folder[0] == L'\u03A9' ? "omega" : "Japanese");
        TempDir programDir;
        TempDir images;
        WriteWholeFile(images / "above.gif", "x");
        MakeDirectory(images / "O");
        WriteWholeFile(images / "O" + "\\beside.gif", "x");
        const std::wstring start = Wide(images.Path()) + L"\\" + folder;
        ASSERT_TRUE(CreateDirectoryW(start.c_str(), nullptr));
        {
            AppDriver app(programDir.Path());
            app.Start(start);
            HWND box = app.WaitForDialog();
            ASSERT_NE(box, nullptr) << "no error shown";
            WindowView error(box);
            EXPECT_EQ(error.ClassName(), "#32770");
            EXPECT_EQ(error.Caption(), "Tessellor");
            EXPECT_EQ(error.Text(), "I/O error 123.");
            error.Press("OK");
            HWND main = app.MainWindow();
            ASSERT_NE(main, nullptr);
            EXPECT_TRUE(app.WaitNoDialog(3000)) << "a second error";
            HWND directory = app.ChildAt(main, "Button", 12, 60);
            HWND dirList = app.ChildAt(directory, "ListBox", 12, 42);
            HWND fileList = app.ChildAt(directory, "ListBox", 172, 40);
            auto itemAt = [](HWND list, int index) {
                wchar_t text[512] = {};  // read wide, as Wine passes it between processes
                SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
                std::string narrow;
                for (const wchar_t* c = text; *c; ++c) narrow.push_back(static_cast<char>(*c));
                return narrow;
            };
            EXPECT_TRUE(WaitFor([&] {
                return SendMessageA(fileList, LB_GETCOUNT, 0, 0) == 1 && itemAt(fileList, 0) == "above.gif";
            }));
            const int current = static_cast<int>(SendMessageA(dirList, LB_GETCURSEL, 0, 0));
            EXPECT_EQ(itemAt(dirList, current), images.Path().substr(images.Path().find_last_of('\\') + 1));
            app.Activate(main);
            app.Key(VK_F4, true);
            EXPECT_EQ(app.WaitForExit(), 0);
            char last[MAX_PATH] = {};
            GetPrivateProfileStringA("Tessellor", "LastUsedDir", "", last, sizeof last, app.IniPath().c_str());
            EXPECT_EQ(std::string(last), images.Path());
        }
        RemoveDirectoryW(start.c_str());
    }
}

// With no display no window can be made: the program says why on its standard error and ends with
// a code that is not 0, instead of crashing. It is started from outside Wine without DISPLAY.
TEST(Startup, WithoutADisplayTheProgramSaysWhyAndEndsWithAnErrorCode) {
    TempDir programDir;
    char loader[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("WINELOADER", loader, sizeof loader)) GTEST_SKIP() << "no WINELOADER";
    const std::string program = programDir / "tessellor_e2e.exe";
    ASSERT_TRUE(CopyFileA(TESSELLOR_EXE, program.c_str(), FALSE));
    const std::string said = programDir / "stderr.txt";
    const int code = RunOutsideWine("cd '" + UnixPath(programDir.Path()) + "' && env -u DISPLAY '" + loader + "' '" +
                                        UnixPath(program) + "' 2> '" + UnixPath(said) + "'",
                                    60000);
    EXPECT_EQ(code, 1);
    const std::string text = ReadWholeFile(said);
    EXPECT_NE(text.find("Tessellor: Error creating window of TessellorForm."), std::string::npos) << text;
    EXPECT_EQ(text.find("terminate"), std::string::npos) << text;
}
