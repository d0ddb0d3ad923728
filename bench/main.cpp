// Measures every wait a user has and prints one table: each wait the best of a number of runs,
// beside a floor measured in the same run, with their ratio and the goal. The test directories are
// made before this program starts (scripts/bench.sh); their paths come on the command line:
//   tessellor_bench --images COUNT DIR (repeatable) --open COUNT --subdirs COUNT DIR --startup COUNT DIR
//                   --memory COUNT DIR --empty DIR --program DIR --memory-program DIR --page FILE
// --open names the images directory that is opened from its parent; --memory-program is a folder
// with the programs and settings whose default directory is the --memory one.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "Application.h"
#include "BenchTable.h"
#include "DriveBench.h"
#include "FileCtrl.h"
#include "Form.h"
#include "ListBench.h"
#include "Memo.h"
#include "PageBench.h"
#include "StartupBench.h"

namespace {

struct TBenchArguments {
    std::vector<std::pair<int, std::string>> Images;
    std::pair<int, std::string> Subdirs{0, ""};
    std::pair<int, std::string> Startup{0, ""};
    std::pair<int, std::string> Memory{0, ""};
    int Open = 0;
    std::string Empty, Program, MemoryProgram, Page;
};

bool ParseArguments(int argc, char** argv, TBenchArguments& args) {
    for (int i = 1; i < argc; ++i) {
        const std::string key = argv[i];
        const bool counted = key == "--images" || key == "--subdirs" || key == "--startup" || key == "--memory";
        if (i + (counted ? 2 : 1) >= argc) return false;
        if (counted) {
            std::pair<int, std::string> value{std::atoi(argv[i + 1]), argv[i + 2]};
            i += 2;
            if (key == "--images") args.Images.push_back(value);
            else if (key == "--subdirs") args.Subdirs = value;
            else if (key == "--memory") args.Memory = value;
            else args.Startup = value;
        } else if (key == "--open") {
            args.Open = std::atoi(argv[++i]);
        } else if (key == "--memory-program") {
            args.MemoryProgram = argv[++i];
        } else if (key == "--empty") {
            args.Empty = argv[++i];
        } else if (key == "--program") {
            args.Program = argv[++i];
        } else if (key == "--page") {
            args.Page = argv[++i];
        } else {
            return false;
        }
    }
    return !args.Images.empty() && !args.Subdirs.second.empty() && !args.Startup.second.empty() &&
           !args.Memory.second.empty() && !args.Empty.empty() && !args.Program.empty() &&
           !args.MemoryProgram.empty() && !args.Page.empty();
}

}  // namespace

int main(int argc, char** argv) {
    TBenchArguments args;
    if (!ParseArguments(argc, argv, args)) {
        fprintf(stderr, "usage: tessellor_bench --images COUNT DIR ... --open COUNT --subdirs COUNT DIR "
                        "--startup COUNT DIR --memory COUNT DIR --empty DIR --program DIR --memory-program DIR "
                        "--page FILE\n");
        return 2;
    }
    TApplication application;
    application.Initialize();
    application.Title = "Tessellor bench";

    // The lists as the main window has them, in a window of their own.
    TForm form(&application);
    form.SetClientSize(320, 420);
    auto* files = new TFileListBox(&form);
    files->SetMask("*.gif;*.jpg");
    files->SetCurrentDir(args.Empty);
    files->SetParent(&form);
    files->SetBounds(172, 40, 145, 133);
    auto* dirs = new TDirectoryListBox(&form);
    dirs->SetCurrentDir(args.Empty);
    dirs->SetParent(&form);
    dirs->SetBounds(12, 42, 145, 105);
    auto* drives = new TDriveComboBox(&form);
    drives->SetParent(&form);
    drives->SetBounds(12, 154, 145, 19);
    auto* memo = new TMemo(&form);
    memo->SetVisible(false);
    memo->SetParent(&form);
    form.HandleNeeded();
    // The floors' list box: the platform's own, beside the file list.
    HWND floorList = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                                     172, 180, 145, 133, form.Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);

    TBenchTable table;
    table.PrintHeader();
    // Fewer runs of the large directories, so that the whole table takes under four minutes; more of
    // the short waits that swing from run to run (opening a directory, the start).
    for (const auto& [count, dir] : args.Images) {
        table.Add(FileListRow(*files, floorList, dir, args.Empty, count, count <= 10000 ? 9 : count <= 100000 ? 5 : 2));
        if (count >= 100000) table.Add(PageRow(files->Items(), memo->Lines, args.Page, count <= 100000 ? 3 : 1));
        if (count == args.Open) {
            files->SetCurrentDir(args.Empty);
            dirs->SetFileList(files);
            table.Add(OpenDirectoryRow(*dirs, floorList, dir, count, 5));
            dirs->SetFileList(nullptr);
            dirs->SetCurrentDir(args.Empty);
        }
    }
    files->SetCurrentDir(args.Empty);
    table.Add(DirectoryListRow(*dirs, floorList, args.Subdirs.second, args.Empty, args.Subdirs.first, 5));
    dirs->SetCurrentDir(args.Empty);
    for (const TBenchRow& row : StartupRows({args.Program, args.Empty, args.Startup.second, args.Startup.first}, 15))
        table.Add(row);
    table.Add(MemoryRow({args.MemoryProgram, args.Empty, args.Memory.second, args.Memory.first}));
    table.Add(DriveListRow(*drives, 10));
    printf("%s\n", table.AllWithinGoal() ? "Every wait is within its goal." : "A wait MISSED its goal.");
    return 0;
}
