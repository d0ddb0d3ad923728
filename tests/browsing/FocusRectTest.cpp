// The three lists draw their items themselves; like the platform's own lists they mark the current
// item of the list that has the focus with the dotted focus rectangle, and only that one.
#include <windows.h>

#include <gtest/gtest.h>

#include "BrowsingTestSupport.h"
#include "DialogDriver.h"
#include "Handles.h"

namespace {

// Whether a row of the rectangle (client coordinates of `window`) is dotted: along its right half,
// where no text or glyph is drawn, neighbouring pixels keep changing colour.
bool HasDottedRow(HWND window, const RECT& r) {
    const TClientDC dc(window);
    bool dotted = false;
    const int from = (r.left + r.right) / 2;
    for (int y = r.top; y < r.bottom && !dotted; ++y) {
        int changes = 0;
        for (int x = from; x + 1 < r.right; ++x)
            if (GetPixel(dc.Get(), x, y) != GetPixel(dc.Get(), x + 1, y)) ++changes;
        dotted = changes > (r.right - from) / 3;
    }
    return dotted;
}

RECT ItemRect(TCustomListBox& list, int index) {
    RECT r{};
    SendMessageA(list.Handle(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
}

// The items of a list that show the focus rectangle.
std::vector<int> Marked(TCustomListBox& list) {
    std::vector<int> marked;
    for (int i = 0; i < list.Items().Count(); ++i)
        if (HasDottedRow(list.Handle(), ItemRect(list, i))) marked.push_back(i);
    return marked;
}

bool FieldMarked(TCustomComboBox& combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(combo.Handle(), &info);
    return HasDottedRow(combo.Handle(), info.rcItem);
}

}  // namespace

TEST(ListFocus, OnlyTheCurrentItemOfTheFocusedListShowsTheFocusRectangle) {
    TempDir dir;
    CreateDirectoryA((dir / "alpha").c_str(), nullptr);
    CreateDirectoryA((dir / "beta").c_str(), nullptr);
    Touch(dir / "one.gif");
    Touch(dir / "two.jpg");
    LinkedLists lists(dir.Path());
    TDriveComboBox* drives = lists.drives;
    TDirectoryListBox* dirs = lists.dirs;
    TFileListBox* files = lists.files;
    PumpUntil([&] { return GetFocus() == drives->Handle(); });
    PumpUntilQuiet();
    using Items = std::vector<int>;
    // Shown, the form focuses its first tab stop, the drive list: only its field is marked.
    ASSERT_EQ(GetFocus(), drives->Handle());
    EXPECT_TRUE(FieldMarked(*drives));
    EXPECT_EQ(Marked(*dirs), Items{});
    EXPECT_EQ(Marked(*files), Items{});

    dirs->SetFocus();
    PumpUntilQuiet();
    const int current = dirs->ItemIndex();
    EXPECT_EQ(Marked(*dirs), Items{current});
    // The arrow keys move the mark with the current line; repainting keeps it.
    PostMessageA(dirs->Handle(), WM_KEYDOWN, VK_DOWN, 1);
    PumpUntilQuiet();
    EXPECT_EQ(Marked(*dirs), Items{current + 1});
    RedrawWindow(dirs->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(Marked(*dirs), Items{current + 1});

    drives->SetFocus();
    PumpUntilQuiet();
    EXPECT_TRUE(FieldMarked(*drives));
    EXPECT_EQ(Marked(*dirs), Items{});

    // The file list marks its first line even when none is selected.
    files->SetFocus();
    PumpUntilQuiet();
    EXPECT_FALSE(FieldMarked(*drives));
    EXPECT_EQ(Marked(*files), Items{0});
    for (int line : {0, 1}) {  // the first Down selects the first line, the next one the second
        PostMessageA(files->Handle(), WM_KEYDOWN, VK_DOWN, 1);
        PumpUntilQuiet();
        EXPECT_EQ(files->ItemIndex(), line);
        EXPECT_EQ(Marked(*files), Items{line});
    }
    EXPECT_EQ(Marked(*dirs), Items{});
}
