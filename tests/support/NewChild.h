#pragma once
// A control made for a test inside `parent`, which owns it and frees it with itself.
#include "Control.h"

template <class T>
T* NewChild(TWinControl& parent) {
    auto* control = new T(&parent);
    control->SetParent(&parent);
    return control;
}
