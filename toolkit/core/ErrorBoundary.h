#pragma once
// The one error boundary. No exception may cross a place where the platform calls the program
// (window procedures, the message loop, timers), nor leave a destructor or the making of a form:
// each such place runs its work through Guarded, which hands what escapes to the application's
// error box (EAbort shows nothing), so the interrupted work is abandoned and the program goes on.
#include <optional>
#include <string>

class TObject;

// Shows the exception being handled; call it inside a catch block only. Never throws.
void ShowCaughtException(TObject* sender) noexcept;

// The message the error box shows for the exception being handled (without the full stop); none
// for EAbort. Call it inside a catch block only.
std::optional<std::string> CaughtExceptionMessage();

// A message box with the stop icon and OK; where none can be shown (no display), the text goes to
// the standard error stream instead, so it is never lost.
void ShowErrorBox(const std::string& text, const std::string& caption) noexcept;

// Runs `action`; true when it ended normally, false when it raised and the error was shown.
template <class Action>
bool Guarded(TObject* sender, Action&& action) noexcept {
    try {
        action();
        return true;
    } catch (...) {
        ShowCaughtException(sender);
        return false;
    }
}
