#pragma once

// Packed DIBs made to measure for tests: header, colour table and rows, as a resource holds them.

#include "GdiTypes.h"

#include <vector>

struct PackedDibLayout {
    int width = 4;
    int height = 2; // positive: rows stored bottom-up
    WORD bitCount = 8;
    DWORD colourCount = 0;    // biClrUsed
    DWORD tableEntries = 256; // entries actually stored after the header
    DWORD compression = BI_RGB;
};

// Colour-table entry i is (red i, green 255 - i, blue i / 2); every pixel byte is `fill`.
std::vector<unsigned char> MakePackedDib(const PackedDibLayout& layout, unsigned char fill = 0);
RGBQUAD TestTableColour(unsigned index);
