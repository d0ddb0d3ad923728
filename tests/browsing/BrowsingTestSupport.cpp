#include "BrowsingTestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "Application.h"
#include "Handles.h"
#include "Paths.h"

HostForm::HostForm() : TForm(Application), FSavedDir(GetCurrentDir()) {
    SetCaption("Browsing");
    SetClientSize(480, 360);
}

HostForm::~HostForm() {
    Hide();
    DestroyComponents();
    SetCurrentDirectoryA(FSavedDir.c_str());
}

std::vector<std::string> Lines(const TStrings& items) {
    std::vector<std::string> lines;
    for (int i = 0; i < items.Count(); ++i) lines.push_back(items.Get(i));
    return lines;
}

void Touch(const std::string& path, unsigned attributes) {
    WriteWholeFile(path, "");
    if (attributes) SetFileAttributesA(path.c_str(), attributes);
}

void AgeDirectory(const std::string& path) {
    const TFileHandle dir(CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    ASSERT_TRUE(dir) << path;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER time{{now.dwLowDateTime, now.dwHighDateTime}};
    time.QuadPart -= 3600ULL * 10'000'000ULL;
    const FILETIME hourAgo{time.LowPart, time.HighPart};
    ASSERT_TRUE(SetFileTime(dir.Get(), nullptr, nullptr, &hourAgo));
}

CursorLog::CursorLog() {
    Screen->OnCursorChange = [this](TCursor cursor) { Changes.push_back(cursor); };
}

CursorLog::~CursorLog() { Screen->OnCursorChange = nullptr; }

void ChooseEntry(TCustomComboBox& combo, int index) {
    SendMessageA(combo.Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(GetParent(combo.Handle()), WM_COMMAND, MAKEWPARAM(combo.ControlId(), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo.Handle()));
}

void ClickLine(TCustomListBox& list, int index) {
    SendMessageA(list.Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(GetParent(list.Handle()), WM_COMMAND, MAKEWPARAM(list.ControlId(), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list.Handle()));
}

void DoubleClickLine(TCustomListBox& list, int index) {
    ClickLine(list, index);
    SendMessageA(GetParent(list.Handle()), WM_COMMAND, MAKEWPARAM(list.ControlId(), LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(list.Handle()));
}

LinkedLists::LinkedLists(const std::string& start) {
    SetCurrentDirectoryA(start.c_str());
    drives = new TDriveComboBox(&form);
    drives->SetParent(&form);
    drives->SetBounds(8, 8, 200, 21);
    dirs = new TDirectoryListBox(&form);
    dirs->SetParent(&form);
    dirs->SetBounds(8, 40, 200, 300);
    files = new TFileListBox(&form);
    files->SetParent(&form);
    files->SetBounds(220, 40, 200, 300);
    files->SetMask("*.gif;*.jpg");
    drives->SetDirList(dirs);
    dirs->SetFileList(files);
    form.Show();
}
