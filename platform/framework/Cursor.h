#pragma once

// The mouse cursor.

#include "WinTypes.h"

// The cursor's position in screen coordinates.
BOOL GetCursorPos(POINT* point);
