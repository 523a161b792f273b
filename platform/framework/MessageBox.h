#pragma once

// Modal message boxes. The icon follows the type's icon bits; a box without a caption takes the
// application's name.

#include "WinTypes.h"

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

// Owned by the active window. A type that names no icon gets the exclamation icon.
int AfxMessageBox(LPCSTR text, UINT type = MB_OK, UINT helpId = 0);
