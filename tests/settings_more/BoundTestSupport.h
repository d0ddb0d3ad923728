#pragma once
// Shared pieces of these tests: a shown form holding a settings source on a file in a fresh
// directory, and the settings file read and written through the system's profile functions,
// independently of TIniFile.
#include <windows.h>

#include <string>

#include "Form.h"
#include "IniCtrls.h"
#include "TestFiles.h"

class TBoundForm : public TForm {
public:
    explicit TBoundForm(TComponent* owner);
    // A control owned by the form, named, placed on `parent` (the form when none).
    template <class T>
    T* Add(const std::string& name, TWinControl* parent = nullptr, int height = 22) {
        auto* control = new T(this);
        control->Name = name;
        control->SetParent(parent ? parent : this);
        control->SetBounds(10, FNextTop, 260, height);
        FNextTop += height + 4;
        return control;
    }

private:
    int FNextTop = 10;
};

// A form with a source named IniSource1 enabled on `path`.
struct BoundFixture {
    BoundFixture();
    ~BoundFixture();
    TempDir dir;
    std::string path;
    TBoundForm* form;
    TIniSource* source;
};

// The value of a key as the system reads it, or "<absent>".
std::string StoredValue(const std::string& file, const std::string& section, const std::string& key);
void Store(const std::string& file, const std::string& section, const std::string& key, const std::string& value);
// Sends a binding message with a section filter: the address of a std::string holding the name.
void SendFiltered(TWinControl& control, UINT msg, const std::string& section);
// Lets the message loop handle everything posted so far.
void HandlePosted();
// Characters as the keyboard delivers them to a window, through the application's message loop.
void TypeInto(HWND window, const std::string& text);
