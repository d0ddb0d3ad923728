#pragma once
// Shared pieces of the settings tests, written in this header alone since the test support library
// is built without the settings library: a shown form to hold bound controls, a settings source on
// a file in a fresh directory, a bound edit that logs the binding messages its window receives, and
// direct access to the settings file through the system's profile functions, independent of
// TIniFile.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "Application.h"
#include "DialogDriver.h"
#include "Form.h"
#include "IniCtrls.h"
#include "TestFiles.h"

// Everything the probes received, as "name:message" in order of handling.
inline std::vector<std::string> gBindingLog;

inline std::string BindingMessageName(UINT msg) {
    switch (msg) {
    case IM_SAVE: return "save";
    case IM_REFRESH: return "refresh";
    case IM_SETDEFAULT: return "setdefault";
    case IM_ATTACH: return "attach";
    case IM_DETACH: return "detach";
    case IM_QUERYMODIFIED: return "querymodified";
    default: return "?";
    }
}

class TProbeEdit : public TIniEdit {
public:
    explicit TProbeEdit(TComponent* owner) : TIniEdit(owner) {}
    // Runs before the edit handles a binding message.
    std::function<void(UINT msg)> BeforeBindingMessage;
    void WndProc(TMessage& message) override {
        if (IsIniBindingMessage(message.Msg)) {
            gBindingLog.push_back(Name + ":" + BindingMessageName(message.Msg));
            if (BeforeBindingMessage) BeforeBindingMessage(message.Msg);
        }
        TIniEdit::WndProc(message);
    }
};

// A shown form for bound controls; controls placed with Add get a name and a row of their own.
class TBoundForm : public TForm {
public:
    explicit TBoundForm(TComponent* owner) : TForm(owner) {
        SetCaption("Bound controls");
        SetBounds(40, 40, 320, 480);
        Show();
    }
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

// The value of a key as the system reads it, or "<absent>".
inline std::string StoredValue(const std::string& file, const std::string& section, const std::string& key) {
    char buffer[4096] = {};
    const DWORD n =
        GetPrivateProfileStringA(section.c_str(), key.c_str(), "<absent>", buffer, sizeof buffer, file.c_str());
    return std::string(buffer, n);
}

inline void Store(const std::string& file, const std::string& section, const std::string& key,
                  const std::string& value) {
    WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str());
}

// Sends a binding message with a section filter: the address of a std::string holding the name.
inline void SendFiltered(TWinControl& control, UINT msg, const std::string& section) {
    std::string name = section;
    SendMessageA(control.Handle(), msg, 0, reinterpret_cast<LPARAM>(&name));
}

// Lets the message loop handle everything posted so far, and what that posts in turn.
inline void HandlePosted() { PumpUntilQuiet(); }

// Characters as the keyboard delivers them to a window, through the application's message loop.
inline void TypeInto(HWND window, const std::string& text) {
    for (char c : text) PostMessageA(window, WM_CHAR, static_cast<unsigned char>(c), 1);
    HandlePosted();
}

// A form with a source named IniSource1 enabled on `path`.
struct BoundFixture {
    BoundFixture() : path(dir / "more.ini") {
        form = new TBoundForm(Application);
        source = new TIniSource(form);
        source->Name = "IniSource1";
        source->SetIniFileName(path);
    }
    ~BoundFixture() {
        delete form;
        HandlePosted();
    }
    TempDir dir;
    std::string path;
    TBoundForm* form;
    TIniSource* source;
};
