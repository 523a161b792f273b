#pragma once

// Configuration and observation of the GDI layer for tests: the kind of display, the program's
// count of GDI objects, a record of the drawing calls, and bitmap resources of a test's own.

#include "WinTypes.h"

#include <string>
#include <vector>

// A palette display reports RC_PALETTE, as a 256-colour screen does; the default is true colour.
void GdiSetPaletteDisplayForTesting(bool paletteDisplay);

// Bitmaps, palettes and device contexts that exist now.
int GdiLiveObjectCount();

// Records the drawing calls and the palettes made from now on, one line each, for example
// "CreatePalette 256", "CreateHalftonePalette", "SelectPalette paint foreground",
// "RealizePalette paint", "BitBlt paint 13 13 150 276 memory 0 0 SRCCOPY", "DrawIcon paint 40 52".
void GdiStartCallLog();
// The calls recorded since GdiStartCallLog; recording stops.
std::vector<std::string> GdiTakeCallLog();

// LoadImage finds these bytes under `id` before the program's own resources; empty bytes make
// the resource missing. Cleared with GdiClearBitmapResourcesForTesting.
void GdiSetBitmapResourceForTesting(UINT id, std::vector<unsigned char> packedDib);
void GdiClearBitmapResourcesForTesting();
