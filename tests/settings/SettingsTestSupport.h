#pragma once
// Shared pieces of the settings tests: a shown form to hold bound controls, a bound edit that logs
// the binding messages its window receives, and direct access to the settings file through the
// system's profile functions, independent of TIniFile.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "Form.h"
#include "IniCtrls.h"

// Everything the probes received, as "name:message" in order of handling.
extern std::vector<std::string> gBindingLog;
std::string BindingMessageName(UINT msg);

class TProbeEdit : public TIniEdit {
public:
    explicit TProbeEdit(TComponent* owner) : TIniEdit(owner) {}
    // Runs before the edit handles a binding message.
    std::function<void(UINT msg)> BeforeBindingMessage;
    void WndProc(TMessage& message) override;
};

// A shown form for bound controls; controls placed with Add get a parent, a name and a row of their own.
class TBindingForm : public TForm {
public:
    explicit TBindingForm(TComponent* owner);
    template <class T>
    T* Add(const std::string& name) {
        auto* control = new T(this);
        control->Name = name;
        control->SetParent(this);
        control->SetBounds(10, 10 + 26 * FRows++, 200, 22);
        return control;
    }

private:
    int FRows = 0;
};

// The value of a key as the system reads it, or "<absent>".
std::string StoredValue(const std::string& file, const std::string& section, const std::string& key);
void Store(const std::string& file, const std::string& section, const std::string& key, const std::string& value);

// Sends a binding message with a section filter: the address of a std::string holding the name.
void SendFiltered(TWinControl& control, UINT msg, const std::string& section);
// Lets the message loop handle everything posted so far.
void HandlePosted();
