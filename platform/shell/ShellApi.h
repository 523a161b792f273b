#pragma once

// The shell's entry points into the desktop namespace.

#include "ShellInterfaces.h"

// The process-wide shell allocator, with a reference for the caller.
HRESULT SHGetMalloc(IMalloc** allocator);
// The root of the namespace, with a reference for the caller.
HRESULT SHGetDesktopFolder(IShellFolder** desktop);
// With SHGFI_SYSICONINDEX: sets `iIcon` and returns the system small-icon image list as an
// integer, or 0. With SHGFI_PIDL `path` is an absolute item identifier list.
DWORD_PTR SHGetFileInfoA(LPCSTR path, DWORD fileAttributes, SHFILEINFOA* info, UINT infoSize,
                         UINT flags);
// Writes the file-system path of an absolute list into a buffer of MAX_PATH bytes. FALSE, with
// an empty buffer, when the item has no path or the path does not fit.
BOOL SHGetPathFromIDListA(LPCITEMIDLIST list, LPSTR path);

// The system code page is UTF-8.
constexpr UINT CP_ACP = 0;
constexpr UINT CP_UTF8 = 65001;

// Converts UTF-16 to UTF-8 (`wideLength` -1: up to and with the terminator). With no buffer the
// result is the size needed. When the text does not fit, the whole characters that fit are
// written and terminated, and the result is 0. Unpaired surrogates become U+FFFD.
int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int wideLength, LPSTR text,
                        int textSize, LPCSTR defaultChar, BOOL* usedDefaultChar);
