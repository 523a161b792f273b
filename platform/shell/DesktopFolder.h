#pragma once

// The root of the namespace: Home, Computer, then the entries of the user's desktop folder.

#include "ComObject.h"
#include "FileSystemFolder.h"
#include "ShellInterfaces.h"

class DesktopFolder final : public ComObject<IShellFolder, IID_IShellFolder> {
public:
    DesktopFolder();

    HRESULT BindToObject(LPCITEMIDLIST item, IBindCtx* context, REFIID iid, void** object) override;
    HRESULT CompareIDs(LPARAM column, LPCITEMIDLIST item1, LPCITEMIDLIST item2) override;
    HRESULT EnumObjects(HWND owner, DWORD flags, IEnumIDList** enumerator) override;
    HRESULT GetAttributesOf(UINT count, LPCITEMIDLIST* items, SFGAOF* attributes) override;
    HRESULT GetUIObjectOf(HWND owner, UINT count, LPCITEMIDLIST* items, REFIID iid, UINT* reserved,
                          void** object) override;
    HRESULT GetDisplayNameOf(LPCITEMIDLIST item, DWORD flags, STRRET* name) override;

private:
    ~DesktopFolder() override;

    // Null when the user has no desktop folder; its entries then cannot be reached.
    FileSystemFolder* m_desktopDirectory = nullptr;
    std::string m_desktopPath;
};
