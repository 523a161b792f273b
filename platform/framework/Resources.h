#pragma once

// The program's resources as data: dialog templates, the string table and bitmaps, looked up by
// their numbers. The program's resource module provides them.

#include "WinTypes.h"

#include <span>

struct ControlTemplate {
    int id;
    LPCSTR className; // "button", "edit", "static", "msctls_progress32", "SysTreeView32"
    LPCSTR text;
    short x, y, cx, cy; // dialog units
    DWORD style;
};

struct DialogTemplate {
    UINT id;
    LPCSTR caption;
    LPCSTR fontName;
    int pointSize;
    short x, y, cx, cy; // dialog units
    DWORD style;
    DWORD exStyle;
    std::span<const ControlTemplate> controls;
};

struct StringResource {
    UINT id;
    LPCSTR text;
};

struct BitmapResource {
    UINT id;
    std::span<const unsigned char> bytes; // a packed DIB: header, colour table, pixels
};

struct ResourceModule {
    std::span<const DialogTemplate> dialogs;
    std::span<const StringResource> strings;
    std::span<const BitmapResource> bitmaps;
};

// Defined once by the program: its own resources.
const ResourceModule& AfxGetResourceModule();

const DialogTemplate* AfxFindDialogTemplate(UINT id);
LPCSTR AfxFindString(UINT id);
const BitmapResource* AfxFindBitmap(UINT id);
