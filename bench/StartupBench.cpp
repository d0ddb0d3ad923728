#include "StartupBench.h"

#include <windows.h>

#include <algorithm>

#include "Format.h"
#include "ProgramWatch.h"

namespace {

std::string Megabytes(size_t bytes) { return Format("%.0f MB", static_cast<double>(bytes) / 1e6); }

}  // namespace

std::vector<TBenchRow> StartupRows(const TStartupSetup& setup, int runs) {
    TBenchRow shownRow("start to main window shown", runs, true);
    TBenchRow row("start to settled, " + Thousands(setup.StartupImages) + " images", runs, true);
    const std::string program = setup.ProgramDir + "\\tessellor.exe";
    const std::string floorWindow = setup.ProgramDir + "\\floor_window.exe";
    const std::string floorList = setup.ProgramDir + "\\floor_list.exe";
    const TListWatch listed(setup.StartupImages);  // copied afresh for each start
    bool failed = false, showsDefaultDir = true;
    for (int run = 0; run < runs; ++run) {
        double floorShown = 0, listShown = 0, programShown = 0;
        bool floorShows = false, shows = false;
        auto showsSettings = [&](bool& result) {
            return [&](const TStartedProgram& started) { result = ShowsEditText(started.ThreadId(), setup.StartupDir); };
        };
        SecondsToSettle(floorWindow, setup.CurrentDir, ShowsAWindow, floorShown, showsSettings(floorShows));
        const double floorSettled = SecondsToSettle(floorList, setup.StartupDir, listed, listShown);
        const double programSettled =
            SecondsToSettle(program, setup.CurrentDir, listed, programShown, showsSettings(shows));
        if (floorShown < 0 || floorSettled < 0 || programSettled < 0) {
            failed = true;
            continue;
        }
        showsDefaultDir = showsDefaultDir && shows && floorShows;
        shownRow.Floor = std::min(shownRow.Floor, floorShown);
        shownRow.Seconds = std::min(shownRow.Seconds, programShown);
        row.Floor = std::min(row.Floor, floorSettled);
        row.Seconds = std::min(row.Seconds, programSettled);
    }
    if (failed) row.Remark = "(a start did not settle)";
    if (!showsDefaultDir) row.Remark += " (settings not shown)";
    shownRow.Goal = 1.2;
    row.Goal = 1.3;
    return {shownRow, row};
}

TBenchRow MemoryRow(const TStartupSetup& setup) {
    TBenchRow row("memory (GB) with " + Thousands(setup.StartupImages) + " images listed", 1, true);
    size_t floorPeak = 0, programPeak = 0;
    double floorSeconds = 0, programSeconds = 0, shown = 0;
    const TListWatch listed(setup.StartupImages);
    floorSeconds = SecondsToSettle(setup.ProgramDir + "\\floor_list.exe", setup.StartupDir, listed, shown,
                                   [&](const TStartedProgram& started) { floorPeak = started.PeakWorkingSet(); });
    programSeconds = SecondsToSettle(setup.ProgramDir + "\\tessellor.exe", setup.CurrentDir, listed, shown,
                                     [&](const TStartedProgram& started) { programPeak = started.PeakWorkingSet(); });
    if (floorSeconds < 0 || programSeconds < 0 || floorPeak == 0 || programPeak == 0) {
        row.Remark = "(a start did not settle, or its memory is unknown)";
        return row;
    }
    // The table's time columns hold the gigabytes here.
    row.Seconds = static_cast<double>(programPeak) / 1e9;
    row.Floor = static_cast<double>(floorPeak) / 1e9;
    row.Remark = Format("(%s against %s; settled in %.1f s against %.1f s)", Megabytes(programPeak).c_str(),
                        Megabytes(floorPeak).c_str(), programSeconds, floorSeconds);
    row.Goal = 1.3;
    return row;
}
