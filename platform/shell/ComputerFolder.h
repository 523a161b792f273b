#pragma once

// Computer: the root file system and the other mounted volumes that hold user data.

#include "ComObject.h"
#include "ShellInterfaces.h"
#include "ShellItem.h"

#include <string>

class ComputerFolder final : public ComObject<IShellFolder, IID_IShellFolder> {
public:
    ComputerFolder() = default;

    HRESULT BindToObject(LPCITEMIDLIST item, IBindCtx* context, REFIID iid, void** object) override;
    HRESULT CompareIDs(LPARAM column, LPCITEMIDLIST item1, LPCITEMIDLIST item2) override;
    HRESULT EnumObjects(HWND owner, DWORD flags, IEnumIDList** enumerator) override;
    HRESULT GetAttributesOf(UINT count, LPCITEMIDLIST* items, SFGAOF* attributes) override;
    HRESULT GetUIObjectOf(HWND owner, UINT count, LPCITEMIDLIST* items, REFIID iid, UINT* reserved,
                          void** object) override;
    HRESULT GetDisplayNameOf(LPCITEMIDLIST item, DWORD flags, STRRET* name) override;

    // "File System" for the root, else the last part of the mount point.
    static std::string VolumeName(std::string_view mountPoint);

private:
    ~ComputerFolder() override = default;
};
