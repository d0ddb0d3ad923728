#pragma once
// The message dialog: a modal window built by the toolkit from a text, a kind, a set of buttons and
// a help context, centred on the screen.
#include <string>

#include "ModalResult.h"

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

enum TMsgDlgBtn : unsigned {
    mbYes = 1 << 0,
    mbNo = 1 << 1,
    mbOK = 1 << 2,
    mbCancel = 1 << 3,
    mbAbort = 1 << 4,
    mbRetry = 1 << 5,
    mbIgnore = 1 << 6,
    mbAll = 1 << 7,
    mbHelp = 1 << 8,
};
using TMsgDlgButtons = unsigned;

// Shows the dialog and returns the result of the button that closed it (mrYes, mrNo, mrOk, ...);
// closing it by its close box gives the result of the cancel (Esc) button.
int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext);
