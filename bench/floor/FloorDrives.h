#pragma once
// The drives a drive list shows, read with bare Win32 calls, for the floors.
#include <windows.h>

// Calls `drive(root, kind)` for every drive of a kind that is listed (removable, fixed, remote,
// CD-ROM, RAM disk), in letter order, with root "a:\" in lower case; the platform's prompts for a
// missing medium are off meanwhile.
template <class Drive>
void ForEachListedDrive(Drive drive) {
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    const DWORD drives = GetLogicalDrives();
    for (int n = 0; n < 26; ++n) {
        if (!(drives & (1u << n))) continue;
        char root[] = "a:\\";
        root[0] = static_cast<char>('a' + n);
        const UINT kind = GetDriveTypeA(root);
        if (kind >= DRIVE_REMOVABLE && kind <= DRIVE_RAMDISK) drive(root, kind);
    }
    SetErrorMode(oldMode);
}
