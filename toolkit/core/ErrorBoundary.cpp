#include "ErrorBoundary.h"

#include <windows.h>

#include <cstdio>
#include <exception>

#include "Application.h"
#include "Exceptions.h"

std::optional<std::string> CaughtExceptionMessage() {
    try {
        throw;
    } catch (const EAbort&) {
        return std::nullopt;
    } catch (const Exception& e) {
        return e.Message();
    } catch (const std::exception& e) {
        return std::string(e.what());
    } catch (...) {
        return std::string("Unknown exception");
    }
}

void ShowErrorBox(const std::string& text, const std::string& caption) noexcept {
    // Failing, the platform answers 0, or -1 (Wine, when the box's window cannot be made).
    if (MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), MB_OK | MB_ICONSTOP) > 0) return;
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    std::fflush(stderr);
}

void ShowCaughtException(TObject* sender) noexcept {
    try {
        if (Application) {
            Application->HandleException(sender);
        } else if (const std::optional<std::string> message = CaughtExceptionMessage()) {
            ShowErrorBox(*message + ".", "Error");
        }
    } catch (...) {
        // Not even the text could be made (no memory left): the error is dropped, not thrown on.
    }
}
