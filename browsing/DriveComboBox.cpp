#include "DriveComboBox.h"

#include <windows.h>
#include <winnetwk.h>

#include "DirectoryListBox.h"
#include "Format.h"
#include "ListGlyphs.h"
#include "LocaleText.h"
#include "Paths.h"
#include "ScopeGuards.h"

namespace {

constexpr DWORD kNameBufferSize = 261;

std::string InLetterCase(const std::string& text, char letter) {
    return letter < 'a' ? AnsiUpperCase(text) : AnsiLowerCase(text);
}

}  // namespace

TDriveComboBox::TDriveComboBox(TComponent* owner)
    : TCustomComboBox(owner),
      FFloppyGlyph(LoadGlyph("FLOPPY")),
      FFixedGlyph(LoadGlyph("HARD")),
      FNetworkGlyph(LoadGlyph("NETWORK")),
      FCdromGlyph(LoadGlyph("CDROM")),
      FRamGlyph(LoadGlyph("RAM")) {
    SetStyle(TComboBoxStyle::csOwnerDrawFixed);
    const std::string current = GetCurrentDir();
    FDriveLetter = current.empty() ? 'c' : current[0];
    FitItemHeight();
}

TDriveComboBox::~TDriveComboBox() = default;

void TDriveComboBox::CreateWnd() {
    TCustomComboBox::CreateWnd();
    Rescan();
    SetDriveLetter(FDriveLetter);
}

void TDriveComboBox::Rescan() {
    FShowsFailedDrive = false;
    SetItemIndex(-1);
    Items().Clear();
    const DWORD drives = GetLogicalDrives();
    for (int n = 0; n < 26; ++n) {
        if (!(drives & (1u << n))) continue;
        const char letter = InTextCase(static_cast<char>('a' + n));
        const std::string root = Format("%c:\\", letter);
        const UINT kind = GetDriveTypeA(root.c_str());
        switch (kind) {
        case DRIVE_REMOVABLE: Items().AddObject(Format("%c:", letter), FFloppyGlyph.get()); break;
        case DRIVE_FIXED:
            Items().AddObject(Format("%c: %s", letter, VolumeLabelText(letter).c_str()), FFixedGlyph.get());
            break;
        case DRIVE_REMOTE:
            Items().AddObject(Format("%c: %s", letter, RemoteNameText(letter).c_str()), FNetworkGlyph.get());
            break;
        case DRIVE_CDROM:
            Items().AddObject(Format("%c: %s", letter, VolumeLabelText(letter).c_str()), FCdromGlyph.get());
            break;
        case DRIVE_RAMDISK:
            Items().AddObject(Format("%c: %s", letter, VolumeLabelText(letter).c_str()), FRamGlyph.get());
            break;
        default: break;  // unknown kind, or no root directory
        }
    }
}

char TDriveComboBox::InTextCase(char letter) const {
    const char upper = AnsiUpperChar(letter);
    return FTextCase == TTextCase::tcUpperCase ? upper : static_cast<char>(upper + 32);
}

std::string TDriveComboBox::VolumeLabelText(char letter) const {
    char label[kNameBufferSize] = {};
    {
        // The platform fails instead of asking the user about a missing medium.
        const TAtScopeExit restoreErrorMode(
            [oldMode = SetErrorMode(SEM_FAILCRITICALERRORS)] { SetErrorMode(oldMode); });
        const std::string root = Format("%c:\\", letter);
        if (!GetVolumeInformationA(root.c_str(), label, kNameBufferSize, nullptr, nullptr, nullptr, nullptr, 0))
            label[0] = '\0';
    }
    return Format("[%s]", InLetterCase(label, letter).c_str());
}

std::string TDriveComboBox::RemoteNameText(char letter) const {
    char name[kNameBufferSize] = {};
    DWORD size = kNameBufferSize;
    const std::string local = Format("%c:", letter);
    if (WNetGetConnectionA(local.c_str(), name, &size) != NO_ERROR) return VolumeLabelText(letter);
    return InLetterCase(name, letter);
}

void TDriveComboBox::SelectDrive(char letter) {
    const char upper = AnsiUpperChar(letter);
    for (int i = 0; i < Items().Count(); ++i) {
        const std::string text = Items().Get(i);
        if (text.size() >= 2 && AnsiUpperChar(text[0]) == upper && text[1] == ':') {
            SetItemIndex(i);
            return;
        }
    }
}

void TDriveComboBox::EndChoice() {
    if (!FShowsFailedDrive) return;
    FShowsFailedDrive = false;
    SelectDrive(FDriveLetter);
}

void TDriveComboBox::SetDriveLetter(char letter) {
    EndChoice();
    if (ItemIndex() >= 0 && AnsiUpperChar(letter) == AnsiUpperChar(FDriveLetter)) return;
    FDriveLetter = InTextCase(letter);
    SelectDrive(FDriveLetter);
    if (FDirList) {
        try {
            FDirList->MoveToDrive(FDriveLetter);
        } catch (...) {
            // Back to the drive the directory list stands on, so that the list never shows a drive
            // it is not on and choosing the failed drive again tries again.
            FDriveLetter = InTextCase(FDirList->DriveLetter());
            SelectDrive(FDriveLetter);
            throw;
        }
    }
    if (OnChange) OnChange(this);
}

void TDriveComboBox::SetTextCase(TTextCase value) {
    FTextCase = value;
    Rescan();
    SetDriveLetter(FDriveLetter);
}

void TDriveComboBox::SetDirList(TDirectoryListBox* list) {
    if (FDirList) FDirList->FDriveListLink = nullptr;
    FDirList = list;
    if (list) {
        list->FDriveListLink = this;
        FreeNotification(list);
    }
}

void TDriveComboBox::Click() {
    TCustomComboBox::Click();
    const int index = ItemIndex();
    if (index < 0) return;
    FShowsFailedDrive = false;  // the user has moved on from it
    try {
        SetDriveLetter(Items().Get(index)[0]);
    } catch (...) {
        SetItemIndex(index);
        FShowsFailedDrive = true;
        throw;
    }
}

void TDriveComboBox::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CN_COMMAND:
        // Closed by the user; a drop-down that closes because an error box took the focus is not.
        if (HIWORD(message.WParam) == CBN_CLOSEUP && GetFocus() == Handle()) EndChoice();
        break;
    case WM_KILLFOCUS: {
        // To another control of this window; the error box, or another program, ends nothing.
        HWND next = reinterpret_cast<HWND>(message.WParam);
        if (next && GetAncestor(next, GA_ROOT) == GetAncestor(Handle(), GA_ROOT)) EndChoice();
        break;
    }
    default:
        break;
    }
    TCustomComboBox::WndProc(message);
}

void TDriveComboBox::FitItemHeight() {
    SetItemHeight(GlyphLineHeight(EffectiveFont(), FFloppyGlyph->Height()));
}

void TDriveComboBox::FontChanged() {
    TCustomComboBox::FontChanged();
    FitItemHeight();
    RecreateWnd();
}

void TDriveComboBox::Notification(TComponent* component, TOperation operation) {
    TCustomComboBox::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FDirList) FDirList = nullptr;
}

void TDriveComboBox::DrawItem(int index, const RECT& rect, UINT) {
    DrawGlyphLine(Canvas(), rect, dynamic_cast<TBitmap*>(Items().GetObject(index)), 2, 20, Items().Get(index),
                  TGlyphText::Centred);
}
