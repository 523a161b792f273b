#pragma once

// Hands out a folder's items one at a time: first its fixed items (the desktop's Home and
// Computer, the volumes), then the entries of its directory, read as they are asked for.
// Directory entries are folders (symbolic links to folders included) and, when asked for,
// everything else; hidden (dot) entries only when asked for. A directory that cannot be read
// yields nothing.

#include "ComObject.h"
#include "ShellInterfaces.h"
#include "ShellItem.h"

#include <dirent.h>
#include <string>
#include <vector>

struct FixedItem {
    ItemKind kind;
    std::string text;
};

class FolderEnumerator final : public ComObject<IEnumIDList, IID_IEnumIDList> {
public:
    // An empty directory means the folder has none.
    FolderEnumerator(std::vector<FixedItem> fixedItems, std::string directory, DWORD flags);

    HRESULT Next(ULONG count, LPITEMIDLIST* items, ULONG* fetched) override;
    HRESULT Skip(ULONG count) override;
    HRESULT Reset() override;

private:
    ~FolderEnumerator() override;

    // S_OK with an item, S_FALSE at the end, or a failure.
    HRESULT NextItem(LPITEMIDLIST* item);
    HRESULT NextDirectoryItem(LPITEMIDLIST* item);

    std::vector<FixedItem> m_fixedItems;
    std::size_t m_nextFixedItem = 0;
    DIR* m_directory = nullptr;
    DWORD m_flags;
};
