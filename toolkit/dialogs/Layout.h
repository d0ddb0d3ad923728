#pragma once
// Helpers for the window layouts written in code: a control created for its owner, named and placed
// on its parent, and a label with its caption.
#include <string>

#include "Control.h"
#include "Label.h"

// A control owned by `owner`, named, placed on `parent` at the given bounds, and given a place in
// the tab order (-1, the default, leaves it where it is).
template <class T>
T* Place(TComponent* owner, TWinControl* parent, const std::string& name, int left, int top, int width, int height,
         int tabOrder = -1) {
    T* control = new T(owner);
    control->Name = name;
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    control->TabOrder = tabOrder;
    return control;
}

// A label with its caption on `parent`: of fixed size, or, with `autoSize`, as wide and high as
// its caption.
inline TLabel* PlaceLabel(TComponent* owner, TWinControl* parent, const std::string& name, int left, int top,
                          int width, int height, const std::string& caption, bool autoSize = false) {
    auto* label = Place<TLabel>(owner, parent, name, left, top, width, height);
    label->AutoSize = autoSize;
    label->SetCaption(caption);
    return label;
}
