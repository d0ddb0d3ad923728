#pragma once
// TItemStrings: the Items of a list box or combo box. While the control has a window the lines live
// in the window (the platform list sorts them when the control is sorted), and a copy of them here
// answers every read without a message to the window; before the window is made and between
// re-creations they are kept here alone and handed to the next window.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "Strings.h"

class TWinControl;

// The message numbers of one kind of platform list (LB_* or CB_*).
struct TItemMessages {
    UINT AddString, InsertString, DeleteString, ResetContent, GetCount, GetText, GetTextLen, GetItemData,
        SetItemData;
    int Err, ErrSpace;
    UINT InitStorage, GetCurSel, SetCurSel, SetItemHeight;
};
extern const TItemMessages ListBoxMessages;
extern const TItemMessages ComboBoxMessages;

class TItemStrings : public TStrings {
public:
    TItemStrings(TWinControl& control, const TItemMessages& messages) : FControl(control), FMessages(messages) {}

    int Count() const override;
    std::string Get(int index) const override;
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* object) override;
    // Raises EOutOfResources "Unable to insert a line" when the platform list refuses the line.
    int AddObject(const std::string& text, TObject* object) override;
    void Insert(int index, const std::string& text) override;
    void InsertObject(int index, const std::string& text, TObject* object);
    void Delete(int index) override;
    void Clear() override;
    // Adds a line at the end even in a sorted list: for a caller that adds lines already in
    // the list's order. Raises like AddObject.
    int AppendObject(const std::string& text, TObject* object);
    // Makes room in the window for `count` more lines of `bytes` characters in all.
    void Reserve(int count, size_t bytes);
    // Adds the lines at the end, as AppendObject does one by one, taking them over from `lines`
    // (left empty, its memory given back before the window gets them). When the window refuses a
    // line, the lines before it stay and EOutOfResources is raised.
    void AppendLines(std::vector<std::pair<std::string, TObject*>>& lines);
    // Repainting of the window stops until the matching EndUpdate (calls nest).
    void BeginUpdate() override;
    void EndUpdate() override;

    // Without a window: whether AddObject keeps the lines sorted (the window does it itself).
    bool Sorted = false;

    // For the control: the lines go into a new window, or come back from one that is destroyed.
    // MoveToWindow answers where the line at `tracked` landed (a sorted window reorders them), or -1.
    int MoveToWindow(HWND window, int tracked = -1);
    void TakeFromWindow(HWND window);

private:
    bool HasWindow() const;
    LRESULT Send(UINT msg, WPARAM wParam, LPARAM lParam) const;
    void CheckIndex(int index, int limit) const;
    // Sends one line and its object to the window (msg: the add or insert message) and answers
    // where the window put it; raises EOutOfResources when the window refuses the line.
    int SendLine(UINT msg, int index, const std::string& text, TObject* object);
    // SendLine, and the copy here follows.
    int InsertIntoWindow(UINT msg, int index, const std::string& text, TObject* object);

    TWinControl& FControl;
    const TItemMessages& FMessages;
    std::vector<std::pair<std::string, TObject*>> FLines;  // the lines, in the window's order when there is one
    int FUpdateCount = 0;
};
