// Names that the program's single-byte code page cannot hold: neither list may show them under a
// name that the conversion made up, since that name would stand for another file or for none.
#include <windows.h>

#include <gtest/gtest.h>

#include "BrowsingTestSupport.h"
#include "Handles.h"
#include "NewChild.h"
#include "Paths.h"

using Names = std::vector<std::string>;

namespace {

std::wstring Wide(const std::string& text) {
    wchar_t buffer[MAX_PATH * 2] = {};
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, buffer, MAX_PATH * 2);
    return buffer;
}

// Files and folders made by their real (wide) names, removed again when the test ends: the
// shared clean-up reads single-byte names and could not reach them.
class WideEntries {
public:
    explicit WideEntries(const std::string& dir) : FDir(Wide(dir)) {}
    ~WideEntries() {
        for (const std::wstring& path : FFiles) DeleteFileW(path.c_str());
        for (const std::wstring& path : FFolders) RemoveDirectoryW(path.c_str());
    }
    WideEntries(const WideEntries&) = delete;
    WideEntries& operator=(const WideEntries&) = delete;

    void File(const std::wstring& name) {
        const std::wstring path = FDir + L"\\" + name;
        ASSERT_TRUE(TFileHandle(
            CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)));
        FFiles.push_back(path);
    }
    void Folder(const std::wstring& name) {
        const std::wstring path = FDir + L"\\" + name;
        ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr));
        FFolders.push_back(path);
    }

private:
    std::wstring FDir;
    std::vector<std::wstring> FFiles, FFolders;
};

// The test prefix runs in the Western code page, which holds 'é' but neither Greek, CJK nor
// fullwidth forms.
bool WesternCodePage() { return GetACP() == 1252; }

}  // namespace

TEST(NameConversion, TheFileListLeavesOutNamesTheCodePageCannotHold) {
    if (!WesternCodePage()) GTEST_SKIP() << "code page " << GetACP();
    TempDir dir;
    WideEntries entries(dir.Path());
    // Best-fit would make these '"', '=' and '<' '>' (markup), 'O' (another name) and '?' (a wildcard).
    entries.File(L"q\xFF02 onerror\xFF1D\xFF02" L"alert(1)\xFF02 x\xFF1D\xFF02.jpg");
    entries.File(L"\xFF1C" L"b\xFF1E.gif");
    entries.File(L"\x03A9mega.jpg");
    entries.File(L"\x65E5\x672C.gif");
    entries.File(L"caf\x00E9.gif");
    entries.File(L"plain.GIF");
    entries.Folder(L"\x65E5\x672C");
    entries.Folder(L"\x03A9.gif");
    entries.Folder(L"\x00DC" L"ber");

    HostForm form;
    auto* list = new TFileListBox(&form);
    list->SetMask("*.gif;*.jpg");
    list->SetCurrentDir(dir.Path());
    list->SetParent(&form);
    list->SetBounds(8, 8, 200, 300);
    form.Show();
    EXPECT_EQ(Lines(list->Items()), (Names{"caf\xE9.gif", "plain.GIF"}));
    // Every name shown names its own file.
    for (const std::string& name : Lines(list->Items()))
        EXPECT_NE(GetFileAttributesA(JoinPath(dir.Path(), name).c_str()), INVALID_FILE_ATTRIBUTES) << name;

    list->SetFileType({ftDirectory});
    list->SetMask("*");
    EXPECT_EQ(Lines(list->Items()), (Names{"[..]", "[.]", "[\xDC" "ber]"}));
}

TEST(NameConversion, TheDirectoryListLeavesOutFoldersTheCodePageCannotHold) {
    if (!WesternCodePage()) GTEST_SKIP() << "code page " << GetACP();
    TempDir dir;
    WideEntries entries(dir.Path());
    entries.Folder(L"\x65E5\x672C");
    entries.Folder(L"\x03A9mega");
    entries.Folder(L"x\xFF02y");
    entries.Folder(L"\x00DC" L"ber");
    entries.Folder(L"plain");

    HostForm form;
    SetCurrentDirectoryA(dir.Path().c_str());
    auto* dirs = NewChild<TDirectoryListBox>(form);
    dirs->SetBounds(8, 8, 200, 300);
    form.Show();
    const Names lines = Lines(dirs->Items());
    ASSERT_GE(dirs->ItemIndex(), 0);
    const Names subdirectories(lines.begin() + dirs->ItemIndex() + 1, lines.end());
    EXPECT_EQ(subdirectories, (Names{"plain", "\xDC" "ber"}));
    // Opening a listed folder goes there.
    dirs->SetItemIndex(dirs->Items().Count() - 1);
    dirs->OpenSelectedLine();
    EXPECT_EQ(dirs->CurrentDir(), dir / "\xDC" "ber");
    EXPECT_EQ(GetCurrentDir(), dirs->CurrentDir());
    dirs->SetCurrentDir(dir.Path());
    EXPECT_EQ(Lines(dirs->Items()), lines);
}
