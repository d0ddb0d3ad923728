#pragma once
// A process started in a directory whose name the code page cannot hold (Wine reports the missing
// characters as '?', or as look-alike letters that may name another directory) cannot enter its
// own current directory by the name it is told: the browsing lists, which read it, and every
// relative file name would fail or go astray.
#include <string>

// When the process's current directory cannot be named, moves the process up to the nearest
// enclosing directory that can, and then raises the platform's error for the unnameable one
// (EInOutError, 123 for a name the code page cannot hold, 206 for one too long to report), for the
// caller to show once. Does nothing in a directory that can be named.
void EnterReadableStartDirectory();
