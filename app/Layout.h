#pragma once
// Helpers for the window layouts: a control created for its form, named, placed in its parent.
#include "Label.h"

template <class T>
T* Place(TComponent* owner, TWinControl* parent, const char* name, int left, int top, int width, int height,
         int tabOrder = -1) {
    T* control = new T(owner);
    control->Name = name;
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    control->TabOrder = tabOrder;
    return control;
}

// A label of fixed size with its caption, directly on the form.
inline TLabel* PlaceLabel(TForm* form, const char* name, int left, int top, int width, int height,
                          const char* caption) {
    auto* label = Place<TLabel>(form, form, name, left, top, width, height);
    label->AutoSize = false;
    label->SetCaption(caption);
    return label;
}
