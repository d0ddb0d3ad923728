#pragma once
// The control ids of the windows of one form. WM_COMMAND carries 16 bits of an id and the dialog
// manager finds a control by its id, so every window in the form has an id of its own, within 16
// bits, and the id of a destroyed window is used again: a form that makes and frees controls all
// day never runs out, and no id ever reads as IDOK, IDCANCEL or another id the platform reserves.
#include <set>

class TControlIds {
public:
    // Below these: the platform's reserved ids (IDOK 1 ... IDHELP 9 and the like); above: menu
    // command ids (TMenuItem) and the conventional -1 of static controls.
    static constexpr int kFirst = 1000;
    static constexpr int kLast = 0x9FFF;

    // The lowest free id; raises EOutOfResources when every id is in use.
    int Take();
    void Give(int id);

private:
    std::set<int> FFreed;  // given back, below FNext
    int FNext = kFirst;
};
