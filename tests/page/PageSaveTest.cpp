// The save step through the real save dialog, the real confirmation and the real error box.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "Application.h"
#include "Button.h"
#include "DialogDriver.h"
#include "FileDialog.h"
#include "Form.h"
#include "GalleryPage.h"
#include "Handles.h"
#include "Paths.h"
#include "TestFiles.h"
#include "UnixShell.h"

namespace {

const std::string kHead = "<HTML>\r\n<HEAD><TITLE> Tessellor 1.01 -  tessellor.test </TITLE></HEAD>\r\n";

// The save step as the main window runs it: the click handler of a button on a form, so whatever it
// raises goes through the toolkit's window procedure to the error box.
class SaveWindow {
public:
    SaveWindow() : Form(Application) {
        Dialog = new TSaveDialog(&Form);
        ConfigurePageSaveDialog(*Dialog);
        Button = new TButton(&Form);
        Button->SetParent(&Form);
        Button->SetCaption("&Save As");
        Button->OnClick = [this](TObject*) { SavePage(*Dialog, Buffer, StartDir); };
        Form.Show();
    }
    ~SaveWindow() { Form.Hide(); }

    // What a click on the button tells the form.
    void SaveAs() {
        SendMessageA(Form.Handle(), WM_COMMAND, MAKEWPARAM(Button->ControlId(), BN_CLICKED),
                     reinterpret_cast<LPARAM>(Button->Handle()));
    }
    void Build(const std::vector<std::string>& names, const std::string& background, bool carriageReturn,
               bool includeNames, bool imageBorder) {
        TStringList list;
        for (const std::string& n : names) list.Add(n);
        BuildPage(list, background, carriageReturn, includeNames, imageBorder, Buffer);
    }

    TForm Form;
    TSaveDialog* Dialog;
    TButton* Button;
    TStringList Buffer;
    std::string StartDir;
};

// What the save dialog showed when it came up.
struct FileDialogSeen {
    std::string Caption;
    std::string Name;  // the proposed file name
    int Filter = 0;    // the file type entry shown, counted from 1
};

FileDialogSeen Look(const WindowView& w) {
    FileDialogSeen seen;
    seen.Caption = w.Caption();
    char name[MAX_PATH] = {};
    GetWindowTextA(w.Item(0x47C), name, sizeof name);
    seen.Name = name;
    seen.Filter = static_cast<int>(SendMessageA(w.Item(0x470), CB_GETCURSEL, 0, 0)) + 1;
    return seen;
}

// Accepts the name the dialog proposes, as pressing Save at once does.
DialogDriver::Answer AcceptProposed(FileDialogSeen& seen) {
    return [&seen](WindowView& w) {
        seen = Look(w);
        PostMessageA(w.Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(w.Item(IDOK)));
    };
}

}  // namespace

TEST(PageSave, WorkedExamplesAreWrittenByteForByte) {
    TempDir dir;
    SaveWindow window;
    window.StartDir = dir.Path() + "\\";
    window.Build({"beach.jpg", "logo.gif", "photo.jpeg"}, "C:\\site\\paper.gif", true, true, true);
    FileDialogSeen first;
    DialogDriver driver;
    driver.Then(AcceptProposed(first));
    window.SaveAs();
    EXPECT_EQ(first.Caption, "Select HTML file to:");
    EXPECT_EQ(first.Name, "tessellortest.html");
    EXPECT_EQ(first.Filter, 1);
    EXPECT_EQ(ReadWholeFile(dir / "tessellortest.html"),
              kHead + "<BODY BACKGROUND=\"paper.gif\" BGCOLOR=#FFFFFF TEXT=#000000 LINK=#00007B ALINK=#FF0000>\r\n"
                      "<A HREF=\"beach.jpg\"><IMG SRC=\"beach.jpg\" BORDER=1 ALIGN=MIDDLE>beach.jpg</A><BR>\r\n"
                      "<A HREF=\"logo.gif\"><IMG SRC=\"logo.gif\" BORDER=1 ALIGN=MIDDLE>logo.gif</A><BR>\r\n"
                      "</BODY></HTML>\r\n");
    EXPECT_EQ(window.Dialog->FileName, dir / "tessellortest.html");

    window.Build({"beach.jpg", "logo.gif", "photo.jpeg"}, "", false, true, false);
    driver.SaveAs(dir / "noborder.html");
    window.SaveAs();
    EXPECT_EQ(ReadWholeFile(dir / "noborder.html"),
              kHead + "<A HREF=\"beach.jpg\"><IMG SRC=\"beach.jpg\" BORDER=0 ALIGN=MIDDLE>beach.jpg</A>\r\n"
                      "<A HREF=\"logo.gif\"><IMG SRC=\"logo.gif\" BORDER=0 ALIGN=MIDDLE>logo.gif</A>\r\n"
                      "</BODY></HTML>\r\n");

    // A name typed without extension is used as typed, whatever file type is chosen.
    window.Build({"beach.jpg", "logo.gif", "photo.jpeg"}, "", true, false, true);
    driver.Then([&](WindowView& w) {
        w.ChooseFilter(2);
        w.TypeFileNameAndOk(dir / "gallery");
    });
    window.SaveAs();
    EXPECT_EQ(ReadWholeFile(dir / "gallery"),
              kHead + "<IMG SRC=\"beach.jpg\"><BR>\r\n<IMG SRC=\"logo.gif\"><BR>\r\n</BODY></HTML>\r\n");
    EXPECT_FALSE(FileExists(dir / "gallery.htm"));
    EXPECT_EQ(window.Dialog->FilterIndex, 2);
}

TEST(PageSave, AnExistingFileIsReplacedOnlyAfterYes) {
    TempDir dir;
    const std::string old = "old content, longer than the page that replaces it\r\n";
    WriteWholeFile(dir / "old.html", old);
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE;
    SetFileAttributesA((dir / "old.html").c_str(), kKept);
    SaveWindow window;
    window.StartDir = dir.Path();
    window.Buffer.Add("one");
    window.Buffer.Add("two");

    DialogSeen asked;
    DialogDriver driver;
    driver.SaveAs(dir / "old.html").Record(asked, "&No");
    window.SaveAs();
    EXPECT_EQ(asked.Caption, "Confirm");
    EXPECT_EQ(asked.Text, "Overwrite Existing File?");
    EXPECT_EQ(asked.Icon, "question");
    EXPECT_EQ(asked.Buttons, (std::vector<std::string>{"&Yes", "&No"}));
    EXPECT_EQ(asked.DefaultButton, "&Yes");
    EXPECT_EQ(ReadWholeFile(dir / "old.html"), old);
    // The chosen path is kept even though nothing was written.
    EXPECT_EQ(window.Dialog->FileName, dir / "old.html");

    // Esc and the close box say No too; the dialog now proposes the path chosen before.
    FileDialogSeen again;
    driver.Then(AcceptProposed(again)).Then([](WindowView& w) { w.PressKey(VK_ESCAPE); });
    window.SaveAs();
    EXPECT_EQ(again.Name, "old.html");
    driver.Then(AcceptProposed(again)).Then([](WindowView& w) { w.Close(); });
    window.SaveAs();
    EXPECT_EQ(ReadWholeFile(dir / "old.html"), old);

    driver.Then(AcceptProposed(again)).Then([](WindowView& w) { w.PressKey(VK_RETURN); });
    window.SaveAs();
    EXPECT_EQ(ReadWholeFile(dir / "old.html"), "one\r\ntwo\r\n");
    EXPECT_EQ(GetFileAttributesA((dir / "old.html").c_str()) & kKept, kKept);
    EXPECT_EQ(EntriesIn(dir.Path()), std::vector<std::string>{"old.html"});
    EXPECT_EQ(driver.Pending(), 0u);
}

TEST(PageSave, CancelWritesNothingAndKeepsNameAndFilter) {
    TempDir dir;
    SaveWindow window;
    window.StartDir = dir.Path();
    window.Build({"beach.jpg"}, "", false, false, false);
    const std::string page = window.Buffer.Text();
    DialogDriver driver;
    driver.Then([](WindowView& w) {
        w.ChooseFilter(3);
        w.CancelFileDialog();
    });
    window.SaveAs();
    EXPECT_EQ(window.Dialog->FileName, "tessellortest.html");
    EXPECT_EQ(window.Dialog->FilterIndex, 1);
    EXPECT_FALSE(FileExists(dir / "tessellortest.html"));
    EXPECT_EQ(window.Buffer.Text(), page);

    // A later Save As writes the page unchanged, and the next dialog starts from that choice.
    driver.Then([&](WindowView& w) {
        w.ChooseFilter(2);
        w.TypeFileNameAndOk(dir / "page.htm");
    });
    window.SaveAs();
    EXPECT_EQ(ReadWholeFile(dir / "page.htm"), page);
    FileDialogSeen next;
    driver.Then([&](WindowView& w) {
        next = Look(w);
        w.CancelFileDialog();
    });
    window.SaveAs();
    EXPECT_EQ(next.Name, "page.htm");
    EXPECT_EQ(next.Filter, 2);
    EXPECT_EQ(window.Dialog->FileName, dir / "page.htm");
    EXPECT_EQ(window.Dialog->FilterIndex, 2);
}

TEST(PageSave, AnEmptyBufferGivesAnEmptyFile) {
    TempDir dir;
    SaveWindow window;
    window.StartDir = dir.Path();
    DialogDriver driver;
    driver.SaveAs(dir / "new.html");
    window.SaveAs();
    EXPECT_TRUE(FileExists(dir / "new.html"));
    EXPECT_EQ(ReadWholeFile(dir / "new.html"), "");
    WriteWholeFile(dir / "full.html", "something");
    driver.SaveAs(dir / "full.html").Then([](WindowView& w) { w.Press("&Yes"); });
    window.SaveAs();
    EXPECT_EQ(ReadWholeFile(dir / "full.html"), "");
}

TEST(PageSave, ABigPageIsWrittenWhole) {
    TempDir dir;
    SaveWindow window;
    window.StartDir = dir.Path();
    std::vector<std::string> names;
    for (int i = 0; i < 100000; ++i) names.push_back("picture number " + std::to_string(i) + ".jpg");
    window.Build(names, "", true, true, true);
    DialogDriver driver;
    driver.SaveAs(dir / "big.html");
    window.SaveAs();
    const std::string saved = ReadWholeFile(dir / "big.html");
    EXPECT_EQ(saved.size(), window.Buffer.Text().size());
    EXPECT_TRUE(saved == window.Buffer.Text());
}

TEST(PageSave, TheDialogLeavesTheCurrentDirectoryAlone) {
    // The browsing lists keep their directory as the process's current one.
    TempDir dir;
    MakeDirectory(dir / "pages");
    const std::string before = GetCurrentDir();
    ChangeDir(dir.Path());
    SaveWindow window;
    window.StartDir = dir.Path();
    window.Buffer.Add("x");
    DialogDriver driver;
    driver.SaveAs(dir / "pages\\x.html");
    window.SaveAs();
    EXPECT_EQ(ReadWholeFile(dir / "pages\\x.html"), "x\r\n");
    EXPECT_EQ(GetCurrentDir(), dir.Path());
    ChangeDir(before);
}

TEST(PageSave, FailuresReachTheErrorBoxAndChangeNothing) {
    TempDir dir;
    SaveWindow window;
    window.StartDir = dir.Path();
    window.Build({"a b&c.gif"}, "", false, false, false);
    const std::string page = window.Buffer.Text();

    const auto expectError = [&](const DialogSeen& seen, const std::string& text) {
        EXPECT_EQ(seen.Text, text);
        EXPECT_EQ(seen.Caption, "Tessellor");
        EXPECT_EQ(seen.Icon, "stop");
        EXPECT_EQ(seen.Buttons, std::vector<std::string>{"OK"});
        EXPECT_EQ(window.Buffer.Text(), page);
    };
    DialogDriver driver;
    {
        SCOPED_TRACE("missing directory");
        const std::string missing = dir / "missing\\page.html";
        DialogSeen error;
        driver.SaveAs(missing).Record(error, "OK");
        window.SaveAs();
        expectError(error, "Cannot create file " + missing + ".");
        EXPECT_EQ(window.Dialog->FileName, missing);
    }
    {
        SCOPED_TRACE("file in use");
        WriteWholeFile(dir / "busy.html", "kept");
        TFileHandle busy(CreateFileA((dir / "busy.html").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(busy);
        DialogSeen error;
        driver.SaveAs(dir / "busy.html").Then([](WindowView& w) { w.Press("&Yes"); }).Record(error, "OK");
        window.SaveAs();
        busy.Reset();
        expectError(error, "Cannot create file " + (dir / "busy.html") + ".");
        EXPECT_EQ(ReadWholeFile(dir / "busy.html"), "kept");
    }
    {
        // Wine shows a Linux device as a file; it must neither be written nor renamed over.
        SCOPED_TRACE("no disk file");
        DialogSeen error;
        driver.SaveAs("Z:\\dev\\full").Then([](WindowView& w) { w.Press("&Yes"); }).Record(error, "OK");
        window.SaveAs();
        expectError(error, "Cannot create file Z:\\dev\\full.");
    }
    // A name that Windows takes for a device is refused at once, not asked about as an existing file.
    for (const char* device : {"con.html", "NUL.Html", "lpt1.page.htm"}) {
        SCOPED_TRACE(device);
        DialogSeen error;
        driver.SaveAs(dir / device).Record(error, "OK");
        window.SaveAs();
        expectError(error, "Cannot create file " + (dir / device) + ".");
    }
    EXPECT_EQ(EntriesIn(dir.Path()), std::vector<std::string>{"busy.html"});
    EXPECT_EQ(driver.Pending(), 0u);
}

TEST(PageSave, AReadOnlyFileIsNotReplaced) {
    TempDir dir;
    WriteWholeFile(dir / "locked.html", "kept");
    SetFileAttributesA((dir / "locked.html").c_str(), FILE_ATTRIBUTE_READONLY);
    // Wine run by root may open a read-only file for writing all the same.
    if (TFileHandle(CreateFileA((dir / "locked.html").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr))) {
        GTEST_SKIP() << "this platform lets a read-only file be written";
    }
    SaveWindow window;
    window.StartDir = dir.Path();
    window.Buffer.Add("new");
    DialogSeen error;
    DialogDriver driver;
    driver.SaveAs(dir / "locked.html").Then([](WindowView& w) { w.Press("&Yes"); }).Record(error, "OK");
    window.SaveAs();
    EXPECT_EQ(error.Text, "Cannot create file " + (dir / "locked.html") + ".");
    EXPECT_EQ(ReadWholeFile(dir / "locked.html"), "kept");
    EXPECT_EQ(EntriesIn(dir.Path()), std::vector<std::string>{"locked.html"});
}

namespace {

// A disk of 64 KiB (a tmpfs mounted over a new folder from outside Wine) for a page to fill up.
class SmallDisk {
public:
    explicit SmallDisk(const std::string& folder) : Folder(folder) {
        MakeDirectory(folder);
        FUnixPath = UnixPath(folder);
        FMounted = !FUnixPath.empty() &&
                   RunOutsideWine("mount -t tmpfs -o size=64k tessellor-test '" + FUnixPath + "'", 30000) == 0;
    }
    ~SmallDisk() {
        if (FMounted) RunOutsideWine("umount -l '" + FUnixPath + "'", 30000);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    bool Mounted() const { return FMounted; }

    const std::string Folder;

private:
    std::string FUnixPath;
    bool FMounted = false;
};

}  // namespace

TEST(PageSave, APageThatDoesNotFitLeavesTheOldOneAsItWas) {
    TempDir dir;
    const SmallDisk disk(dir / "small");
    if (!disk.Mounted()) GTEST_SKIP() << "no tmpfs can be mounted here (the tests run as root)";
    const std::string page = disk.Folder + "\\page.html";
    const std::string old = std::string(10000, 'o') + "\r\n";
    WriteWholeFile(page, old);
    SaveWindow window;
    window.StartDir = disk.Folder;
    std::vector<std::string> names;
    for (int i = 0; i < 2000; ++i) names.push_back("picture number " + std::to_string(i) + ".jpg");
    window.Build(names, "", true, true, true);

    DialogDriver driver;
    DialogSeen error;
    driver.SaveAs(page).Then([](WindowView& w) { w.Press("&Yes"); }).Record(error, "OK");
    window.SaveAs();
    EXPECT_EQ(error.Text, "Stream write error.");
    EXPECT_TRUE(ReadWholeFile(page) == old) << "the old page was changed";
    driver.SaveAs(disk.Folder + "\\new.html").Record(error, "OK");
    window.SaveAs();
    EXPECT_EQ(error.Text, "Stream write error.");
    EXPECT_EQ(EntriesIn(disk.Folder), std::vector<std::string>{"page.html"});

    // A page that fits takes the old one's place.
    window.Build({"beach.jpg"}, "", false, false, false);
    driver.SaveAs(page).Then([](WindowView& w) { w.Press("&Yes"); });
    window.SaveAs();
    EXPECT_EQ(ReadWholeFile(page), window.Buffer.Text());
    EXPECT_EQ(EntriesIn(disk.Folder), std::vector<std::string>{"page.html"});
    EXPECT_EQ(driver.Pending(), 0u);
}

TEST(SaveDialog, InitialDirDropsOneTrailingBackslashButKeepsARoot) {
    TSaveDialog dialog(nullptr);
    const struct {
        const char* Given;
        const char* Kept;
    } cases[] = {{"C:\\PICS\\", "C:\\PICS"}, {"C:\\", "C:\\"},     {"C:\\PICS", "C:\\PICS"},
                 {"C:\\A\\\\", "C:\\A\\"},   {"", ""},             {"\\", "\\"},
                 {"D:", "D:"},               {"pics\\", "pics"}};
    for (const auto& c : cases) {
        dialog.SetInitialDir(c.Given);
        EXPECT_EQ(dialog.InitialDir(), c.Kept) << "given " << c.Given;
    }
}

// The new page is made beside the old one under a name of its own: that name must fit the platform's
// path limit wherever the page's own name does.
TEST(PageSave, APageIsWrittenInAFolderNearThePathLimit) {
    TempDir dir;
    const DeepDir deep(dir.Path(), 250);
    const std::string page = deep.Path() + "\\a.htm";
    TStringList buffer;
    buffer.Add("x");
    WritePage(page, buffer);
    EXPECT_EQ(ReadWholeFile(page), "x\r\n");
    WritePage(page, buffer);
    EXPECT_EQ(EntriesIn(deep.Path()), std::vector<std::string>{"a.htm"});
}
