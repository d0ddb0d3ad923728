#pragma once
// TDriveComboBox: a drop-down list of the system's drives in letter order, each with the glyph of
// its kind and its volume label or network name. Choosing a drive moves a linked directory list to
// the directory last used on it.
#include <memory>
#include <string>

#include "Bitmap.h"
#include "ComboBox.h"

class TDirectoryListBox;

enum class TTextCase { tcLowerCase, tcUpperCase };

class TDriveComboBox : public TCustomComboBox {
public:
    explicit TDriveComboBox(TComponent* owner);
    ~TDriveComboBox() override;

    char DriveLetter() const { return FDriveLetter; }
    // Makes the drive current: selects its entry and moves the linked directory list there. When
    // the directory list cannot move, the list goes back to the drive the directory list is on and
    // the error is raised.
    void SetDriveLetter(char letter);
    TDirectoryListBox* DirList() const { return FDirList; }
    void SetDirList(TDirectoryListBox* list);
    TTextCase TextCase() const { return FTextCase; }
    // Rebuilds the list and applies the current drive again, even for the value it has.
    void SetTextCase(TTextCase value);

    // Fills the list with the drives the system reports.
    virtual void Rescan();

    const TBitmap& FloppyGlyph() const { return *FFloppyGlyph; }
    const TBitmap& FixedGlyph() const { return *FFixedGlyph; }
    const TBitmap& NetworkGlyph() const { return *FNetworkGlyph; }
    const TBitmap& CdromGlyph() const { return *FCdromGlyph; }
    const TBitmap& RamGlyph() const { return *FRamGlyph; }

    // Fired after every effective drive change (the base's own change notification is not used).
    TNotifyEvent OnChange;

    // The user's pick. When the drive cannot be made current, its entry stays selected while the
    // user is still choosing, so that the arrow keys go on from it to the drives beyond; the list
    // goes back to the directory list's drive when the choice ends: when the user closes the
    // drop-down or moves the focus to another control of the window. The error is raised.
    void Click() override;
    void WndProc(TMessage& message) override;

protected:
    void CreateWnd() override;
    void DrawItem(int index, const RECT& rect, UINT state) override;
    void FontChanged() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    // The drive letter in the list's text case.
    char InTextCase(char letter) const;
    std::string VolumeLabelText(char letter) const;
    std::string RemoteNameText(char letter) const;
    void SelectDrive(char letter);
    // The choice ended: a failed entry left selected gives way to the current drive's.
    void EndChoice();
    void FitItemHeight();

    TDirectoryListBox* FDirList = nullptr;
    char FDriveLetter;
    TTextCase FTextCase = TTextCase::tcLowerCase;
    bool FShowsFailedDrive = false;
    std::unique_ptr<TBitmap> FFloppyGlyph, FFixedGlyph, FNetworkGlyph, FCdromGlyph, FRamGlyph;
};
