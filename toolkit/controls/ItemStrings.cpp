#include "ItemStrings.h"

#include <algorithm>

#include "Control.h"
#include "Exceptions.h"
#include "LocaleText.h"

const TItemMessages ListBoxMessages{LB_ADDSTRING,  LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT, LB_GETCOUNT,
                                    LB_GETTEXT,    LB_GETTEXTLEN,   LB_GETITEMDATA,  LB_SETITEMDATA,  LB_ERR,
                                    LB_ERRSPACE,   LB_INITSTORAGE,  LB_GETCURSEL,    LB_SETCURSEL,    LB_SETITEMHEIGHT};
const TItemMessages ComboBoxMessages{CB_ADDSTRING,   CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT, CB_GETCOUNT,
                                     CB_GETLBTEXT,   CB_GETLBTEXTLEN, CB_GETITEMDATA,  CB_SETITEMDATA,  CB_ERR,
                                     CB_ERRSPACE,    CB_INITSTORAGE,  CB_GETCURSEL,    CB_SETCURSEL,    CB_SETITEMHEIGHT};

bool TItemStrings::HasWindow() const { return FControl.HandleAllocated(); }

// Straight to the platform's list, which keeps the items: the control's own procedure has nothing
// to do with them, and filling a list of a million lines takes two million of them.
LRESULT TItemStrings::Send(UINT msg, WPARAM wParam, LPARAM lParam) const {
    TMessage message{msg, wParam, lParam, 0};
    FControl.DefaultHandler(message);
    return message.Result;
}

void TItemStrings::CheckIndex(int index, int limit) const {
    CheckListIndex(index, limit);
}

int TItemStrings::Count() const { return static_cast<int>(FLines.size()); }

std::string TItemStrings::Get(int index) const {
    CheckIndex(index, Count());
    return FLines[static_cast<size_t>(index)].first;
}

TObject* TItemStrings::GetObject(int index) const {
    CheckIndex(index, Count());
    return FLines[static_cast<size_t>(index)].second;
}

void TItemStrings::PutObject(int index, TObject* object) {
    CheckIndex(index, Count());
    if (HasWindow()) Send(FMessages.SetItemData, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(object));
    FLines[static_cast<size_t>(index)].second = object;
}

int TItemStrings::SendLine(UINT msg, int index, const std::string& text, TObject* object) {
    const LRESULT position = Send(msg, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
    if (position < 0 || position == FMessages.Err || position == FMessages.ErrSpace)
        throw EOutOfResources("Unable to insert a line");
    Send(FMessages.SetItemData, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(object));
    return static_cast<int>(position);
}

int TItemStrings::InsertIntoWindow(UINT msg, int index, const std::string& text, TObject* object) {
    const int position = SendLine(msg, index, text, object);
    // The window keeps the text up to its first null character.
    const size_t at = std::min(static_cast<size_t>(position), FLines.size());
    FLines.insert(FLines.begin() + static_cast<std::ptrdiff_t>(at), {std::string(text.c_str()), object});
    return position;
}

int TItemStrings::AddObject(const std::string& text, TObject* object) {
    if (HasWindow()) return InsertIntoWindow(FMessages.AddString, 0, text, object);
    size_t position = FLines.size();
    if (Sorted) {
        // After every line that does not sort after it, as the platform list does.
        position = 0;
        while (position < FLines.size() && AnsiCompareText(FLines[position].first, text) <= 0) ++position;
    }
    FLines.insert(FLines.begin() + static_cast<std::ptrdiff_t>(position), {text, object});
    return static_cast<int>(position);
}

int TItemStrings::AppendObject(const std::string& text, TObject* object) {
    if (HasWindow()) return InsertIntoWindow(FMessages.InsertString, -1, text, object);
    FLines.emplace_back(text, object);
    return static_cast<int>(FLines.size()) - 1;
}

void TItemStrings::Reserve(int count, size_t bytes) {
    FLines.reserve(FLines.size() + static_cast<size_t>(count));
    if (HasWindow() && FMessages.InitStorage) Send(FMessages.InitStorage, static_cast<WPARAM>(count), static_cast<LPARAM>(bytes));
}

void TItemStrings::AppendLines(std::vector<std::pair<std::string, TObject*>>& lines) {
    const size_t first = FLines.size();
    FLines.reserve(first + lines.size());
    for (auto& line : lines) FLines.push_back(std::move(line));
    std::vector<std::pair<std::string, TObject*>>().swap(lines);
    if (!HasWindow()) return;
    size_t bytes = 0;
    for (size_t i = first; i < FLines.size(); ++i) bytes += FLines[i].first.size() + 1;
    Reserve(static_cast<int>(FLines.size() - first), bytes);
    for (size_t i = first; i < FLines.size(); ++i) {
        auto& [text, object] = FLines[i];
        try {
            SendLine(FMessages.InsertString, -1, text, object);
        } catch (const EOutOfResources&) {
            FLines.erase(FLines.begin() + static_cast<std::ptrdiff_t>(i), FLines.end());
            throw;
        }
        text.resize(std::char_traits<char>::length(text.c_str()));  // the window keeps the text up to a null
    }
}

void TItemStrings::Insert(int index, const std::string& text) { InsertObject(index, text, nullptr); }

void TItemStrings::InsertObject(int index, const std::string& text, TObject* object) {
    CheckIndex(index, Count() + 1);
    if (HasWindow()) {
        InsertIntoWindow(FMessages.InsertString, index, text, object);
        return;
    }
    FLines.insert(FLines.begin() + index, {text, object});
}

void TItemStrings::Delete(int index) {
    CheckIndex(index, Count());
    if (HasWindow()) Send(FMessages.DeleteString, static_cast<WPARAM>(index), 0);
    FLines.erase(FLines.begin() + index);
}

void TItemStrings::Clear() {
    FLines.clear();
    if (HasWindow()) Send(FMessages.ResetContent, 0, 0);
}

void TItemStrings::BeginUpdate() {
    if (FUpdateCount++ == 0 && HasWindow()) Send(WM_SETREDRAW, FALSE, 0);
}

void TItemStrings::EndUpdate() {
    if (FUpdateCount == 0 || --FUpdateCount != 0 || !HasWindow()) return;
    Send(WM_SETREDRAW, TRUE, 0);
    FControl.Invalidate();
}

int TItemStrings::MoveToWindow(HWND window, int tracked) {
    int trackedAt = -1;
    std::vector<std::pair<std::string, TObject*>> lines;
    lines.swap(FLines);
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto& [text, object] = lines[i];
        const LRESULT position = SendMessageA(window, FMessages.AddString, 0, reinterpret_cast<LPARAM>(text.c_str()));
        if (position < 0) continue;
        SendMessageA(window, FMessages.SetItemData, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(object));
        const size_t at = std::min(static_cast<size_t>(position), FLines.size());
        FLines.insert(FLines.begin() + static_cast<std::ptrdiff_t>(at), {std::string(text.c_str()), object});
        if (static_cast<int>(i) == tracked)
            trackedAt = static_cast<int>(at);
        else if (trackedAt >= 0 && static_cast<int>(at) <= trackedAt)
            ++trackedAt;  // inserted before the tracked line, which moves down
    }
    return trackedAt;
}

void TItemStrings::TakeFromWindow(HWND window) {
    FLines.clear();
    const int count = static_cast<int>(SendMessageA(window, FMessages.GetCount, 0, 0));
    for (int i = 0; i < count; ++i) {
        const LRESULT length = SendMessageA(window, FMessages.GetTextLen, static_cast<WPARAM>(i), 0);
        std::string text(static_cast<size_t>(std::max<LRESULT>(length, 0)) + 1, '\0');
        const LRESULT copied =
            SendMessageA(window, FMessages.GetText, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
        auto* object = reinterpret_cast<TObject*>(SendMessageA(window, FMessages.GetItemData, static_cast<WPARAM>(i), 0));
        FLines.emplace_back(text, object);
    }
}
