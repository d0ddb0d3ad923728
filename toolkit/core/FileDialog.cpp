#include "FileDialog.h"

#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include <algorithm>
#include <vector>

#include "Exceptions.h"
#include "LocaleText.h"

namespace {

// Wine's file dialog keeps paths in buffers of MAX_PATH characters: it adds "\*" to the folder it
// starts in, takes the folder of a proposed full path as that folder, and joins the folder it shows
// with a typed relative name before it looks at either. A longer path overruns the buffer and the
// dialog faults, taking the program with it. The short (8.3) form of a folder keeps such paths in
// bounds, and names the same folder for the program's own file calls.
constexpr size_t kLongestPath = MAX_PATH - 1;         // with its terminating zero
constexpr size_t kLongestStartFolder = MAX_PATH - 3;  // with "\*" and the zero

// The short form of an existing path; empty when there is none.
std::wstring ShortForm(const std::wstring& path) {
    const DWORD size = GetShortPathNameW(path.c_str(), nullptr, 0);
    std::wstring result(size, L'\0');
    const DWORD length = size ? GetShortPathNameW(path.c_str(), result.data(), size) : 0;
    result.resize(length < size ? length : 0);
    return result;
}

// A folder the dialog can start in: the folder itself, its short form, or, where the file system
// keeps no short names, the nearest folder above it whose path is short enough.
std::wstring StartFolder(std::wstring folder) {
    if (folder.size() <= kLongestStartFolder) return folder;
    const std::wstring shortForm = ShortForm(folder);
    if (!shortForm.empty() && shortForm.size() <= kLongestStartFolder) return shortForm;
    while (folder.size() > kLongestStartFolder) {
        const size_t separator = folder.find_last_of(L'\\');
        if (separator == std::wstring::npos) return std::wstring();
        folder.resize(separator);
    }
    return folder;
}

// A full path too long for the platform's path functions with its folder part in the short form
// instead; unchanged when that does not make it fit.
std::wstring FittingPath(const std::wstring& path) {
    const size_t separator = path.find_last_of(L'\\');
    if (path.size() <= kLongestPath || separator == std::wstring::npos) return path;
    const std::wstring folder = ShortForm(path.substr(0, separator));
    const std::wstring shorter = folder + path.substr(separator);
    return !folder.empty() && shorter.size() <= kLongestPath ? shorter : path;
}

// What the dialog's window procedure keeps while the dialog runs.
struct TDialogRun {
    WNDPROC OwnProc = nullptr;
    bool MayTakeChoice = false;  // the dialog has nothing to check or add to a chosen name
    bool ChoiceTaken = false;
    std::wstring Choice;
    int FilterIndex = 1;
};

// On OK, a relative name typed into the dialog whose joining with the folder shown would overrun
// the dialog's buffers. Wine's dialog reads such a name as it is cut to fit, which in a folder of
// 258 characters is the folder itself: it would open that folder again instead of taking the name.
// So the name is joined here, to the short form of the folder, and where the dialog has nothing to
// check (no prompt, no file that must exist, no extension to add) the choice is taken here too: true
// then, and the caller closes the dialog. Otherwise the dialog gets the joined path to work on.
bool TakeLongChoice(HWND dialog, TDialogRun& run) {
    HWND box = GetDlgItem(dialog, cmb13);  // the Explorer-style dialog's name box; the older one's is edt1
    if (!box) box = GetDlgItem(dialog, edt1);
    wchar_t folder[MAX_PATH] = {};
    if (!box || SendMessageW(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder)) <= 0)
        return false;
    std::wstring typed(static_cast<size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
    typed.resize(static_cast<size_t>(GetWindowTextW(box, typed.data(), static_cast<int>(typed.size()))));
    const bool relative = !typed.empty() && typed[0] != L'\\' && typed[0] != L'/' && typed[0] != L'"' &&
                          (typed.size() < 2 || typed[1] != L':');
    if (!relative || wcslen(folder) + 1 + typed.size() <= kLongestPath) return false;
    const std::wstring fitted = FittingPath(std::wstring(folder) + L'\\' + typed);
    if (fitted.size() > kLongestPath) return false;
    const DWORD attributes = GetFileAttributesW(fitted.c_str());
    const bool isFolder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    if (!run.MayTakeChoice || isFolder || typed.find_first_of(L"*?") != std::wstring::npos) {
        SetWindowTextW(box, fitted.c_str());
        return false;
    }
    run.Choice = fitted;
    run.FilterIndex = static_cast<int>(SendDlgItemMessageW(dialog, cmb1, CB_GETCURSEL, 0, 0)) + 1;
    run.ChoiceTaken = true;
    return true;
}

const wchar_t* const kDialogRunProperty = L"Tessellor.FileDialogRun";

// The dialog's own window procedure with OK looked at first (the OK button, Enter, and a double
// click on a file, which Wine's dialog turns into OK).
LRESULT CALLBACK LongChoiceProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* run = static_cast<TDialogRun*>(GetPropW(dialog, kDialogRunProperty));
    const WNDPROC own = run->OwnProc;
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        bool taken = false;
        try {
            taken = TakeLongChoice(dialog, *run);
        } catch (...) {  // out of memory: the dialog goes on as it would
        }
        // Closed as its own Cancel closes it, which lets it clean up after itself.
        if (taken) return CallWindowProcW(own, dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
        RemovePropW(dialog, kDialogRunProperty);
    }
    return CallWindowProcW(own, dialog, message, wParam, lParam);
}

// The hook of the dialog's (empty) child dialog, the documented way in: it puts LongChoiceProc in
// front of the dialog itself.
UINT_PTR CALLBACK ChildDialogHook(HWND child, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        HWND dialog = GetParent(child);
        auto* run = reinterpret_cast<TDialogRun*>(reinterpret_cast<const OPENFILENAMEW*>(lParam)->lCustData);
        run->OwnProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(dialog, GWLP_WNDPROC));
        if (SetPropW(dialog, kDialogRunProperty, run))
            SetWindowLongPtrW(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LongChoiceProc));
    }
    return 0;
}

// The proposed name as the dialog can take it: a full path whose folder would overrun it comes
// with the folder in a fitting form, or as the bare name.
std::wstring ProposedName(const std::wstring& name) {
    const size_t separator = name.find_last_of(L"\\:");
    if (separator == std::wstring::npos) return name;
    const std::wstring fitted = FittingPath(name);
    return fitted.size() <= kLongestPath ? fitted : name.substr(separator + 1);
}

}  // namespace

void TFileDialog::SetInitialDir(const std::string& directory) {
    FInitialDir = directory;
    if (FInitialDir.size() >= 2 && FInitialDir.back() == '\\' && FInitialDir[FInitialDir.size() - 2] != ':')
        FInitialDir.pop_back();
}

bool TFileDialog::Execute() {
    // The wide dialog, so that the name chosen arrives as the file system holds it: the ANSI one
    // would hand over a best-fit look-alike of a name the code page cannot hold. The platform wants
    // the filter as zero-separated pieces ending in two zeros.
    std::string filter = Filter;
    for (char& c : filter)
        if (c == '|') c = '\0';
    filter.append(2, '\0');
    const std::wstring wideFilter = AnsiToWide(filter);
    const std::wstring title = AnsiToWide(Title);
    const std::wstring initialDir = StartFolder(AnsiToWide(FInitialDir));
    const std::wstring extension = AnsiToWide(DefaultExt);
    const std::wstring proposed = ProposedName(AnsiToWide(FileName));
    std::vector<wchar_t> name(32768, L'\0');
    proposed.copy(name.data(), std::min(proposed.size(), name.size() - 1));

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = GetActiveWindow();
    ofn.lpstrFilter = Filter.empty() ? nullptr : wideFilter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(FilterIndex);
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    TDialogRun run;
    run.MayTakeChoice = extension.empty() && !(Options & (ofOverwritePrompt | ofFileMustExist | ofCreatePrompt));
    ofn.lCustData = reinterpret_cast<LPARAM>(&run);
    ofn.lpfnHook = &ChildDialogHook;
    ofn.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_NOCHANGEDIR | OFN_ENABLEHOOK;
    if (Options & ofOverwritePrompt) ofn.Flags |= OFN_OVERWRITEPROMPT;
    if (Options & ofHideReadOnly) ofn.Flags |= OFN_HIDEREADONLY;
    if (Options & ofFileMustExist) ofn.Flags |= OFN_FILEMUSTEXIST;
    if (Options & ofCreatePrompt) ofn.Flags |= OFN_CREATEPROMPT;
    if (Options & ofShareAware) ofn.Flags |= OFN_SHAREAWARE;
    if (Options & ofShowHelp) ofn.Flags |= OFN_SHOWHELP;
    if (!Run(&ofn) && !run.ChoiceTaken) return false;
    // A path typed in full may still be too long for the program's file calls.
    const std::wstring chosen = FittingPath(run.ChoiceTaken ? run.Choice : std::wstring(name.data()));
    std::string narrow;
    if (!NarrowExactly(chosen, narrow))
        throw Exception("Cannot use " + NarrowShowingMissing(chosen) +
                        ": its name has characters, shown as ?, that the system's code page cannot hold");
    FileName = narrow;
    FilterIndex = run.ChoiceTaken ? run.FilterIndex : static_cast<int>(ofn.nFilterIndex);
    return true;
}

namespace {

using TFileNameDialog = BOOL(WINAPI*)(LPOPENFILENAMEW);

// The common dialog library is loaded when a file dialog first opens, not with the program: it
// brings the shell and COM libraries with it, and every start would wait for them. It stays loaded
// until the process ends.
BOOL RunFileNameDialog(const char* name, void* openFileName) {
    static const HMODULE library = LoadLibraryA("comdlg32.dll");
    if (!library) return FALSE;
    const auto run = reinterpret_cast<TFileNameDialog>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    return run && run(static_cast<OPENFILENAMEW*>(openFileName));
}

}  // namespace

bool TOpenDialog::Run(void* openFileName) { return RunFileNameDialog("GetOpenFileNameW", openFileName); }

bool TSaveDialog::Run(void* openFileName) { return RunFileNameDialog("GetSaveFileNameW", openFileName); }
