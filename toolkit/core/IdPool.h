#pragma once
// The ids of a form's windows and of menu commands. WM_COMMAND carries 16 bits of an id and the
// dialog manager finds a control by its id, so every window in a form has an id of its own, within
// 16 bits, and the id of a destroyed window or menu item is used again: a form that makes and frees
// controls or menu items all day never runs out.
#include <set>

// Ids handed out from one range, the lowest free one first.
class TIdPool {
public:
    // `exhausted` is the message of the error raised when every id of the range is in use.
    TIdPool(int first, int last, const char* exhausted)
        : FFirst(first), FLast(last), FExhausted(exhausted), FNext(first) {}

    // The lowest free id; raises EOutOfResources when every id is in use.
    int Take();
    void Give(int id);

private:
    int FFirst, FLast;
    const char* FExhausted;
    std::set<int> FFreed;  // given back, below FNext
    int FNext;
};

// Control ids, numbered per form. Below them lie the platform's reserved ids (IDOK 1 ... IDHELP 9
// and the like), the ids that platform controls give their own children (a combo box's list 1000
// and edit 1001; the dialog manager searches ids through every level of windows) and those of the
// common dialogs' controls (0x400 to 0x4FF); above them the menu commands.
constexpr int kFirstControlId = 0x1000;
constexpr int kLastControlId = 0x9FFF;
// Menu command ids, one range for all menus; above them lie the system commands (0xF000 on) and
// the conventional -1 of static controls.
constexpr int kFirstMenuCommand = 0xA000;
constexpr int kLastMenuCommand = 0xEFFF;
