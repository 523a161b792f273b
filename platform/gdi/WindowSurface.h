#pragma once

// Platform-internal: drawing on a window's widget. A widget can be painted only while it
// handles its paint event, and by one painter at a time, so nested paints share one painter.

#include "DibSection.h"
#include "WinTypes.h"

// Opens painting on the window; false when the window is not handling its paint event.
bool BeginWindowPainting(HWND window);
void EndWindowPainting(HWND window);
void PaintDibSection(HWND window, int x, int y, const DibSection& dib, int sourceX, int sourceY,
                     int width, int height);
void PaintIcon(HWND window, int x, int y, HICON icon, int size);
