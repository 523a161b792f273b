#pragma once

// Shared system icons. They belong to the system and are never destroyed.

#include "WinTypes.h"

inline LPCSTR MAKEINTRESOURCE(UINT id) {
    return reinterpret_cast<LPCSTR>(static_cast<UINT_PTR>(id));
}
inline const LPCSTR IDI_APPLICATION = MAKEINTRESOURCE(32512);

// With no module, the system's standard icons; the program carries no icon of its own.
HICON LoadIcon(HINSTANCE module, LPCSTR name);
