#pragma once

// The classic GDI's handles, records and constants that the logo painting is written in. The
// records keep their classic names, fields and order; handles are opaque, and only the GDI layer
// knows what stands behind them.

#include "Icon.h"
#include "WinTypes.h"

struct HDC__;
using HDC = HDC__*;
struct HBITMAP__;
using HBITMAP = HBITMAP__*;
struct HPALETTE__;
using HPALETTE = HPALETTE__*;
using HGDIOBJ = void*;
using HANDLE = void*;

struct RGBQUAD {
    BYTE rgbBlue;
    BYTE rgbGreen;
    BYTE rgbRed;
    BYTE rgbReserved;
};

struct PALETTEENTRY {
    BYTE peRed;
    BYTE peGreen;
    BYTE peBlue;
    BYTE peFlags;
};

// Allocated with room for palNumEntries entries; the array runs past its declared size.
struct LOGPALETTE {
    WORD palVersion;
    WORD palNumEntries;
    PALETTEENTRY palPalEntry[1];
};

struct BITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight;
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
};

struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    void* bmBits;
};

struct DIBSECTION {
    BITMAP dsBm;
    BITMAPINFOHEADER dsBmih;
    DWORD dsBitfields[3];
    HANDLE dshSection;
    DWORD dsOffset;
};

static_assert(sizeof(RGBQUAD) == 4 && sizeof(PALETTEENTRY) == 4);
static_assert(sizeof(BITMAPINFOHEADER) == 40);

constexpr DWORD BI_RGB = 0;
constexpr WORD PALVERSION = 0x300;

constexpr DWORD SRCCOPY = 0x00CC0020;

constexpr int RASTERCAPS = 38;
constexpr int RC_BITBLT = 0x0001;
constexpr int RC_PALETTE = 0x0100;

constexpr UINT IMAGE_BITMAP = 0;
constexpr UINT LR_CREATEDIBSECTION = 0x2000;

constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
