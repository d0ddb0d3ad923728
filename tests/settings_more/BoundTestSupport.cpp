#include "BoundTestSupport.h"

#include "Application.h"
#include "DialogDriver.h"

TBoundForm::TBoundForm(TComponent* owner) : TForm(owner) {
    SetCaption("Bound controls");
    SetBounds(40, 40, 320, 480);
    Show();
}

BoundFixture::BoundFixture() : path(dir / "more.ini") {
    form = new TBoundForm(Application);
    source = new TIniSource(form);
    source->Name = "IniSource1";
    source->SetIniFileName(path);
}

BoundFixture::~BoundFixture() {
    delete form;
    HandlePosted();
}

std::string StoredValue(const std::string& file, const std::string& section, const std::string& key) {
    char buffer[4096] = {};
    const DWORD n =
        GetPrivateProfileStringA(section.c_str(), key.c_str(), "<absent>", buffer, sizeof buffer, file.c_str());
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

void TypeInto(HWND window, const std::string& text) {
    for (char c : text) PostMessageA(window, WM_CHAR, static_cast<unsigned char>(c), 1);
    HandlePosted();
}
