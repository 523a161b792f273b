#pragma once

// Opens a file with the desktop's application for it, as a separate process that is neither
// watched nor waited for.

#include "WinTypes.h"

// verb "open" (or null) opens file, relative to directory, with the desktop's viewer for its
// type (xdg-open). "notepad.exe" with a file as its parameters opens that file the same way.
// The result is greater than 32 when the viewer was started.
HINSTANCE ShellExecuteA(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                        int show);
