// The real program, started in a directory of its own and worked with keyboard and mouse.
#include <gtest/gtest.h>

#include <sstream>

#include "AppDriver.h"
#include "Handles.h"
#include "TestFiles.h"
#include "UnixShell.h"

namespace {

// The controls of the main window, found where the window layout puts them.
struct MainControls {
    HWND Main, Directory, Options;
    HWND DirList, DriveList, FileList;
    HWND Carriage, IncludeNames, Border;
    HWND DefaultDir, Background, BackgroundPicker, LastUsedDir;
    HWND Generate, SaveAs;

    explicit MainControls(AppDriver& app) {
        Main = app.MainWindow();
        Directory = app.ChildAt(Main, "Button", 12, 60);
        Options = app.ChildAt(Main, "Button", 12, 278);
        DirList = app.ChildAt(Directory, "ListBox", 12, 42);
        DriveList = app.ChildAt(Directory, "ComboBox", 12, 154);
        FileList = app.ChildAt(Directory, "ListBox", 172, 40);
        Carriage = app.ChildAt(Options, "Button", 22, 20);
        IncludeNames = app.ChildAt(Options, "Button", 22, 42);
        Border = app.ChildAt(Options, "Button", 22, 64);
        DefaultDir = app.ChildAt(Options, "Edit", 126, 90);
        Background = app.ChildAt(Options, "Edit", 126, 118);
        BackgroundPicker = app.ChildAt(Options, "Button", 326, 118);
        LastUsedDir = app.ChildAt(Options, "Edit", 210, 54);
        Generate = app.ChildAt(Main, "Button", 356, 76);
        SaveAs = app.ChildAt(Main, "Button", 356, 114);
    }
    bool AllFound() const {
        for (HWND w : {Directory, Options, DirList, DriveList, FileList, Carriage, IncludeNames, Border, DefaultDir,
                       Background, BackgroundPicker, LastUsedDir, Generate, SaveAs})
            if (!w) return false;
        return true;
    }
};

// An item of a list box of the other process; read wide, as Wine passes it between processes.
std::string ItemText(HWND list, int index) {
    wchar_t wide[512] = {};
    SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(wide));
    char narrow[1024] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, narrow, sizeof narrow, nullptr, nullptr);
    return narrow;
}

bool IsChecked(HWND box) { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

std::vector<std::string> ListItems(HWND list) {
    std::vector<std::string> items;
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        items.push_back(ItemText(list, i));
    }
    return items;
}

std::string CurrentLine(HWND list) {
    const int index = static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
    if (index < 0) return "";
    return ItemText(list, index);
}

std::string LastElement(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

// The key names of the settings file, in file order.
std::vector<std::string> KeysInOrder(const std::string& ini) {
    std::vector<std::string> keys;
    std::istringstream lines(ini);
    std::string line;
    while (std::getline(lines, line)) {
        const size_t eq = line.find('=');
        if (eq != std::string::npos) keys.push_back(line.substr(0, eq));
    }
    return keys;
}

std::string IniValue(const std::string& iniPath, const std::string& key) {
    char buffer[1024] = {};
    GetPrivateProfileStringA("Tessellor", key.c_str(), "<absent>", buffer, sizeof buffer, iniPath.c_str());
    return buffer;
}

void WriteIni(const std::string& path, const std::string& body) { WriteWholeFile(path, "[Tessellor]\r\n" + body); }

const char* const kTitleLine = "<HEAD><TITLE> Tessellor 1.01 -  tessellor.test </TITLE></HEAD>";

// Clicks the close box of a window, found where the window itself says it is.
void ClickCloseBox(AppDriver& app, HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    for (int y = r.top + 2; y < r.top + 40; y += 2) {
        for (int x = r.right - 2; x > r.right - 60; x -= 2) {
            const LRESULT hit = SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y));
            if (hit == HTCLOSE) {
                app.ClickAt(x, y);
                return;
            }
        }
    }
    ADD_FAILURE() << "no close box found";
}

// The program copied into a folder of its own and started in another, `images`.
class MainWindow : public testing::Test {
protected:
    TempDir programDir;
    TempDir images;
    AppDriver app{programDir.Path()};

    // Starts it, with these lines in its settings file when there are any; its controls.
    MainControls Start(const std::string& settings = "") {
        if (!settings.empty()) WriteIni(app.IniPath(), settings);
        app.Start(images.Path());
        return MainControls(app);
    }
};

}  // namespace

TEST_F(MainWindow, FirstStartStaysInTheStartingDirectoryAndTheCloseBoxWritesAllSettings) {
    WriteWholeFile(images / "b.GIF", "x");
    WriteWholeFile(images / "a.jpg", "x");
    WriteWholeFile(images / "notes.txt", "x");
    const MainControls c = Start();
    ASSERT_TRUE(c.AllFound());
    WaitFor([&] { return ListItems(c.FileList).size() == 2; }, 5000);
    EXPECT_TRUE(IsChecked(c.Carriage));
    EXPECT_TRUE(IsChecked(c.IncludeNames));
    EXPECT_TRUE(IsChecked(c.Border));
    EXPECT_EQ(app.TextOf(c.DefaultDir), "");
    EXPECT_EQ(app.TextOf(c.Background), "");
    EXPECT_EQ(app.TextOf(c.LastUsedDir), "");
    // A screen reader names each edit by the label just before it in window order.
    EXPECT_EQ(app.TextOf(GetWindow(c.DefaultDir, GW_HWNDPREV)), "Default Directory:  ");
    EXPECT_EQ(app.TextOf(GetWindow(c.Background, GW_HWNDPREV)), "Background Image:  ");
    EXPECT_EQ(CurrentLine(c.DirList), LastElement(images.Path()));
    EXPECT_EQ(ListItems(c.FileList), (std::vector<std::string>{"a.jpg", "b.GIF"}));
    EXPECT_FALSE(FileExists(app.IniPath()));  // nothing is written before the window closes

    app.Activate(c.Main);
    app.Click(c.Border);  // the user unchecks one option
    ClickCloseBox(app, c.Main);
    EXPECT_EQ(app.WaitForExit(), 0);
    const std::string ini = ReadWholeFile(app.IniPath());
    EXPECT_EQ(KeysInOrder(ini), (std::vector<std::string>{"CarriageReturn", "ImageName", "ImageBorder", "DefaultDir",
                                                           "BackgroundImage", "LastUsedDir"}));
    EXPECT_EQ(IniValue(app.IniPath(), "CarriageReturn"), "1");
    EXPECT_EQ(IniValue(app.IniPath(), "ImageBorder"), "0");
    EXPECT_EQ(IniValue(app.IniPath(), "DefaultDir"), "");
    EXPECT_EQ(IniValue(app.IniPath(), "LastUsedDir"), images.Path());
}

TEST_F(MainWindow, StartsInTheDefaultDirectoryElseInTheLastUsedOne) {
    TempDir chosen;
    TempDir last;
    WriteWholeFile(chosen / "in-default.gif", "x");
    WriteWholeFile(last / "in-last.gif", "x");
    {
        const MainControls c = Start("DefaultDir=" + chosen.Path() + "\r\nLastUsedDir=" + last.Path() + "\r\n");
        ASSERT_TRUE(c.AllFound());
        EXPECT_TRUE(WaitFor([&] { return ListItems(c.FileList) == std::vector<std::string>{"in-default.gif"}; }));
        EXPECT_EQ(CurrentLine(c.DirList), LastElement(chosen.Path()));
        EXPECT_EQ(app.TextOf(c.LastUsedDir), last.Path());
        app.Activate(c.Main);
        app.Key(VK_F4, true);
        EXPECT_EQ(app.WaitForExit(), 0);
        EXPECT_EQ(IniValue(app.IniPath(), "LastUsedDir"), chosen.Path());  // the directory shown
    }
    AppDriver again(programDir.Path());
    WriteIni(again.IniPath(), "LastUsedDir=" + last.Path() + "\r\nCarriageReturn=0\r\n");
    again.Start(images.Path());
    const MainControls c(again);
    ASSERT_TRUE(c.AllFound());
    EXPECT_TRUE(WaitFor([&] { return ListItems(c.FileList) == std::vector<std::string>{"in-last.gif"}; }));
    EXPECT_FALSE(IsChecked(c.Carriage));
    EXPECT_TRUE(IsChecked(c.IncludeNames));
    // Text typed into the last-used box, once the start-up step has moved the lists, is replaced by
    // the directory list's directory.
    again.Activate(c.Main);
    again.ReplaceText(c.LastUsedDir, "C:\\typed");
    ClickCloseBox(again, c.Main);
    EXPECT_EQ(again.WaitForExit(), 0);
    EXPECT_EQ(IniValue(again.IniPath(), "LastUsedDir"), last.Path());
}

// Wine enters a directory of 260 to 262 characters but cannot report it back: as default directory
// it is refused as a path too long, the lists stay where the program started, and closing keeps
// that directory as the last one used. Up to 259 characters the program works there, and saves its
// page there through the save dialog, which Wine's dialog cannot take in full: it faults when it
// starts in a folder of 258 or 259 characters, or joins a long one with the name accepted.
TEST(MainWindowInLongFolders, ADefaultDirectoryBeyondThePathLimitIsRefusedAtStartAndOneWithinIsSavedIn) {
    for (size_t length : {256u, 257u, 258u, 259u, 260u, 263u}) {
        TempDir programDir;
        TempDir start;
        TempDir base;
        DeepDir deep(base.Path(), length);
        ASSERT_EQ(deep.Path().size(), length);
        ASSERT_TRUE(deep.Touch("deep.gif"));
        WriteWholeFile(start / "start.gif", "x");
        AppDriver app(programDir.Path());
        WriteIni(app.IniPath(), "DefaultDir=" + deep.Path() + "\r\n");
        app.Start(start.Path());
        MainControls c(app);
        ASSERT_TRUE(c.AllFound());
        if (length <= 259) {
            EXPECT_TRUE(WaitFor([&] { return ListItems(c.FileList) == std::vector<std::string>{"deep.gif"}; }));
            EXPECT_EQ(CurrentLine(c.DirList), deep.Name());
            // Generate, then Save As, each accepting the name the dialog proposes in the folder shown.
            char shortForm[MAX_PATH] = {};  // the page's full path is too long for this process's calls
            ASSERT_GT(GetShortPathNameA(deep.Path().c_str(), shortForm, MAX_PATH), 0u);
            const std::string page = std::string(shortForm) + "\\tessellortest.html";
            for (HWND button : {c.Generate, c.SaveAs}) {
                app.Activate(c.Main);
                app.Click(button);
                HWND dialog = app.WaitForDialog();
                ASSERT_NE(dialog, nullptr) << length;
                EXPECT_EQ(app.TextOf(WindowView(dialog).Item(0x471)), deep.Name()) << length;  // the folder shown
                app.Key(VK_RETURN);
                ASSERT_TRUE(app.WaitNoDialog()) << length;
                EXPECT_TRUE(WaitFor([&] {
                    return FileExists(page) && ReadWholeFile(page).find("deep.gif") != std::string::npos;
                })) << length;
                DeleteFileA(page.c_str());
            }
        } else {
            HWND box = app.WaitForDialog();
            ASSERT_NE(box, nullptr) << length;
            WindowView view(box);
            EXPECT_EQ(view.Caption(), "Tessellor");
            EXPECT_EQ(view.Text(), "I/O error 206.") << length;
            app.Activate(box);
            app.Key(VK_RETURN);
            ASSERT_TRUE(app.WaitNoDialog());
            EXPECT_EQ(ListItems(c.FileList), std::vector<std::string>{"start.gif"});
            EXPECT_EQ(CurrentLine(c.DirList), LastElement(start.Path()));
        }
        app.Activate(c.Main);
        app.Key(VK_F4, true);  // Alt+F4 closes the window and keeps the settings
        EXPECT_EQ(app.WaitForExit(), 0);
        EXPECT_EQ(IniValue(app.IniPath(), "LastUsedDir"), length <= 259 ? deep.Path() : start.Path()) << length;
    }
}

TEST_F(MainWindow, GenerateSavesThePageOfTheDirectoryShown) {
    WriteWholeFile(images / "logo.gif", "x");
    WriteWholeFile(images / "beach.jpg", "x");
    WriteWholeFile(images / "photo.jpeg", "x");
    const MainControls c = Start("BackgroundImage=C:\\site\\paper.gif\r\n");
    ASSERT_TRUE(c.AllFound());
    ASSERT_TRUE(WaitFor([&] { return ListItems(c.FileList).size() == 2; }));
    app.Activate(c.Main);
    app.Click(c.Generate);
    HWND dialog = app.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    WindowView save(dialog);
    EXPECT_EQ(save.Caption(), "Select HTML file to:");
    HWND name = save.Item(0x47C);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(app.TextOf(name), "tessellortest.html");
    app.Key(VK_RETURN);  // accept the proposed name in the directory shown
    ASSERT_TRUE(app.WaitNoDialog());
    const std::string expected = std::string("<HTML>\r\n") + kTitleLine +
        "\r\n<BODY BACKGROUND=\"paper.gif\" BGCOLOR=#FFFFFF TEXT=#000000 LINK=#00007B ALINK=#FF0000>\r\n"
        "<A HREF=\"beach.jpg\"><IMG SRC=\"beach.jpg\" BORDER=1 ALIGN=MIDDLE>beach.jpg</A><BR>\r\n"
        "<A HREF=\"logo.gif\"><IMG SRC=\"logo.gif\" BORDER=1 ALIGN=MIDDLE>logo.gif</A><BR>\r\n"
        "</BODY></HTML>\r\n";
    // The page is written beside its place and moved there whole.
    ASSERT_TRUE(WaitFor([&] { return FileExists(images / "tessellortest.html"); }));
    EXPECT_EQ(ReadWholeFile(images / "tessellortest.html"), expected);

    // Saving again over the file asks first; "No" leaves it as it is.
    app.Click(c.SaveAs);
    dialog = app.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    app.Key(VK_RETURN);
    HWND confirm = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        confirm = app.WaitForWindow("Confirm", 200);
        return confirm != nullptr;
    }));
    WindowView ask(confirm);
    EXPECT_EQ(ask.Text(), "Overwrite Existing File?");
    app.Key('N', true);
    EXPECT_TRUE(app.WaitNoDialog());
    EXPECT_EQ(ReadWholeFile(images / "tessellortest.html"), expected);
}

// The code page turns a name it cannot hold into a look-alike, which names another file ("Omega.gif"
// here) or none: the background picker refuses such a choice and the field keeps what it had.
TEST_F(MainWindow, TheBackgroundPickerRefusesANameTheCodePageCannotHold) {
    if (GetACP() != 1252) GTEST_SKIP() << "code page " << GetACP();
    WriteWholeFile(images / "Omega.gif", "x");
    const MainControls c = Start("BackgroundImage=C:\\site\\paper.gif\r\n");
    ASSERT_TRUE(c.AllFound());
    ASSERT_TRUE(WaitFor([&] { return app.TextOf(c.Background) == "C:\\site\\paper.gif"; }));
    const std::wstring folder(images.Path().begin(), images.Path().end());
    const struct {
        const wchar_t* Name;
        const char* Shown;
    } names[] = {{L"\u03A9mega.gif", "?mega.gif"}, {L"\u65E5\u672C.gif", "??.gif"}, {L"e\u0301.gif", "e?.gif"}};
    for (const auto& n : names) {
        SCOPED_TRACE(n.Shown);
        const std::wstring path = folder + L"\\" + n.Name;
        ASSERT_TRUE(TFileHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr)));
        app.Activate(c.Main);
        app.Click(c.BackgroundPicker);
        HWND dialog = app.WaitForDialog();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(app.TextOf(dialog), "Select Background Image");
        SetWindowTextW(WindowView(dialog).Item(0x47C), path.c_str());
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        HWND box = nullptr;  // the error box, once the dialog has gone
        ASSERT_TRUE(WaitFor([&] { return (box = app.WaitForDialog(200)) && app.TextOf(box) == "Tessellor"; }));
        EXPECT_EQ(WindowView(box).Text(), "Cannot use " + (images / n.Shown) +
                                              ": its name has characters, shown as ?, that the system's code page "
                                              "cannot hold.");
        app.Activate(box);
        app.Key(VK_RETURN);
        ASSERT_TRUE(app.WaitNoDialog());
        EXPECT_EQ(app.TextOf(c.Background), "C:\\site\\paper.gif");
        DeleteFileW(path.c_str());
    }
}

TEST_F(MainWindow, FileExitWritesNothing) {
    const MainControls c = Start("ImageName=0\r\n");
    ASSERT_TRUE(c.AllFound());
    const std::string before = ReadWholeFile(app.IniPath());
    ASSERT_TRUE(WaitFor([&] { return !IsChecked(c.IncludeNames); }));
    app.Activate(c.Main);
    app.Click(c.IncludeNames);  // changed, but Exit stores nothing
    app.Key('F', true);
    app.Key('X');
    EXPECT_EQ(app.WaitForExit(), 0);
    EXPECT_EQ(ReadWholeFile(app.IniPath()), before);
}

// A settings file that another program held without sharing while this one started read as if
// absent: the program ran on the defaults, and closing must not write them over the user's file.
// It says so once and keeps the file as it was.
TEST_F(MainWindow, SettingsThatCouldNotBeReadAtStartAreKeptAtClose) {
    WriteIni(app.IniPath(), "ImageName=0\r\nBackgroundImage=C:\\site\\paper.gif\r\nLastUsedDir=C:\\pics\r\n");
    const std::string before = ReadWholeFile(app.IniPath());
    TFileHandle held(CreateFileA(app.IniPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    const MainControls c = Start();
    ASSERT_TRUE(c.AllFound());
    // A click is handled after the loads posted before it: once it shows, the loads are done.
    app.Activate(c.Main);
    app.Click(c.Border);
    ASSERT_TRUE(WaitFor([&] { return !IsChecked(c.Border); }));
    EXPECT_TRUE(IsChecked(c.IncludeNames));  // the default, not the file's 0
    held.Reset();
    app.Key(VK_F4, true);
    int errors = 0;
    while (HWND box = app.WaitForDialog(5000)) {
        WindowView view(box);
        EXPECT_EQ(view.Caption(), "Tessellor");
        EXPECT_EQ(view.Text(), "Settings not saved: " + app.IniPath() + " could not be read, so it is kept as it was.");
        EXPECT_NE(view.IconName(), "");  // icon handles differ between processes; in-process tests name it
        ++errors;
        app.Activate(box);
        app.Key(VK_RETURN);
        WaitFor([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 5000);
        if (errors > 6) break;
    }
    EXPECT_EQ(errors, 1);
    EXPECT_EQ(app.WaitForExit(), 0);
    EXPECT_EQ(ReadWholeFile(app.IniPath()), before);
}

namespace {

// The window that has the keyboard focus in the program's window thread.
HWND FocusOf(HWND main) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

// Waits until `expected` has the focus; false on timeout.
bool FocusReaches(HWND main, HWND expected) {
    return WaitFor([&] { return FocusOf(main) == expected; }, 5000);
}

}  // namespace

TEST_F(MainWindow, TheTypicalRoadWorksWithTheKeyboardAlone) {
    CreateDirectoryA((images / "alpha").c_str(), nullptr);
    CreateDirectoryA((images / "beta").c_str(), nullptr);
    WriteWholeFile(images / "top.gif", "x");
    WriteWholeFile(images / "alpha" + "\\inner.jpg", "x");
    const MainControls c = Start();
    ASSERT_TRUE(c.AllFound());
    ASSERT_TRUE(WaitFor([&] { return ListItems(c.FileList) == std::vector<std::string>{"top.gif"}; }));

    // A fresh start: the first tab stop, Generate, has the focus and Enter presses it; Enter again
    // saves the page in the directory shown.
    EXPECT_TRUE(FocusReaches(c.Main, c.Generate)) << "focus on " << FocusOf(c.Main);
    app.Activate(c.Main);
    app.Key(VK_RETURN);
    HWND save = app.WaitForDialog();
    ASSERT_NE(save, nullptr) << "Enter on Generate did nothing";
    EXPECT_EQ(WindowView(save).Caption(), "Select HTML file to:");
    app.Key(VK_RETURN);
    ASSERT_TRUE(app.WaitNoDialog());
    const std::string page = images / "tessellortest.html";
    ASSERT_TRUE(WaitFor([&] { return FileExists(page) && ReadWholeFile(page).find("top.gif") != std::string::npos; }));
    const std::string saved = ReadWholeFile(page);
    // Again: the file exists now, and the confirmation's "No", reached with the arrow key, keeps it.
    EXPECT_TRUE(FocusReaches(c.Main, c.Generate)) << "focus on " << FocusOf(c.Main);
    app.Key(VK_RETURN);
    ASSERT_NE(app.WaitForDialog(), nullptr);
    app.Key(VK_RETURN);
    HWND confirm = app.WaitForWindow("Confirm");
    ASSERT_NE(confirm, nullptr);
    HWND no = app.ChildWithText(confirm, "Button", "&No");
    app.Key(VK_RIGHT);
    EXPECT_TRUE(FocusReaches(confirm, no));
    app.Key(VK_RETURN);
    ASSERT_TRUE(app.WaitNoDialog());
    EXPECT_EQ(ReadWholeFile(page), saved);
    DeleteFileA(page.c_str());

    // Tab Tab reaches the directory list.
    EXPECT_TRUE(FocusReaches(c.Main, c.Generate)) << "focus on " << FocusOf(c.Main);
    app.Key(VK_TAB);
    EXPECT_TRUE(FocusReaches(c.Main, c.SaveAs));
    app.Key(VK_TAB);
    EXPECT_TRUE(FocusReaches(c.Main, c.DirList));

    // Down from the open directory to its first subdirectory, Enter opens it, the files follow.
    app.Key(VK_DOWN);
    EXPECT_TRUE(WaitFor([&] { return CurrentLine(c.DirList) == "alpha"; }));
    app.Key(VK_RETURN);
    EXPECT_TRUE(WaitFor([&] { return ListItems(c.FileList) == std::vector<std::string>{"inner.jpg"}; }));
    EXPECT_TRUE(FocusReaches(c.Main, c.DirList));

    // The label's accelerator goes to the file list.
    app.Key('L', true);
    EXPECT_TRUE(FocusReaches(c.Main, c.FileList)) << "focus on " << FocusOf(c.Main);

    // File > Save As opens the save dialog; Esc cancels it; the focus is back on the file list.
    app.Key('F', true);
    app.Key('A');
    HWND dialog = app.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowView(dialog).Caption(), "Select HTML file to:");
    app.Key(VK_ESCAPE);
    ASSERT_TRUE(app.WaitNoDialog());
    EXPECT_TRUE(FocusReaches(c.Main, c.FileList)) << "focus on " << FocusOf(c.Main);

    // The same after a dialog of the program's own: Help > Other Products, closed with Esc, then
    // with Enter on its OK, which has the focus when it opens.
    for (WORD key : {VK_ESCAPE, VK_RETURN}) {
        app.Key('H', true);
        app.Key('O');
        dialog = app.WaitForDialog();
        ASSERT_NE(dialog, nullptr);
        app.Key(key);
        ASSERT_TRUE(app.WaitNoDialog()) << "key " << key;
    }
    EXPECT_TRUE(FocusReaches(c.Main, c.FileList)) << "focus on " << FocusOf(c.Main);
    EXPECT_TRUE(WaitFor([&] { return ListItems(c.FileList) == std::vector<std::string>{"inner.jpg"}; }));
}

namespace {

struct TaskBarSearch {
    DWORD ProcessId;
    std::vector<HWND> Windows;
};

// The platform's rule for a task-bar entry: a visible top-level window that is an application
// window, or that has no owner and is no tool window.
BOOL CALLBACK CollectTaskBarWindow(HWND w, LPARAM param) {
    auto* search = reinterpret_cast<TaskBarSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    const LONG_PTR ex = GetWindowLongPtrA(w, GWL_EXSTYLE);
    if (pid == search->ProcessId && IsWindowVisible(w) &&
        ((ex & WS_EX_APPWINDOW) || (!GetWindow(w, GW_OWNER) && !(ex & WS_EX_TOOLWINDOW))))
        search->Windows.push_back(w);
    return TRUE;
}

// The program's windows that the task bar shows.
std::vector<HWND> TaskBarWindows(DWORD processId) {
    TaskBarSearch search{processId, {}};
    EnumWindows(CollectTaskBarWindow, reinterpret_cast<LPARAM>(&search));
    return search.Windows;
}

}  // namespace

TEST_F(MainWindow, TheTaskBarEntryReadsTheApplicationTitleAndMinimisingKeepsIt) {
    const MainControls c = Start();
    ASSERT_TRUE(c.AllFound());
    const std::vector<HWND> entries = TaskBarWindows(app.ProcessId());
    ASSERT_EQ(entries.size(), 1u);
    HWND entry = entries[0];
    EXPECT_EQ(app.TextOf(entry), "Tessellor");
    EXPECT_EQ(GetWindow(c.Main, GW_OWNER), entry);
    RECT r{};
    GetWindowRect(entry, &r);
    EXPECT_TRUE(IsRectEmpty(&r));  // nothing of it shows on the screen

    // The main form's minimise box minimises the program to its entry; restoring the entry brings
    // the main form back with the focus where it was.
    ASSERT_TRUE(FocusReaches(c.Main, c.Generate));
    PostMessageA(c.Main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(WaitFor([&] { return IsIconic(entry) && !IsWindowVisible(c.Main); }));
    EXPECT_EQ(TaskBarWindows(app.ProcessId()), std::vector<HWND>{entry});
    PostMessageA(entry, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsIconic(entry) && IsWindowVisible(c.Main); }));
    EXPECT_TRUE(FocusReaches(c.Main, c.Generate));

    // Closing the entry closes the main form, which stores the settings.
    PostMessageA(entry, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(app.WaitForExit(), 0);
    EXPECT_EQ(IniValue(app.IniPath(), "LastUsedDir"), images.Path());
}
