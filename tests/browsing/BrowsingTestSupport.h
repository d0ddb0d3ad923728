#pragma once
// Shared by the browsing tests: a shown form to put the lists on, the lines of a list, files made
// with given attributes, and the drives that tests/browsing/prefix-setup.sh adds to the prefix.
#include <string>
#include <vector>

#include "FileCtrl.h"
#include "Form.h"
#include "Screen.h"
#include "Strings.h"
#include "TestFiles.h"

// Drives of the test prefix.
constexpr char kRemovableDrive = 'm';
constexpr char kPhotosDrive = 'n';     // CD-ROM labelled PHOTOS, with \Album holding beach.jpg and harbour.gif
constexpr char kNetworkDrive = 'p';    // labelled SHARE
constexpr char kNotReadyDrive = 'q';   // CD-ROM whose medium is missing
constexpr char kRamDrive = 'r';        // \case holds Same.gif, same.GIF and the folders Photos, photos
constexpr char kNoRootDrive = 'o';     // a link to nothing on a plain drive

// A visible form that owns what is put on it and puts the process back where it stood.
class HostForm : public TForm {
public:
    HostForm();
    ~HostForm() override;

private:
    std::string FSavedDir;
};

// The drive list, the directory list and the file list linked as in the main window, on a shown
// form, started in `start`.
struct LinkedLists {
    HostForm form;
    TDriveComboBox* drives;
    TDirectoryListBox* dirs;
    TFileListBox* files;
    explicit LinkedLists(const std::string& start);
};

std::vector<std::string> Lines(const TStrings& items);
void Touch(const std::string& path, unsigned attributes = 0);
// Sets a directory's last write an hour back, as of a folder that has stood a while.
void AgeDirectory(const std::string& path);

// Every change of the screen cursor while it lives.
class CursorLog {
public:
    CursorLog();
    ~CursorLog();
    std::vector<TCursor> Changes;
};

// A user's pick in a drop-down list: the selection, then the notification its parent gets.
void ChooseEntry(TCustomComboBox& combo, int index);
// A user's double click on a line of a list.
void DoubleClickLine(TCustomListBox& list, int index);
// A user's click on a line (selection and its notification).
void ClickLine(TCustomListBox& list, int index);
