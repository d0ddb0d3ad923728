#include "SettingsTestSupport.h"

#include "Application.h"
#include "DialogDriver.h"

std::vector<std::string> gBindingLog;

std::string BindingMessageName(UINT msg) {
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

void TProbeEdit::WndProc(TMessage& message) {
    if (IsIniBindingMessage(message.Msg)) {
        gBindingLog.push_back(Name + ":" + BindingMessageName(message.Msg));
        if (BeforeBindingMessage) BeforeBindingMessage(message.Msg);
    }
    TIniEdit::WndProc(message);
}

TBindingForm::TBindingForm(TComponent* owner) : TForm(owner) {
    SetCaption("Bound controls");
    SetBounds(40, 40, 300, 400);
    Show();
}

std::string StoredValue(const std::string& file, const std::string& section, const std::string& key) {
    char buffer[4096] = {};
    const DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), "<absent>", buffer, sizeof buffer, file.c_str());
    return std::string(buffer, n);
}

void Store(const std::string& file, const std::string& section, const std::string& key, const std::string& value) {
    WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str());
}

void SendFiltered(TWinControl& control, UINT msg, const std::string& section) {
    std::string name = section;
    SendMessageA(control.Handle(), msg, 0, reinterpret_cast<LPARAM>(&name));
}

void HandlePosted() { PumpFor(50); }
