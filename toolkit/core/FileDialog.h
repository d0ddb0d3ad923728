#pragma once
// TOpenDialog and TSaveDialog: the platform's file dialogs as components that keep their file name
// and filter choice from one use to the next.
#include <string>

#include "Component.h"

enum TOpenOption : unsigned {
    ofOverwritePrompt = 1 << 0,
    ofHideReadOnly = 1 << 1,
    ofFileMustExist = 1 << 2,
    ofCreatePrompt = 1 << 3,
    ofShareAware = 1 << 4,
    ofShowHelp = 1 << 5,
};

class TFileDialog : public TComponent {
public:
    using TComponent::TComponent;

    std::string Title;
    // Proposed before; after an accepted dialog, the full path chosen, with its folder in the short
    // (8.3) form where the long path would be too long for the platform's file calls.
    std::string FileName;
    std::string Filter;    // "description|pattern|description|pattern"
    int FilterIndex = 1;
    std::string DefaultExt;
    unsigned Options = 0;

    const std::string& InitialDir() const { return FInitialDir; }
    // One trailing backslash is dropped unless a colon stands before it ("C:\" stays).
    void SetInitialDir(const std::string& directory);

    // Runs the dialog modally; false when the user cancels. A choice whose name the program's code
    // page cannot hold is refused: it raises, naming the path with '?' for what is missing, and
    // FileName and FilterIndex stay as they were.
    bool Execute();

protected:
    virtual bool Run(void* openFileName) = 0;

private:
    std::string FInitialDir;
};

class TOpenDialog : public TFileDialog {
public:
    using TFileDialog::TFileDialog;

protected:
    bool Run(void* openFileName) override;
};

class TSaveDialog : public TFileDialog {
public:
    using TFileDialog::TFileDialog;

protected:
    bool Run(void* openFileName) override;
};
