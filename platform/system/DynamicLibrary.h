#pragma once

// Loading libraries at run time by name. A Windows library name ("UNRAR.dll") stands for the
// shared object of the same stem ("libunrar.so"), looked up first beside the program file and
// then by the system's library search. Libraries are never unloaded.

#include "WinTypes.h"

using FARPROC = void (*)();

HMODULE LoadLibraryA(LPCSTR name);
FARPROC GetProcAddress(HMODULE module, LPCSTR name);
