#pragma once
// The browsing lists: drives, directories and the files of a directory, linked so that they move
// together and keep the process's current directory.
#include "BrowsePaths.h"
#include "DirectoryListBox.h"
#include "DriveComboBox.h"
#include "FileListBox.h"
