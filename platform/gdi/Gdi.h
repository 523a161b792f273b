#pragma once

// The GDI functions that the logo painting calls, with the classic semantics it relies on:
// an object still selected into a device context cannot be deleted, deleting a memory context
// lets go of what is selected into it, and a DIB section keeps its colour table.

#include "GdiTypes.h"

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
};

// A context for the window's client area; a null window gives the whole screen.
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC dc);
// Painting draws into the window only while it handles its paint message; a paint begun while
// another is open on the same window draws through the same surface.
HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);

// A memory context compatible with `dc` (the screen when null). It starts with an empty
// bitmap, so a blit from it alone draws nothing.
HDC CreateCompatibleDC(HDC dc);
BOOL DeleteDC(HDC dc);
// Selects a bitmap into a memory context; returns the bitmap it replaces, or null on failure.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
HPALETTE SelectPalette(HDC dc, HPALETTE palette, BOOL forceBackground);
UINT RealizePalette(HDC dc);
int GetDeviceCaps(HDC dc, int index);
// Only SRCCOPY. The part of the source that lies outside its bitmap is not drawn.
BOOL BitBlt(HDC dc, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
            DWORD rop);
BOOL DrawIcon(HDC dc, int x, int y, HICON icon);

// Bitmap resources of the program, at their own size (0 x 0), as DIB sections
// (LR_CREATEDIBSECTION); anything else gives null.
HANDLE LoadImage(HINSTANCE instance, LPCSTR name, UINT type, int width, int height, UINT flags);
// A bitmap fills a DIBSECTION or a BITMAP, whichever `size` holds; a palette its entry count.
int GetObject(HGDIOBJ object, int size, void* buffer);
UINT GetDIBColorTable(HDC dc, UINT start, UINT count, RGBQUAD* colours);
HPALETTE CreatePalette(const LOGPALETTE* logPalette);
// A 6 x 6 x 6 colour cube and a grey ramp: 256 entries for pictures with more colours.
HPALETTE CreateHalftonePalette(HDC dc);
UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries);
BOOL DeleteObject(HGDIOBJ object);

int GetSystemMetrics(int index);
