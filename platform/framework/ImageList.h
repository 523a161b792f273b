#pragma once

// Image lists: numbered icons of one size, drawn by the controls that are given the list.
// Icons come from the desktop's icon theme by name, with a built-in icon as fallback.

#include "WinTypes.h"

struct HIMAGELIST__;
using HIMAGELIST = HIMAGELIST__*;

HIMAGELIST ImageList_Create(int width, int height);
int ImageList_GetImageCount(HIMAGELIST list);
// Adds the theme icon of that name (for example "folder", "folder-open", "user-home",
// "computer", "drive-harddisk", "user-desktop") and returns its index, or -1.
int ImageList_AddThemeIcon(HIMAGELIST list, LPCSTR themeIconName);
