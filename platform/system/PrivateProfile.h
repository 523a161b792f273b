#pragma once

// Reads settings from an initialisation file: [Section] headers and key=value lines.

#include "WinTypes.h"

// Copies the value of key in section of fileName into buffer, cut to size - 1 bytes (never
// within a UTF-8 character) and terminated; a missing file, section or key yields the default,
// a null default the empty text. Returns the number of bytes copied.
DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer,
                               DWORD size, LPCSTR fileName);
