#pragma once
// Start to settled, measured from outside the program: the time from starting tessellor.exe until
// its main window shows the file list of the start-up directory, which it reads only after the
// settings are loaded; against the time from starting the smallest window program until its
// window shows. Both programs are started the same way, from the same folder.
#include <string>
#include <vector>

#include "BenchTable.h"

struct TStartupSetup {
    std::string ProgramDir;   // holds tessellor.exe, floor_window.exe and the settings file
    std::string CurrentDir;   // the directory both programs are started in
    std::string StartupDir;   // the settings' default directory
    int StartupImages = 0;    // the images in it
};

// Two rows from the same runs: the start until the main window shows, and until it has settled.
std::vector<TBenchRow> StartupRows(const TStartupSetup& setup, int runs);
