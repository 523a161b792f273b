#pragma once

// The record behind each folder-tree item, in shell-allocator memory: the folder that holds the
// item (one reference) and the item's relative and absolute identifier lists.

#include "ShellInterfaces.h"

struct FolderNodeData {
    IShellFolder* pParentFolder;
    LPITEMIDLIST pidlRelative;
    LPITEMIDLIST pidlAbsolute;
};
