// The real program's start done with bare Win32 calls: the main window of the same size, icon and
// menu, with the same child windows of the same platform classes and styles (owner-drawn list boxes,
// the drop-down list of drives), the options shown as the settings file beside the program has them,
// the drives read (kinds, volume labels, a network drive's name), the start folder's subdirectories
// (as its volume keeps their names' case) and images read in one enumeration, the three lists
// filled, then shown, owned by a window of no size that gives the program's task-bar entry the
// program's title, "Tessellor", rather than the window's caption. The time until its window shows
// is the floor of the real program's start until its main window shows.
#include <windows.h>
#include <winnetwk.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "FloorDrives.h"
#include "FloorList.h"
#include "FloorProgram.h"
#include "Handles.h"

namespace {

enum : int { kGenerateId = 1000, kDirListId = 1004, kDriveListId = 1005, kFileListId = 1006 };
enum TParent { kMain, kDirectoryGroup, kOptionsGroup };

struct TChildWindow {
    int Id;
    TParent Parent;
    const char* ClassName;
    const char* Text;
    DWORD Style;
    int Left, Top, Width, Height;
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
constexpr DWORD kList = kChild | WS_VSCROLL | WS_BORDER | WS_TABSTOP | LBS_NOTIFY | LBS_OWNERDRAWFIXED |
                        LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;
constexpr DWORD kLabel = kChild | SS_NOTIFY | SS_LEFTNOWORDWRAP;
constexpr DWORD kCheckBox = kChild | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kEdit = kChild | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;

// The main window's children in its window order, as the program makes them.
const TChildWindow kChildren[] = {
    {kGenerateId, kMain, "BUTTON", "&Generate", kChild | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, 356, 76, 75, 25},
    {1001, kMain, "EDIT", "", (kChild & ~WS_VISIBLE) | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL, 12, 252, 331, 25},
    {1002, kMain, "BUTTON", "&Save As", kChild | WS_TABSTOP, 356, 114, 75, 25},
    {1003, kMain, "BUTTON", "Directory", kChild | WS_GROUP | BS_GROUPBOX, 12, 60, 331, 183},
    {kDirListId, kDirectoryGroup, "LISTBOX", "", kList | WS_GROUP, 12, 42, 145, 105},
    {kDriveListId, kDirectoryGroup, "COMBOBOX", "",
     kChild | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 12, 154, 145, 125},
    {1007, kDirectoryGroup, "STATIC", "&List of GIF and JPG files  ", kLabel | WS_GROUP, 178, 20, 139, 13},
    {kFileListId, kDirectoryGroup, "LISTBOX", "", kList | WS_GROUP | LBS_SORT, 172, 40, 145, 133},
    {1008, kMain, "BUTTON", "Options", kChild | WS_GROUP | BS_GROUPBOX, 12, 278, 413, 149},
    {1009, kOptionsGroup, "BUTTON", "Carriage &Return after every image", kCheckBox | WS_GROUP, 22, 20, 187, 17},
    {1010, kOptionsGroup, "BUTTON", "&Include images names", kCheckBox, 22, 42, 185, 17},
    {1011, kOptionsGroup, "BUTTON", "Images with border ", kCheckBox, 22, 64, 187, 17},
    {1012, kOptionsGroup, "EDIT", "", kEdit, 126, 90, 187, 20},
    {1013, kOptionsGroup, "EDIT", "", kEdit, 126, 118, 187, 20},
    {1014, kOptionsGroup, "BUTTON", "Directory", kChild | WS_TABSTOP, 326, 118, 67, 23},
    {1015, kOptionsGroup, "EDIT", "", kEdit, 210, 54, 187, 20},
    {1016, kOptionsGroup, "STATIC", "Default Directory:  ", kLabel | WS_GROUP, 16, 92, 88, 13},
    {1017, kOptionsGroup, "STATIC", "Background Image:  ", kLabel, 16, 120, 99, 13},
    {1018, kMain, "STATIC", "Builds a HTML file that allows you to view all the JPG and GIF files in a directory.  "
                            "You've to save the HTML file to the same directory in order for the program to work "
                            "correctly.", kChild | WS_GROUP | SS_NOTIFY, 14, 12, 315, 39},
};

HWND MainWindow = nullptr;
HWND Generate = nullptr;
WNDPROC GroupBoxProc = nullptr;
int CurrentLine = 0;           // the directory list's line of the current folder
bool LowerCaseNames = false;  // the folder's volume does not keep its names' case

// The lists' glyphs, the drives' in the order of the drive kinds from DRIVE_REMOVABLE on.
struct TGlyphs {
    explicit TGlyphs(HINSTANCE instance) : Instance(instance) {}
    HINSTANCE Instance;
    TGdiObject<HBITMAP> Load(const char* name) const { return TGdiObject<HBITMAP>(LoadBitmapA(Instance, name)); }
    TGdiObject<HBITMAP> OpenFolder = Load("OPENFOLDER"), CurrentFolder = Load("CURRENTFOLDER"),
                        ClosedFolder = Load("CLOSEDFOLDER");
    TGdiObject<HBITMAP> Drives[5] = {Load("FLOPPY"), Load("HARD"), Load("NETWORK"), Load("CDROM"), Load("RAM")};
};

// The group boxes hand their children's drawing, colours and commands on to the main window, and
// paint their ground in the face colour.
LRESULT CALLBACK GroupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_COMMAND:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return SendMessageA(MainWindow, message, wParam, lParam);
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        return TRUE;
    }
    default:
        return CallWindowProcA(GroupBoxProc, window, message, wParam, lParam);
    }
}

// A line of an owner-drawn list: its glyph (the item's data), then its text.
void DrawLine(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1)) return;
    const bool selected = item.itemState & ODS_SELECTED;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    // The directory list's lines step in by level; its subdirectories stand one in from the current line.
    const bool folders = item.CtlID == kDirListId;
    int x = item.rcItem.left + 2 + (folders ? 4 * std::min<int>(static_cast<int>(item.itemID), CurrentLine + 1) : 0);
    if (const auto glyph = reinterpret_cast<HBITMAP>(item.itemData)) {
        BITMAP size{};
        GetObjectA(glyph, sizeof size, &size);
        // Its bottom-left pixel's colour is left out.
        const TMemoryDC memory(glyph);
        GdiTransparentBlt(item.hDC, x, (item.rcItem.top + item.rcItem.bottom - size.bmHeight) / 2, size.bmWidth,
                          size.bmHeight, memory.Get(), 0, 0, size.bmWidth, size.bmHeight,
                          GetPixel(memory.Get(), 0, size.bmHeight - 1));
        x += size.bmWidth + 4;
    }
    char text[MAX_PATH * 2] = {};
    const UINT getText = item.CtlType == ODT_COMBOBOX ? CB_GETLBTEXT : LB_GETTEXT;
    SendMessageA(item.hwndItem, getText, item.itemID, reinterpret_cast<LPARAM>(text));
    if (folders && LowerCaseNames) CharLowerA(text);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    SetBkMode(item.hDC, TRANSPARENT);
    RECT rect = item.rcItem;
    rect.left = x;
    DrawTextA(item.hDC, text, -1, &rect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

LRESULT CALLBACK FloorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = wParam == kDirListId ? 16 : 13;
        return TRUE;
    case WM_DRAWITEM:
        DrawLine(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_SETFOCUS:
        SetFocus(Generate);
        return 0;
    default:
        return FloorWindowDefault(window, message, wParam, lParam);
    }
}

HMENU MakeMenu() {
    HMENU bar = CreateMenu(), file = CreatePopupMenu(), help = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, 1, "&Generate");
    AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(file, MF_STRING, 2, "Save &As");
    AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(file, MF_STRING, 3, "E&xit");
    AppendMenuA(help, MF_STRING, 4, "&Other Products");
    AppendMenuA(help, MF_STRING, 5, "&Help");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "&Help");
    return bar;
}

// Every drive of a kind that is listed, as "c: [label]" (a network drive by the name it is
// connected to, where it has one) with its glyph; the current one selected.
void FillDrives(const TGlyphs& glyphs, HWND combo, char currentDrive) {
    ForEachListedDrive([&](const char* root, UINT kind) {
        std::string text = {root[0], ':'};
        char name[MAX_PATH + 1] = {};
        DWORD size = sizeof name;
        if (kind == DRIVE_REMOTE && WNetGetConnectionA(text.c_str(), name, &size) == NO_ERROR) {
            CharLowerA(name);
            text += std::string(" ") + name;
        } else if (kind != DRIVE_REMOVABLE) {
            GetVolumeInformationA(root, name, sizeof name, nullptr, nullptr, nullptr, nullptr, 0);
            CharLowerA(name);
            text += std::string(" [") + name + "]";
        }
        const LRESULT at = SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        SendMessageA(combo, CB_SETITEMDATA, at, reinterpret_cast<LPARAM>(glyphs.Drives[kind - DRIVE_REMOVABLE].Get()));
        if (root[0] == (currentDrive | 0x20)) SendMessageA(combo, CB_SETCURSEL, at, 0);
    });
}

// The options as the settings file beside the program has them: the check boxes by their keys'
// values, the edits with their texts.
void ShowSettings(HWND options) {
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string file(path, length);
    file = file.substr(0, file.find_last_of('\\') + 1) + "tessellor.ini";
    char value[1024];
    for (const auto& [id, key] : {std::pair{1009, "CarriageReturn"}, {1010, "ImageName"}, {1011, "ImageBorder"}}) {
        GetPrivateProfileStringA("Tessellor", key, "", value, sizeof value, file.c_str());
        SendMessageA(GetDlgItem(options, id), BM_SETCHECK, atoi(value) & 1 ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    for (const auto& [id, key] : {std::pair{1012, "DefaultDir"}, {1013, "BackgroundImage"}, {1015, "LastUsedDir"}}) {
        GetPrivateProfileStringA("Tessellor", key, "", value, sizeof value, file.c_str());
        SetWindowTextA(GetDlgItem(options, id), value);
    }
}

// A line of the directory list.
void AddLine(HWND list, const std::string& text, HBITMAP glyph) {
    const LRESULT at = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(list, LB_SETITEMDATA, at, reinterpret_cast<LPARAM>(glyph));
}

// The path down to the current folder, then its subdirectories; the file list with its images.
void FillFolderLists(const TGlyphs& glyphs, HWND dirList, HWND fileList, const std::string& current) {
    std::vector<std::string> subdirectories, images;
    WIN32_FIND_DATAA data;
    if (const TFindHandle find(FindFirstFileA("*", &data)); find) {
        do {
            const std::string name = data.cFileName;
            if (data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) continue;
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
                if (IsImageName(name)) images.push_back(name);
            } else if (name != "." && name != "..") {
                subdirectories.push_back(name);
            }
        } while (FindNextFileA(find.Get(), &data));
    }
    SortIgnoringCase(subdirectories);
    SortIgnoringCase(images);
    DWORD flags = 0;
    const char root[] = {current[0], ':', '\\', '\0'};
    if (!GetVolumeInformationA(root, nullptr, 0, nullptr, nullptr, &flags, nullptr, 0)) flags = 0;
    LowerCaseNames = !(flags & (FILE_CASE_SENSITIVE_SEARCH | FILE_CASE_PRESERVED_NAMES));
    SendMessageA(dirList, WM_SETREDRAW, FALSE, 0);
    size_t start = 0;
    for (size_t end = current.find('\\'); end != std::string::npos && end + 1 < current.size();
         start = end + 1, end = current.find('\\', start))
        AddLine(dirList, current.substr(start, end - start + (start == 0 ? 1 : 0)), glyphs.OpenFolder.Get());
    CurrentLine = static_cast<int>(SendMessageA(dirList, LB_GETCOUNT, 0, 0));
    AddLine(dirList, current.substr(start), glyphs.CurrentFolder.Get());
    for (const std::string& name : subdirectories) AddLine(dirList, name, glyphs.ClosedFolder.Get());
    SendMessageA(dirList, LB_SETCURSEL, CurrentLine, 0);
    SendMessageA(dirList, WM_SETREDRAW, TRUE, 0);
    FillListBox(fileList, images);
}

// The window whose task-bar entry stands for the program, titled with the program's title: shown
// but of no size, so that nothing else of it is seen; none when it cannot be made.
HWND MakeTaskBarOwner(HINSTANCE instance, HICON icon) {
    WNDCLASSA ownerClass{};
    ownerClass.lpfnWndProc = DefWindowProcA;
    ownerClass.hInstance = instance;
    ownerClass.hIcon = icon;
    ownerClass.lpszClassName = "FloorOwner";
    if (!RegisterClassA(&ownerClass)) return nullptr;
    return CreateWindowExA(0, "FloorOwner", "Tessellor", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0,
                           0, nullptr, nullptr, instance, nullptr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    const HICON icon = LoadIconA(instance, "MAINICON");
    HWND owner = MakeTaskBarOwner(instance, icon);
    MainWindow = MakeFloorWindow(instance, FloorWindowProc, "FloorWindow", "Tessellor 1.01", icon, MakeMenu(), owner);
    if (!owner || !MainWindow) return 1;
    const TGdiObject<HFONT> font(CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                                             "MS Sans Serif"));
    const TGlyphs glyphs(instance);
    HWND parents[] = {MainWindow, nullptr, nullptr};
    for (const TChildWindow& child : kChildren) {
        HWND window = CreateWindowExA(0, child.ClassName, child.Text, child.Style, child.Left, child.Top, child.Width,
                                      child.Height, parents[child.Parent],
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(child.Id)), instance, nullptr);
        if (!window) return 1;
        SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
        const bool button = lstrcmpA(child.ClassName, "BUTTON") == 0;
        if (button && (child.Style & BS_TYPEMASK) == BS_GROUPBOX) {
            SetWindowLongPtrA(window, GWL_EXSTYLE, GetWindowLongPtrA(window, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
            GroupBoxProc = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GroupProc)));
            parents[child.Id == 1003 ? kDirectoryGroup : kOptionsGroup] = window;
        }
        if (child.Id == kGenerateId) Generate = window;
    }
    ShowSettings(parents[kOptionsGroup]);
    char current[MAX_PATH + 1] = {};
    GetCurrentDirectoryA(sizeof current, current);
    FillDrives(glyphs, GetDlgItem(parents[kDirectoryGroup], kDriveListId), current[0]);
    FillFolderLists(glyphs, GetDlgItem(parents[kDirectoryGroup], kDirListId), GetDlgItem(parents[kDirectoryGroup], kFileListId),
                    current);
    ShowWindow(owner, SW_SHOWNOACTIVATE);
    return RunFloorWindow(MainWindow, show);
}
