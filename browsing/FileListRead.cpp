#include "FileListRead.h"

#include <algorithm>
#include <utility>

#include "FileFind.h"
#include "LocaleText.h"
#include "MaskPieces.h"

namespace {

constexpr int kHourGlassPosition = 100;
constexpr DWORD kVolumeLabel = 8;
constexpr ULONGLONG kFileSystemClockStep = 2 * 10'000'000ULL;  // two seconds in the 100 ns of a FILETIME

ULONGLONG FileTimeValue(const FILETIME& time) {
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// The directory's last write (an entry made, removed or renamed in it); 0 when unknown.
ULONGLONG LastWritten(const std::string& dir) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(dir.c_str(), GetFileExInfoStandard, &data)) return 0;
    return FileTimeValue(data.ftLastWriteTime);
}

}  // namespace

TFileListRead::TFileListRead(const TFileListBox& list, std::string dir)
    : FList(list),
      FDir(std::move(dir)),
      FMask(list.Mask()),
      FFileType(list.FileType()),
      FPieces(SplitMask(FMask)),
      FHourGlass(kHourGlassPosition, list.Sorted()),
      FSavedCursor(Screen->Cursor()) {
    for (TFileAttr a : {ftReadOnly, ftHidden, ftSystem, ftVolumeID, ftDirectory, ftArchive})
        if (FFileType.Contains(a)) FAttributes |= 1u << a;
    if (FPieces.size() > 1) FLater.resize(FPieces.size());
}

std::unique_ptr<TFileListRead> TFileListRead::Along(const TFileListBox& list, const std::string& dir) {
    if (!list.HandleAllocated() || AnsiSameText(list.CurrentDir(), dir)) return nullptr;
    auto read = std::make_unique<TFileListRead>(list, dir);
    if (!std::all_of(read->FPieces.begin(), read->FPieces.end(), IsExtensionPattern) ||
        (read->FAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | kVolumeLabel)))
        return nullptr;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    read->FWritten = LastWritten(dir);
    read->FSettled = read->FWritten != 0 && FileTimeValue(now) > read->FWritten + kFileSystemClockStep;
    return read;
}

TFileListRead::~TFileListRead() { Screen->SetCursor(FSavedCursor); }

void TFileListRead::Read() {
    // Every piece of the platform's search reads the whole directory: when the pieces can be
    // matched here, the directory is read once.
    if (FPieces.size() > 1 && std::all_of(FPieces.begin(), FPieces.end(), IsExtensionPattern)) {
        TFileFind find("*", FAttributes);
        while (find.Next()) Offer(find);
        return;
    }
    for (const std::string& piece : FPieces) {
        if (piece.empty()) continue;  // an empty pattern matches nothing
        TFileFind find(piece, FAttributes);
        TFileListEntry entry;
        while (find.Next())
            if (FList.MakeEntry(find.Name(), find.Attributes(), FAttributes, entry)) Found(std::move(entry));
    }
}

// The entries of the first piece count in as they are read; those of the later pieces wait, each
// piece's in the order read, as separate searches give them.
void TFileListRead::Offer(const TFileFind& find) {
    // A read that asked for folders has them, which the list's own search skips unless asked.
    if (find.Attributes() & FILE_ATTRIBUTE_DIRECTORY & ~FAttributes) return;
    TFileListEntry entry;
    bool made = false;
    for (size_t piece = 0; piece < FPieces.size(); ++piece) {
        if (!MatchesExtensionPattern(FPieces[piece], find.WideName(), find.ShortName())) continue;
        if (!made && !FList.MakeEntry(find.Name(), find.Attributes(), FAttributes, entry)) return;
        made = true;
        if (piece == 0)
            Found(TFileListEntry(entry));
        else
            FLater[piece].push_back(entry);
    }
}

bool TFileListRead::StandsFor(const TFileListBox& list) const {
    return FSettled && list.CurrentDir() == FDir && list.Mask() == FMask && list.FileType() == FFileType &&
           LastWritten(FDir) == FWritten;
}

// From the entry that lands on position 100 on, the hourglass shows while the rest is read.
void TFileListRead::Found(TFileListEntry&& entry) {
    FFound.push_back(std::move(entry));
    if (Screen->Cursor() != crHourGlass && FHourGlass.Lands(FFound.back().Text)) Screen->SetCursor(crHourGlass);
}

std::vector<TFileListEntry> TFileListRead::TakeEntries() {
    for (std::vector<TFileListEntry>& entries : FLater)
        for (TFileListEntry& entry : entries) Found(std::move(entry));
    FLater.clear();
    return std::move(FFound);
}
