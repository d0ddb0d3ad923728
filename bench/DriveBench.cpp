#include "DriveBench.h"

#include <windows.h>
#include <winnetwk.h>

#include <algorithm>

#include "FloorDrives.h"
#include "Format.h"

namespace {

double DriveFloorSeconds(int& count) {
    const double start = Now();
    count = 0;
    ForEachListedDrive([&](const char* root, UINT kind) {
        ++count;
        if (kind == DRIVE_REMOVABLE) return;
        char name[261] = {};
        DWORD size = sizeof name;
        const char local[] = {root[0], ':', '\0'};
        if (kind == DRIVE_REMOTE && WNetGetConnectionA(local, name, &size) == NO_ERROR) return;
        GetVolumeInformationA(root, name, sizeof name, nullptr, nullptr, nullptr, nullptr, 0);
    });
    return Now() - start;
}

}  // namespace

TBenchRow DriveListRow(TDriveComboBox& list, int runs) {
    TBenchRow row("", runs, true);
    int found = 0;
    for (int run = 0; run < runs; ++run) {
        row.Floor = std::min(row.Floor, DriveFloorSeconds(found));
        const double start = Now();
        list.Rescan();
        row.Seconds = std::min(row.Seconds, Now() - start);
    }
    row.Wait = Format("drive list filling, %d drives", list.Items().Count());
    if (list.Items().Count() != found) row.Remark = Format("(the floor found %d)", found);
    return row;
}
