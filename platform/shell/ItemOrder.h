#pragma once

// The order of the namespace's items: Home, Computer, the volumes (the root first), then
// folders and files by their names in natural order.

#include "ShellItem.h"

class ItemOrder {
public:
    // Negative, 0 or positive.
    static int Compare(const ShellItem& left, const ShellItem& right);
    // Compares two relative lists item by item, a shorter list first when one starts the other;
    // the answer of IShellFolder::CompareIDs.
    static HRESULT CompareLists(LPCITEMIDLIST left, LPCITEMIDLIST right);
};
