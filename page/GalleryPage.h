#pragma once
// The gallery page: the lines of an HTML page that shows every GIF and JPG image of a list of
// names, and the save step that writes those lines to a file the user picks.
#include <string>

#include "FileDialog.h"
#include "Strings.h"

// Empties `buffer` and fills it with the page for `names`, in their order.
void BuildPage(const TStrings& names, const std::string& background, bool carriageReturn, bool includeNames,
               bool imageBorder, TStrings& buffer);

// Sets up the save dialog as the main window keeps it.
void ConfigurePageSaveDialog(TSaveDialog& dialog);

// Asks for a file (starting in `startDir`), confirms replacing an existing one, and writes every
// line of `buffer` followed by CR LF in one write. Raises "Cannot create file %s" or "Stream write error".
void SavePage(TSaveDialog& dialog, const TStrings& buffer, const std::string& startDir);

// The write of the save step: writes every line of `buffer` followed by CR LF in one write to a new
// file beside `path`, which takes the place of the file at `path` (and its attributes) only once it
// is whole. Raises "Cannot create file %s" (a device name, a file that is read-only, held by another
// program or no disk file, a folder that takes no new file) or "Stream write error" (a full disk),
// leaving what was at `path` as it was.
void WritePage(const std::string& path, const TStrings& buffer);
