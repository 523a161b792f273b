#pragma once

// Operations on item identifier lists and single items that the folder tree needs: stepping and
// measuring, allocating, joining and copying through the shell allocator, display names as
// ANSI text, icon indexes in the system image list, and an item's context menu.

#include "ShellApi.h"
#include "ShellInterfaces.h"

class CIdListUtil {
public:
    // The item after `item`, whose count must not be 0.
    static LPITEMIDLIST NextItem(LPCITEMIDLIST item);
    // Bytes including the terminator; 0 for null.
    static UINT ListSize(LPCITEMIDLIST list);
    // `size` zeroed bytes from the shell allocator; null on failure.
    static LPITEMIDLIST AllocList(UINT size);
    // The items of `first` (may be null) followed by those of `second`; null on failure.
    static LPITEMIDLIST JoinLists(LPCITEMIDLIST first, LPCITEMIDLIST second);
    // A copy of the first item and the terminator after it, from `allocator`; null on failure.
    static LPITEMIDLIST CopyFirstItem(IMalloc* allocator, LPCITEMIDLIST list);
    // The item's name into `text` (MAX_PATH bytes), cut at a character boundary when longer.
    // FALSE, with `text` untouched, when the folder gives no name.
    static BOOL GetDisplayText(IShellFolder* folder, LPCITEMIDLIST item, DWORD flags, LPSTR text);
    // The icon index of an absolute list (`flags` include SHGFI_PIDL); 0 when there is none.
    static int GetIconIndex(LPCITEMIDLIST list, UINT flags);
    // Shows the item's context menu at a screen point and runs the chosen command. FALSE when
    // no menu could be shown.
    static BOOL ShowItemMenu(HWND owner, IShellFolder* folder, LPCITEMIDLIST item, POINT* point);
};
