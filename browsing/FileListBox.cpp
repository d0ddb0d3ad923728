#include "FileListBox.h"

#include <windows.h>

#include <memory>
#include <vector>

#include "BrowsePaths.h"
#include "DirectoryListBox.h"
#include "Exceptions.h"
#include "FileListRead.h"
#include "ListGlyphs.h"
#include "Format.h"
#include "LocaleText.h"
#include "Paths.h"
#include "ScopeGuards.h"
#include "TextOrder.h"

namespace {

bool IsProgramExtension(const std::string& name) {
    const size_t dot = name.rfind('.');
    const std::string ext = AnsiLowerCase(dot == std::string::npos ? std::string() : name.substr(dot));
    return ext == ".exe" || ext == ".com" || ext == ".bat" || ext == ".pif";
}

}  // namespace

TFileListBox::TFileListBox(TComponent* owner)
    : TCustomListBox(owner),
      FProgramGlyph(LoadGlyph("EXECUTABLE")),
      FFolderGlyph(LoadGlyph("CLOSEDFOLDER")),
      FOtherFileGlyph(LoadGlyph("UNKNOWNFILE")) {
    SetWidth(145);
    SetSorted(true);
    FCurrentDir = GetCurrentDir();
    FitItemHeight();
}

TFileListBox::~TFileListBox() = default;

void TFileListBox::CreateWnd() {
    TCustomListBox::CreateWnd();
    Rescan();
}

void TFileListBox::SetCurrentDir(const std::string& path) {
    if (AnsiSameText(path, FCurrentDir)) return;
    FCurrentDir = EnterDirFrom(FCurrentDir, path);
    Rescan();
}

void TFileListBox::SetMask(const std::string& mask) {
    if (mask == FMask) return;
    FMask = mask;
    Rescan();
}

void TFileListBox::SetFileType(TFileType type) {
    if (type == FFileType) return;
    FFileType = type;
    Rescan();
}

void TFileListBox::Rescan() {
    if (!HandleAllocated()) return;
    ChangeDir(FCurrentDir);
    Items().Clear();
    {
        // The directory list's read of this directory in the same move, when it stands for the
        // list's own; one not taken puts the cursor back before the list's own read remembers it.
        std::unique_ptr<TFileListRead> read = FDirListLink ? FDirListLink->TakeFilesRead() : nullptr;
        if (read && !read->StandsFor(*this)) read.reset();
        if (!read) {
            read = std::make_unique<TFileListRead>(*this, FCurrentDir);
            read->Read();
        }
        InsertEntries(read->TakeEntries());
    }
    NotifyChange();
}

bool TFileListBox::MakeEntry(const char* name, DWORD entryAttributes, DWORD attributes, TFileListEntry& entry) const {
    if (!FFileType.Contains(ftNormal) && (entryAttributes & attributes) == 0) return false;
    if (entryAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        entry = {Format("[%s]", name), FShowGlyphs ? FFolderGlyph.get() : nullptr};
    } else {
        entry.Text = name;
        entry.Glyph = IsProgramExtension(entry.Text) ? FProgramGlyph.get() : FOtherFileGlyph.get();
    }
    return true;
}

// The entries go into the list in the order in which they were found, each at its sorted
// position. In a sorted list the lines are added in their final order, which gives the same lines,
// order and positions as adding them one by one, without the platform list moving its lines for
// every insertion.
void TFileListBox::InsertEntries(std::vector<TFileListEntry> found) {
    if (!Sorted()) {
        for (const TFileListEntry& entry : found) Items().AddObject(entry.Text, entry.Glyph);
        return;
    }
    // Final order: ascending ignoring case; equal texts in the order found (each after the ones before).
    const std::vector<int> order =
        StableOrderIgnoringCase(found.size(), [&](size_t i) -> const std::string& { return found[i].Text; });
    // The texts move into the lines, and what was read is given back before the window fills.
    std::vector<std::pair<std::string, TObject*>> lines;
    lines.reserve(found.size());
    for (int index : order) lines.emplace_back(std::move(found[index].Text), found[index].Glyph);
    std::vector<TFileListEntry>().swap(found);
    const TUpdateScope update(Items());
    Items().AppendLines(lines);
}

void TFileListBox::NotifyChange() {
    FLastSelection = ItemIndex();
    if (FFileEdit) {
        const std::string name = FileName();
        FFileEdit->SetText(name.empty() ? FMask : name);
        FFileEdit->SelectAll();
    }
    if (OnChange) OnChange(this);
}

void TFileListBox::Click() {
    TCustomListBox::Click();
    if (ItemIndex() != FLastSelection) NotifyChange();
}

std::string TFileListBox::FileName() const {
    const int index = ItemIndex();
    if (index < 0 || Items().Count() == 0 || !Selected(index)) return std::string();
    return Items().Get(index);
}

std::string TFileListBox::SelectedPath() const {
    const std::string name = FileName();
    return name.empty() ? std::string() : JoinPath(FCurrentDir, name);
}

void TFileListBox::SelectByName(const std::string& name) {
    if (AnsiSameText(name, FileName())) return;
    // From the second entry to the end, then the first, as the platform list searches.
    int found = -1;
    const int count = Items().Count();
    for (int step = 1; step <= count && found < 0; ++step) {
        const int i = step % count;
        if (AnsiSameText(Items().Get(i), name)) found = i;
    }
    SetItemIndex(found);
    NotifyChange();
}

void TFileListBox::SetSelectedPath(const std::string& path) {
    if (path.empty() || AnsiSameText(path, SelectedPath())) return;
    const TTargetPath target = SplitTargetPathOrFollow(path, [this] {
        if (FDirListLink)
            FDirListLink->FollowProcessDir();
        else if (HasLeftRemovedDir(FCurrentDir))
            SetCurrentDir(GetCurrentDir());
    });
    if (FDirListLink)
        FDirListLink->SetCurrentDir(path);
    else
        SetCurrentDir(Format("%c:%s", target.Drive, target.Dir.c_str()));
    if (IsPattern(target.File)) {
        SetMask(target.File);
    } else if (!target.File.empty()) {
        SelectByName(target.File);
        if (!IsExistingFile(target.File)) throw EInvalidOperation(Format("Invalid file name - %s", path.c_str()));
        if (ItemIndex() < 0 || FileName().empty()) {
            SetMask(target.File);
            SelectByName(target.File);
        }
    }
}

void TFileListBox::SetShowGlyphs(bool value) {
    if (value == FShowGlyphs) return;
    FShowGlyphs = value;
    if (value && ItemHeight() < FProgramGlyph->Height() + 1) FitItemHeight();
    Invalidate();
}

void TFileListBox::SetFileEdit(TCustomEdit* edit) {
    if (FFileEdit) RemoveFreeNotification(FFileEdit);
    FFileEdit = edit;
    if (!edit) return;
    FreeNotification(edit);
    // The edit shows at once what the list holds: the selected entry, or the mask.
    const std::string name = FileName();
    edit->SetText(name.empty() ? FMask : name);
}

void TFileListBox::FitItemHeight() {
    SetItemHeight(GlyphLineHeight(EffectiveFont(), FShowGlyphs ? FProgramGlyph->Height() + 1 : 0));
}

void TFileListBox::FontChanged() {
    TCustomListBox::FontChanged();
    FitItemHeight();
}

void TFileListBox::Notification(TComponent* component, TOperation operation) {
    TCustomListBox::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == FFileEdit) FFileEdit = nullptr;
    if (component == FDirListLink) FDirListLink = nullptr;
}

void TFileListBox::DrawItem(int index, const RECT& rect, UINT) {
    const TBitmap* glyph = FShowGlyphs ? dynamic_cast<TBitmap*>(Items().GetObject(index)) : nullptr;
    DrawGlyphLine(Canvas(), rect, glyph, 2, 0, Items().Get(index), TGlyphText::AtTop);
}
