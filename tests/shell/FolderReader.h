#pragma once

// Reads folders of the namespace the way a caller does, for tests: items in their folder's
// order, display names of every STRRET kind, binding by name.

#include "ShellApi.h"

#include <memory>
#include <string>
#include <vector>

// Gives a block back to the shell allocator.
void FreeShellMemory(void* block);

struct ItemListDeleter {
    void operator()(ITEMIDLIST* list) const { FreeShellMemory(list); }
};
using ItemList = std::unique_ptr<ITEMIDLIST, ItemListDeleter>;

struct FolderDeleter {
    void operator()(IShellFolder* folder) const { folder->Release(); }
};
using Folder = std::unique_ptr<IShellFolder, FolderDeleter>;

class FolderReader {
public:
    static Folder Desktop();
    // The folder's items, sorted with its CompareIDs.
    static std::vector<ItemList> Items(IShellFolder* folder, DWORD flags = SHCONTF_FOLDERS);
    static std::vector<std::string> Names(IShellFolder* folder, DWORD flags = SHCONTF_FOLDERS);
    // The display name whatever its STRRET kind; empty when the folder gives none.
    static std::string NameOf(IShellFolder* folder, LPCITEMIDLIST item);
    // The item of that name; null when there is none.
    static ItemList Find(IShellFolder* folder, const std::string& name,
                         DWORD flags = SHCONTF_FOLDERS | SHCONTF_NONFOLDERS |
                                       SHCONTF_INCLUDEHIDDEN);
    // Binds the item of that name; null when that fails.
    static Folder Bind(IShellFolder* folder, const std::string& name);
    static ItemList Join(LPCITEMIDLIST first, LPCITEMIDLIST second);
};
