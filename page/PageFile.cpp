// The write of the save step. The new page goes into a file of its own beside the old one and takes
// its place only once it is whole: a disk that fills up midway leaves the old page as it was.
#include "GalleryPage.h"

#include <windows.h>

#include "Exceptions.h"
#include "Format.h"
#include "Handles.h"
#include "Paths.h"

namespace {

[[noreturn]] void CannotCreate(const std::string& path) {
    throw Exception(Format("Cannot create file %s", path.c_str()));
}

// A new file in `folder` for the page to be written into, removed again unless it has taken the
// place of the page.
class TPageDraft {
public:
    explicit TPageDraft(const std::string& folder) {
        // In the short form of a folder whose long path nearly fills the path limit, the draft's name
        // still fits where the page's own does.
        const std::string given = folder.empty() ? "." : folder;
        char shortFolder[MAX_PATH + 1] = {};
        const DWORD shortLength = GetShortPathNameA(given.c_str(), shortFolder, MAX_PATH);
        const std::string where = shortLength > 0 && shortLength < MAX_PATH ? shortFolder : given;
        char path[MAX_PATH + 1] = {};
        if (GetTempFileNameA(where.c_str(), "tsl", 0, path) == 0) return;
        FPath = path;
        FFile.Reset(CreateFileA(path, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    }
    ~TPageDraft() {
        FFile.Reset();
        if (!FPath.empty()) DeleteFileA(FPath.c_str());
    }
    TPageDraft(const TPageDraft&) = delete;
    TPageDraft& operator=(const TPageDraft&) = delete;

    bool Opened() const { return static_cast<bool>(FFile); }

    // Writes `text` in one write and closes the file; false when less reached the disk (a full one
    // takes part of it, or reports success for fewer bytes).
    bool WriteWhole(const std::string& text) {
        DWORD written = 0;
        const bool whole = text.empty() || (WriteFile(FFile.Get(), text.data(), static_cast<DWORD>(text.size()),
                                                      &written, nullptr) &&
                                            written == text.size());
        const bool kept = whole && FlushFileBuffers(FFile.Get());
        FFile.Reset();
        return kept;
    }

    // Puts the written file in the place of `target`, which exists or not as `replacing` says.
    bool TakePlaceOf(const std::string& target, bool replacing) {
        if (!MoveFileExA(FPath.c_str(), target.c_str(), replacing ? MOVEFILE_REPLACE_EXISTING : 0)) return false;
        FPath.clear();
        return true;
    }

private:
    std::string FPath;
    TFileHandle FFile;
};

}  // namespace

void WritePage(const std::string& path, const TStrings& buffer) {
    if (IsDeviceName(ExtractFileName(path))) CannotCreate(path);
    const DWORD oldAttributes = GetFileAttributesA(path.c_str());
    const bool replacing = oldAttributes != INVALID_FILE_ATTRIBUTES;
    if (replacing) {
        // The page there must be one this program may write over: not read-only, not held by another
        // program, not a folder, and a file on a disk (Wine shows Linux devices such as /dev/full as
        // files, which must never be renamed over).
        const TFileHandle old(
            CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!old || GetFileType(old.Get()) != FILE_TYPE_DISK) CannotCreate(path);
    }
    const std::string text = buffer.Text();
    TPageDraft draft(ExtractFilePath(path));
    if (!draft.Opened()) CannotCreate(path);
    if (!draft.WriteWhole(text)) throw Exception("Stream write error");
    if (!draft.TakePlaceOf(path, replacing)) CannotCreate(path);
    // The platform gives the moved file its own attributes; the page keeps the old one's (hidden,
    // archive, read-only where the old one could be written all the same).
    if (replacing) SetFileAttributesA(path.c_str(), oldAttributes);
}
