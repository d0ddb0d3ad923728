#pragma once
// The three states of a check box, stored in settings and forms as 0, 1 and 2.

enum TCheckBoxState { cbUnchecked = 0, cbChecked = 1, cbGrayed = 2 };
