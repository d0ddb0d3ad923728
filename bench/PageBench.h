#pragma once
// Generate and save: the page built from the file list's names into the line buffer, and the
// buffer written to a file in one write, timed together from the first line built until the file
// is closed. The save dialog and its confirmation, which wait for the user, are left out.
#include <string>

#include "BenchTable.h"
#include "Strings.h"

TBenchRow PageRow(const TStrings& names, TStrings& buffer, const std::string& path, int runs);
