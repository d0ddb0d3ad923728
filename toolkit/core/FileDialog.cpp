#include "FileDialog.h"

#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <vector>

void TFileDialog::SetInitialDir(const std::string& directory) {
    FInitialDir = directory;
    if (FInitialDir.size() >= 2 && FInitialDir.back() == '\\' && FInitialDir[FInitialDir.size() - 2] != ':')
        FInitialDir.pop_back();
}

bool TFileDialog::Execute() {
    // The platform wants the filter as zero-separated pieces ending in two zeros.
    std::string filter = Filter;
    for (char& c : filter)
        if (c == '|') c = '\0';
    filter.append(2, '\0');
    std::vector<char> name(32768, '\0');
    FileName.copy(name.data(), std::min(FileName.size(), name.size() - 1));
    const std::string extension = DefaultExt;

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = GetActiveWindow();
    ofn.lpstrFilter = Filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(FilterIndex);
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrInitialDir = FInitialDir.empty() ? nullptr : FInitialDir.c_str();
    ofn.lpstrTitle = Title.empty() ? nullptr : Title.c_str();
    ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    if (Options & ofOverwritePrompt) ofn.Flags |= OFN_OVERWRITEPROMPT;
    if (Options & ofHideReadOnly) ofn.Flags |= OFN_HIDEREADONLY;
    if (Options & ofFileMustExist) ofn.Flags |= OFN_FILEMUSTEXIST;
    if (Options & ofCreatePrompt) ofn.Flags |= OFN_CREATEPROMPT;
    if (Options & ofShareAware) ofn.Flags |= OFN_SHAREAWARE;
    if (Options & ofShowHelp) ofn.Flags |= OFN_SHOWHELP;
    if (!Run(&ofn)) return false;
    FileName = name.data();
    FilterIndex = static_cast<int>(ofn.nFilterIndex);
    return true;
}

namespace {

using TFileNameDialog = BOOL(WINAPI*)(LPOPENFILENAMEA);

// The common dialog library is loaded when a file dialog first opens, not with the program: it
// brings the shell and COM libraries with it, and every start would wait for them. It stays loaded
// until the process ends.
BOOL RunFileNameDialog(const char* name, void* openFileName) {
    static const HMODULE library = LoadLibraryA("comdlg32.dll");
    if (!library) return FALSE;
    const auto run = reinterpret_cast<TFileNameDialog>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    return run && run(static_cast<OPENFILENAMEA*>(openFileName));
}

}  // namespace

bool TOpenDialog::Run(void* openFileName) { return RunFileNameDialog("GetOpenFileNameA", openFileName); }

bool TSaveDialog::Run(void* openFileName) { return RunFileNameDialog("GetSaveFileNameA", openFileName); }
