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

// The write of the save step: creates or empties the file at `path` and writes every line of
// `buffer` followed by CR LF in one write. Raises "Cannot create file %s" or "Stream write error".
void WritePage(const std::string& path, const TStrings& buffer);
