#include "DriveBench.h"

#include <windows.h>
#include <winnetwk.h>

#include <algorithm>

#include "Format.h"

namespace {

double DriveFloorSeconds(int& count) {
    const double start = Now();
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    count = 0;
    const DWORD drives = GetLogicalDrives();
    for (int n = 0; n < 26; ++n) {
        if (!(drives & (1u << n))) continue;
        char root[] = "a:\\";
        root[0] = static_cast<char>('a' + n);
        const UINT kind = GetDriveTypeA(root);
        if (kind == DRIVE_UNKNOWN || kind == DRIVE_NO_ROOT_DIR) continue;
        ++count;
        if (kind == DRIVE_REMOVABLE) continue;
        char name[261] = {};
        DWORD size = sizeof name;
        const char local[] = {root[0], ':', '\0'};
        if (kind == DRIVE_REMOTE && WNetGetConnectionA(local, name, &size) == NO_ERROR) continue;
        GetVolumeInformationA(root, name, sizeof name, nullptr, nullptr, nullptr, nullptr, 0);
    }
    SetErrorMode(oldMode);
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
