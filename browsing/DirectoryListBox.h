#pragma once
// TDirectoryListBox: where the user stands in the directory tree of one drive (a line per level of
// the current directory, then its subdirectories) and the way to move: opening a line makes its
// directory current. It keeps the process's current directory, moves a linked file list, shows the
// directory in a linked label and changes drive through a linked drive list.
#include <memory>
#include <string>

#include "Bitmap.h"
#include "Label.h"
#include "ListBox.h"

class TFileListBox;
class TFileListRead;
class TDriveComboBox;

class TDirectoryListBox : public TCustomListBox {
public:
    explicit TDirectoryListBox(TComponent* owner);
    ~TDirectoryListBox() override;

    const std::string& CurrentDir() const { return FCurrentDir; }
    // Moves to a typed directory (or a file's directory), switching drive when it names another;
    // raises EInOutError when it cannot, and then nothing has moved.
    virtual void SetCurrentDir(const std::string& path);
    char DriveLetter() const { return FCurrentDir.empty() ? '\0' : FCurrentDir[0]; }
    // Moves to the directory last used on another drive.
    void MoveToDrive(char letter);
    // Rebuilds the lines from CurrentDir.
    virtual void Rescan();
    // Tells the file list, the label and OnChange where the list now stands.
    virtual void NotifyChange();
    // The directory that line `index` stands for; empty past the last line.
    std::string LinePath(int index) const;
    void OpenSelectedLine();
    // After a failed move that could not put the process back into CurrentDir (it was removed),
    // the process stands elsewhere: the list (and its file list) goes there, so that both agree.
    // Nothing happens while CurrentDir exists.
    void FollowProcessDir();

    TFileListBox* FileList() const { return FFileList; }
    void SetFileList(TFileListBox* list);
    TLabel* DirLabel() const { return FDirLabel; }
    void SetDirLabel(TLabel* label);
    TDriveComboBox* DriveListLink() const { return FDriveListLink; }

    bool CasePreserved() const { return FCasePreserved; }
    bool CaseSensitiveVolume() const { return FCaseSensitiveVolume; }
    const TBitmap& FolderClosedGlyph() const { return *FFolderClosedGlyph; }
    const TBitmap& FolderOpenGlyph() const { return *FFolderOpenGlyph; }
    const TBitmap& FolderCurrentGlyph() const { return *FFolderCurrentGlyph; }

    TNotifyEvent OnChange;

    void DblClick() override;

protected:
    void CreateWnd() override;
    void DrawItem(int index, const RECT& rect, UINT state) override;
    void KeyPress(char& key) override;
    bool WantsReturn() const override { return true; }
    void FontChanged() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void EnterDir(const std::string& path);
    void RescanAndNotify();
    // What this move's read of the directory found for the file list, taken once.
    std::unique_ptr<TFileListRead> TakeFilesRead();
    void UpdateLabel();
    void FitItemHeight();
    int CurrentLine() const;

    TFileListBox* FFileList = nullptr;
    TDriveComboBox* FDriveListLink = nullptr;
    TLabel* FDirLabel = nullptr;
    bool FSwitchingDrive = false;
    bool FFollowing = false;
    bool FMoving = false;
    bool FCasePreserved = false;
    bool FCaseSensitiveVolume = false;
    std::unique_ptr<TBitmap> FFolderClosedGlyph, FFolderOpenGlyph, FFolderCurrentGlyph;
    std::string FCurrentDir;
    std::unique_ptr<TFileListRead> FFilesRead;

    friend class TDriveComboBox;  // sets and clears DriveListLink
    friend class TFileListBox;    // takes the files read
};
