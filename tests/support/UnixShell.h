#pragma once
// Commands that a test runs outside Wine, as another program of the machine: removing a
// directory that this process stands in, or starting a native browser.
#include <string>

// The Unix path of a Windows path, as Wine maps it; empty when it has none.
std::string UnixPath(const std::string& windowsPath);

// Runs `script` with /bin/sh outside Wine and waits (polling, up to `timeoutMs`) until it has
// ended. The script must not hold double quotes. Its exit code, or -1 when it did not end in time.
int RunOutsideWine(const std::string& script, int timeoutMs);
