#include "IniFilenameEditor.h"

#include <windows.h>

#include <memory>

#include "Application.h"
#include "FileDialog.h"
#include "IniSource.h"
#include "LocaleText.h"
#include "Paths.h"

namespace {

// The Windows directory in lower case, ending with "\"; empty when the system cannot report it in
// 255 characters (then no choice counts as inside it, and every file keeps its full path).
std::string LowerWindowsDirectory() {
    char buffer[256] = {};
    const UINT length = GetWindowsDirectoryA(buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer) return std::string();
    std::string directory = AnsiLowerCase(std::string(buffer, length));
    if (directory.back() != '\\') directory += '\\';
    return directory;
}

}  // namespace

void TIniFilenameEditor::Edit() {
    // Owned by the application, freed here also when a step below raises.
    auto dialog = std::make_unique<TOpenDialog>(Application);
    dialog->FileName = GetValue();
    dialog->DefaultExt = "ini";
    dialog->Filter = "Initialization files (*.ini)|*.INI|All files (*.*)|*.*";
    dialog->Options = ofHideReadOnly | ofShowHelp | ofCreatePrompt | ofShareAware;
    if (!dialog->Execute()) return;
    const std::string chosen = AnsiLowerCase(dialog->FileName);
    const std::string directory = ExtractFilePath(chosen);
    const std::string windows = LowerWindowsDirectory();
    SetValue(!windows.empty() && directory == windows ? chosen.substr(directory.size()) : chosen);
}

void RegisterIniCtrlsEditors() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    RegisterStringProperty<TIniSource>(
        "TIniSource", "IniFileName", [](TIniSource& source) { return source.IniFileName(); },
        [](TIniSource& source, const std::string& name) { source.SetIniFileName(name); });
    RegisterPropertyEditor({"string", "TIniSource", "IniFileName",
                            [](TPropertyAccess access) { return std::make_unique<TIniFilenameEditor>(access); }});
}
