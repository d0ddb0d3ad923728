#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ComboBox.h"
#include "Exceptions.h"
#include "Form.h"
#include "ListBox.h"
#include "NewChild.h"

namespace {

struct Line {
    std::string Text;
    TObject* Object;
    bool operator==(const Line&) const = default;
};

// What the list's window itself holds, asked with the window's own messages.
std::vector<Line> WindowLines(HWND window, UINT count, UINT textLength, UINT text, UINT data) {
    std::vector<Line> lines;
    const int n = static_cast<int>(SendMessageA(window, count, 0, 0));
    for (int i = 0; i < n; ++i) {
        std::string buffer(static_cast<size_t>(SendMessageA(window, textLength, static_cast<WPARAM>(i), 0)) + 1, '\0');
        const LRESULT copied = SendMessageA(window, text, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer.data()));
        buffer.resize(static_cast<size_t>(copied));
        lines.push_back({buffer, reinterpret_cast<TObject*>(SendMessageA(window, data, static_cast<WPARAM>(i), 0))});
    }
    return lines;
}

std::vector<Line> ItemLines(const TStrings& items) {
    std::vector<Line> lines;
    for (int i = 0; i < items.Count(); ++i) lines.push_back({items.Get(i), items.GetObject(i)});
    return lines;
}

std::vector<Line> ListWindowLines(TCustomListBox& list) {
    return WindowLines(list.Handle(), LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, LB_GETITEMDATA);
}

}  // namespace

// The items answer reads without asking the window: whatever was done to them, they must read back
// exactly what the window shows, in its order, with the objects the window holds.
TEST(ItemStrings, SortedListReadsBackWhatItsWindowHolds) {
    TForm form(nullptr);
    auto* list = new TCustomListBox(&form);
    list->SetSorted(true);
    list->SetParent(&form);
    TObject a, b, c;
    list->Items().AddObject("before", &a);  // kept in the control until the window is made
    list->Items().AddObject("Alpha", &b);
    form.HandleNeeded();
    ASSERT_TRUE(list->HandleAllocated());
    EXPECT_EQ(ListWindowLines(*list), ItemLines(list->Items()));

    // Sorted adds land where the window puts them; insertions and appends stay where they are put.
    EXPECT_EQ(list->Items().AddObject("beta", &c), 2);
    list->Items().AddObject("ALPHA", nullptr);
    list->Items().AddObject(std::string("zulu\0hidden", 11), &a);
    list->Items().Insert(0, "first");
    list->Items().AppendObject("aaa", &b);
    list->Items().PutObject(2, &c);
    list->Items().Delete(3);
    EXPECT_EQ(ListWindowLines(*list), ItemLines(list->Items()));
    EXPECT_EQ(list->Items().Count(), 6);
    EXPECT_EQ(list->Items().Get(0), "first");
    EXPECT_EQ(list->Items().Get(5), "aaa");
    EXPECT_EQ(list->Items().IndexOf("zulu"), 4);  // the window keeps the text up to the null character

    // A new window gets the same lines, sorted again by the window.
    list->RecreateWnd();
    list->HandleNeeded();
    EXPECT_EQ(ListWindowLines(*list), ItemLines(list->Items()));
    EXPECT_EQ(list->Items().Get(0), "aaa");

    EXPECT_THROW(list->Items().Get(6), Exception);
    EXPECT_THROW(list->Items().Get(-1), Exception);
    list->Items().Clear();
    EXPECT_EQ(list->Items().Count(), 0);
    EXPECT_EQ(SendMessageA(list->Handle(), LB_GETCOUNT, 0, 0), 0);
}

// Lines handed over in a batch land at the end in the order given, even in a sorted list, in the
// window and in the copy alike, and the caller's vector is left empty.
TEST(ItemStrings, LinesAppendedInABatchLandAtTheEndAsGiven) {
    TForm form(nullptr);
    auto* list = new TCustomListBox(&form);
    list->SetSorted(true);
    list->SetParent(&form);
    TObject a, b;
    std::vector<std::pair<std::string, TObject*>> lines{{"zulu", &a}, {"alpha", nullptr}};
    list->Items().AppendLines(lines);  // no window yet: kept as given
    EXPECT_TRUE(lines.empty());
    form.HandleNeeded();
    list->Items().AddObject("mike", &b);
    lines = {{"yankee", &b}, {std::string("bravo\0hidden", 12), &a}, {"", nullptr}};
    list->Items().AppendLines(lines);
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(lines.capacity(), 0u);
    EXPECT_EQ(ListWindowLines(*list), ItemLines(list->Items()));
    EXPECT_EQ(ItemLines(list->Items()),
              (std::vector<Line>{{"alpha", nullptr}, {"mike", &b}, {"zulu", &a}, {"yankee", &b}, {"bravo", &a},
                                 {"", nullptr}}));
}

TEST(ItemStrings, ComboBoxReadsBackWhatItsWindowHolds) {
    TForm form(nullptr);
    auto* combo = NewChild<TCustomComboBox>(form);
    form.HandleNeeded();
    TObject x;
    combo->Items().AddObject("one", &x);
    combo->Items().Add("two");
    combo->Items().Insert(1, "between");
    combo->Items().Delete(0);
    EXPECT_EQ(WindowLines(combo->Handle(), CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_GETITEMDATA),
              ItemLines(combo->Items()));
    EXPECT_EQ(combo->Items().Count(), 2);
}

// A live list made sorted keeps its selected line selected wherever the new order puts it, a list
// box as a combo box.
TEST(ItemStrings, TheSelectedLineStaysSelectedWhenALiveListIsMadeSorted) {
    TForm form(nullptr);
    const auto selectedAfterSorting = [&form](auto* list) {
        list->SetParent(&form);
        list->Items().Add("b");
        list->Items().Add("a");
        form.HandleNeeded();
        list->SetItemIndex(0);
        list->SetSorted(true);
        return list->ItemIndex() >= 0 ? list->Items().Get(list->ItemIndex()) : std::string();
    };
    EXPECT_EQ(selectedAfterSorting(new TCustomListBox(&form)), "b");
    EXPECT_EQ(selectedAfterSorting(new TCustomComboBox(&form)), "b");
}
