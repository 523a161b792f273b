#pragma once

// The process's working directory, asked for anew at every call; the program never changes it.

#include "CString.h"

// Empty when the directory cannot be had (it was removed, or is not accessible).
CString GetCurrentDirectoryPath();
