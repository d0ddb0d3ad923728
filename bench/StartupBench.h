#pragma once
// The start, measured from outside the program: the time from starting tessellor.exe until its
// main window shows, against the same window made with bare Win32 calls that shows the settings,
// reads the drives and its start folder into its lists before it shows; and until it has settled (the file list
// of the settings' default directory shown, which it reads after a 200 ms timer), against the
// smallest window program that waits for the same timer, reads its start folder and fills a list
// box. Last, the memory of the program with a large directory listed, against the small list
// program holding the same names.
#include <string>
#include <vector>

#include "BenchTable.h"

struct TStartupSetup {
    std::string ProgramDir;   // holds tessellor.exe, the floor programs and the settings file
    std::string CurrentDir;   // the directory the real program is started in
    std::string StartupDir;   // the settings' default directory, where the floor list starts
    int StartupImages = 0;    // the images in it
};

// Two rows from the same runs: the start until the main window shows, and until it has settled.
std::vector<TBenchRow> StartupRows(const TStartupSetup& setup, int runs);

// The peak working set of the program settled in a directory of many images (the setup's
// program folder has the settings for it), against the floor list program started there.
TBenchRow MemoryRow(const TStartupSetup& setup);
