#include "DirectoryListBox.h"

#include <vector>

#include "BrowsePaths.h"
#include "DriveComboBox.h"
#include "Exceptions.h"
#include "FileFind.h"
#include "FileListBox.h"
#include "FileListRead.h"
#include "ListGlyphs.h"
#include "LocaleText.h"
#include "Paths.h"
#include "ScopeGuards.h"
#include "TextOrder.h"

TDirectoryListBox::TDirectoryListBox(TComponent* owner)
    : TCustomListBox(owner),
      FFolderClosedGlyph(LoadGlyph("CLOSEDFOLDER")),
      FFolderOpenGlyph(LoadGlyph("OPENFOLDER")),
      FFolderCurrentGlyph(LoadGlyph("CURRENTFOLDER")) {
    SetWidth(145);
    FCurrentDir = GetCurrentDir();
    FitItemHeight();
}

TDirectoryListBox::~TDirectoryListBox() = default;

void TDirectoryListBox::CreateWnd() {
    TCustomListBox::CreateWnd();
    Rescan();
}

void TDirectoryListBox::Rescan() {
    {
        const TUpdateScope update(Items());  // no repainting for the rebuild, also when it fails
        Items().Clear();
        const std::string root = std::string(1, DriveLetter()) + ":\\";
        DWORD flags = 0;
        if (!GetVolumeInformationA(root.c_str(), nullptr, 0, nullptr, nullptr, &flags, nullptr, 0)) flags = 0;
        FCasePreserved = (flags & (FILE_CASE_SENSITIVE_SEARCH | FILE_CASE_PRESERVED_NAMES)) != 0;
        FCaseSensitiveVolume = (flags & FILE_CASE_SENSITIVE_SEARCH) != 0;

        // One line per level of the path: the root, the folders above, the current directory.
        std::string rest = FCurrentDir;
        if (rest.empty() || rest.back() != '\\') {
            bool first = true;
            for (size_t separator = rest.find('\\'); separator != std::string::npos; separator = rest.find('\\')) {
                std::string piece = rest.substr(0, separator);
                if (first) piece += '\\';
                first = false;
                rest.erase(0, separator + 1);
                Items().AddObject(piece, FFolderOpenGlyph.get());
            }
        }
        Items().AddObject(rest, FFolderCurrentGlyph.get());

        // A move's read gives the file list its entries too, so that it need not read the directory again.
        std::unique_ptr<TFileListRead> filesRead =
            FMoving && FFileList ? TFileListRead::Along(*FFileList, FCurrentDir) : nullptr;
        std::vector<std::string> subdirectories;
        TFileFind find(JoinPath(FCurrentDir, "*.*"), FILE_ATTRIBUTE_DIRECTORY);
        while (find.Next()) {
            if (filesRead) filesRead->Offer(find);
            std::string name = find.Name();
            if ((find.Attributes() & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != "..")
                subdirectories.push_back(std::move(name));
        }
        // In order ignoring case; of names equal but for case only the first found is shown.
        const std::vector<int> order = StableOrderIgnoringCase(
            subdirectories.size(), [&](size_t i) -> const std::string& { return subdirectories[i]; });
        const std::string* previous = nullptr;
        for (int index : order) {
            const std::string& name = subdirectories[static_cast<size_t>(index)];
            if (previous && AnsiSameText(*previous, name)) continue;
            Items().AddObject(name, FFolderClosedGlyph.get());
            previous = &name;
        }
        FFilesRead = std::move(filesRead);
    }
    if (HandleAllocated()) SetItemIndex(CurrentLine());
}

int TDirectoryListBox::CurrentLine() const {
    for (int i = 0; i < Items().Count(); ++i)
        if (Items().GetObject(i) == FFolderCurrentGlyph.get()) return i;
    return -1;
}

void TDirectoryListBox::SetCurrentDir(const std::string& path) {
    if (path.empty()) return;
    if ((FCaseSensitiveVolume ? AnsiCompareStr(path, FCurrentDir) : AnsiCompareText(path, FCurrentDir)) == 0) return;
    const TTargetPath target = SplitTargetPathOrFollow(path, [this] { FollowProcessDir(); });
    if (target.Drive != DriveLetter()) {
        const TRestore switching(FSwitchingDrive, true);
        if (FDriveListLink)
            FDriveListLink->SetDriveLetter(target.Drive);
        else
            MoveToDrive(target.Drive);
    }
    EnterDir(target.Dir);
}

void TDirectoryListBox::FollowProcessDir() {
    if (FFollowing || !HasLeftRemovedDir(FCurrentDir)) return;
    const TRestore following(FFollowing, true);
    SetCurrentDir(GetCurrentDir());
}

void TDirectoryListBox::MoveToDrive(char letter) {
    if (AnsiUpperChar(letter) == AnsiUpperChar(DriveLetter())) return;
    ChangeDir(std::string(1, letter) + ":");
    FCurrentDir = GetCurrentDir();
    if (!FSwitchingDrive) RescanAndNotify();
}

void TDirectoryListBox::EnterDir(const std::string& path) {
    FCurrentDir = EnterDirFrom(FCurrentDir, path);
    RescanAndNotify();
}

// The file list, moved along, takes what the read found for it; what it leaves ends with the move.
void TDirectoryListBox::RescanAndNotify() {
    const TRestore moving(FMoving, true);
    const TAtScopeExit dropFilesRead([this] { FFilesRead.reset(); });
    Rescan();
    NotifyChange();
}

std::unique_ptr<TFileListRead> TDirectoryListBox::TakeFilesRead() { return std::move(FFilesRead); }

void TDirectoryListBox::NotifyChange() {
    if (FFileList) FFileList->SetCurrentDir(FCurrentDir);
    UpdateLabel();
    if (OnChange) OnChange(this);
}

std::string TDirectoryListBox::LinePath(int index) const {
    if (index < 0 || index >= Items().Count()) return std::string();
    if (index == 0) return std::string(1, DriveLetter()) + ":\\";
    const TObject* glyph = Items().GetObject(index);
    if (glyph == FFolderClosedGlyph.get()) return JoinPath(FCurrentDir, Items().Get(index));
    if (glyph == FFolderCurrentGlyph.get()) return FCurrentDir;
    size_t end = 0;
    for (int separators = 0; separators <= index; ++separators) {
        end = FCurrentDir.find('\\', separators == 0 ? 0 : end + 1);
        if (end == std::string::npos) return FCurrentDir;
    }
    return FCurrentDir.substr(0, end);
}

void TDirectoryListBox::OpenSelectedLine() { SetCurrentDir(LinePath(ItemIndex())); }

void TDirectoryListBox::DblClick() {
    TCustomListBox::DblClick();
    OpenSelectedLine();
}

void TDirectoryListBox::KeyPress(char& key) {
    TCustomListBox::KeyPress(key);
    if (key == '\r') OpenSelectedLine();
}

void TDirectoryListBox::SetFileList(TFileListBox* list) {
    if (FFileList) FFileList->FDirListLink = nullptr;
    FFileList = list;
    if (list) {
        list->FDirListLink = this;
        FreeNotification(list);
    }
}

void TDirectoryListBox::SetDirLabel(TLabel* label) {
    FDirLabel = label;
    if (label) FreeNotification(label);
    UpdateLabel();
}

void TDirectoryListBox::UpdateLabel() {
    if (!FDirLabel) return;
    TCanvas canvas;
    canvas.Font().Assign(FDirLabel->EffectiveFont());
    const int width = FDirLabel->AutoSize ? Width() : FDirLabel->Width();
    FDirLabel->SetCaption(ShortenPathToWidth(FCurrentDir, canvas, width));
}

void TDirectoryListBox::FitItemHeight() {
    SetItemHeight(GlyphLineHeight(EffectiveFont(), FFolderOpenGlyph->Height() + 1));
}

void TDirectoryListBox::FontChanged() {
    TCustomListBox::FontChanged();
    FitItemHeight();
}

void TDirectoryListBox::Notification(TComponent* component, TOperation operation) {
    TCustomListBox::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == FFileList) FFileList = nullptr;
    if (component == FDriveListLink) FDriveListLink = nullptr;
    if (component == FDirLabel) FDirLabel = nullptr;
}

void TDirectoryListBox::DrawItem(int index, const RECT& rect, UINT) {
    const auto* glyph = dynamic_cast<TBitmap*>(Items().GetObject(index));
    // The subdirectories stand one step in from the current directory's line.
    const int level = glyph && glyph == FFolderClosedGlyph.get() ? CurrentLine() + 1 : index;
    const std::string text = Items().Get(index);
    DrawGlyphLine(Canvas(), rect, glyph, level * 4 + 2, 20,
                  FCasePreserved || FCaseSensitiveVolume ? text : AnsiLowerCase(text), TGlyphText::AtTop);
}
