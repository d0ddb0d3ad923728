#pragma once
// TFileListBox: the sorted list of the files of one directory that match a list of patterns
// ("*.gif;*.jpg"), each with an optional glyph; it keeps its directory as the process's current
// directory, can mirror its selection into an edit, and follows a linked directory list.
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "Bitmap.h"
#include "Edit.h"
#include "ListBox.h"

enum TFileAttr { ftReadOnly, ftHidden, ftSystem, ftVolumeID, ftDirectory, ftArchive, ftNormal };

// A set of TFileAttr: element n is bit n.
class TFileType {
public:
    constexpr TFileType() = default;
    constexpr TFileType(std::initializer_list<TFileAttr> attrs) {
        for (TFileAttr a : attrs) FBits = static_cast<uint8_t>(FBits | (1u << a));
    }
    constexpr bool Contains(TFileAttr a) const { return (FBits >> a) & 1u; }
    constexpr uint8_t Bits() const { return FBits; }
    constexpr bool operator==(const TFileType&) const = default;

private:
    uint8_t FBits = 0;
};

// One line of a file list as read from the directory: its text and its glyph.
struct TFileListEntry {
    std::string Text;
    TObject* Glyph;
};

class TDirectoryListBox;

class TFileListBox : public TCustomListBox {
public:
    explicit TFileListBox(TComponent* owner);
    ~TFileListBox() override;

    const std::string& CurrentDir() const { return FCurrentDir; }
    // Moves to the directory (relative to the process's current one); raises EInOutError when
    // the old or the new directory cannot be entered, and then nothing changes.
    void SetCurrentDir(const std::string& path);
    const std::string& Mask() const { return FMask; }
    void SetMask(const std::string& mask);
    TFileType FileType() const { return FFileType; }
    void SetFileType(TFileType type);
    bool ShowGlyphs() const { return FShowGlyphs; }
    void SetShowGlyphs(bool value);
    TCustomEdit* FileEdit() const { return FFileEdit; }
    void SetFileEdit(TCustomEdit* edit);
    TDirectoryListBox* DirListLink() const { return FDirListLink; }

    // The text of the selected entry, or empty.
    std::string FileName() const;
    // The selected entry's full path, or empty.
    std::string SelectedPath() const;
    // Moves the list (through a linked directory list) to a typed path and selects or masks its file.
    void SetSelectedPath(const std::string& path);

    const TBitmap& ProgramGlyph() const { return *FProgramGlyph; }
    const TBitmap& FolderGlyph() const { return *FFolderGlyph; }
    const TBitmap& OtherFileGlyph() const { return *FOtherFileGlyph; }

    // Re-reads the directory (nothing while the list has no window).
    virtual void Rescan();

    TNotifyEvent OnChange;

    void Click() override;

protected:
    void CreateWnd() override;
    void DrawItem(int index, const RECT& rect, UINT state) override;
    void FontChanged() override;
    void Notification(TComponent* component, TOperation operation) override;
    virtual void NotifyChange();

private:
    // The entry for a found name, or false when the file type leaves it out.
    bool MakeEntry(const char* name, DWORD entryAttributes, DWORD attributes, TFileListEntry& entry) const;
    void InsertEntries(std::vector<TFileListEntry> found);
    void SelectByName(const std::string& name);
    void FitItemHeight();

    std::string FCurrentDir;
    std::string FMask = "*.*";
    TFileType FFileType{ftNormal};
    TCustomEdit* FFileEdit = nullptr;
    TDirectoryListBox* FDirListLink = nullptr;
    std::unique_ptr<TBitmap> FProgramGlyph, FFolderGlyph, FOtherFileGlyph;
    int FLastSelection = -1;
    bool FShowGlyphs = false;

    friend class TDirectoryListBox;  // sets and clears DirListLink
    friend class TFileListRead;      // makes the entries
};
