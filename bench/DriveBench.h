#pragma once
// The drive list filling with the drives of the system, against the floor of asking the platform
// the same questions (the drive mask, each drive's kind, its volume label or network name).
#include "BenchTable.h"
#include "FileCtrl.h"

TBenchRow DriveListRow(TDriveComboBox& list, int runs);
