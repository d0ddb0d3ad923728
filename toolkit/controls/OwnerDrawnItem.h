#pragma once
// One item of an owner-drawn list box or combo box: a canvas on the item's DC with the control's font
// and, when selected, the selection's colours; the item itself drawn by the control; then the focus
// rectangle, drawn inverted, so that a change of focus alone toggles it.
#include <windows.h>

#include <functional>
#include <string>

class TCanvas;
class TControl;

// `current` points at the item's canvas while `drawItem` runs, and at what it pointed to before
// afterwards. `drawItem` gets the item's position, and runs for whole and selection drawing of an
// item (index 0 or more); with `fillEmpty`, a place with no item (index -1) gets the background.
void DrawOwnerDrawnItem(const TControl& control, const DRAWITEMSTRUCT& item, TCanvas*& current, bool fillEmpty,
                        const std::function<void(int index)>& drawItem);

// The plain item: the background, and the text 2 pixels in.
void DrawItemText(TCanvas& canvas, const RECT& rect, const std::string& text);
