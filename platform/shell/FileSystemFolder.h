#pragma once

// A folder of the file system: its items are the entries of its directory, named by their
// bytes. The desktop hands its own file-system items to the folder of the desktop directory.

#include "ComObject.h"
#include "ShellInterfaces.h"
#include "ShellItem.h"
#include "SubFolderProbe.h"

#include <memory>
#include <string>

class FileSystemFolder final : public ComObject<IShellFolder, IID_IShellFolder> {
public:
    explicit FileSystemFolder(std::string path);

    // Binds `rest` (a relative list, possibly empty) below the directory at `path`. Fails when
    // the path is not a directory; a directory that cannot be read still binds.
    static HRESULT BindDirectory(const std::string& path, LPCITEMIDLIST rest, REFIID iid,
                                 void** object);

    HRESULT BindToObject(LPCITEMIDLIST item, IBindCtx* context, REFIID iid, void** object) override;
    HRESULT CompareIDs(LPARAM column, LPCITEMIDLIST item1, LPCITEMIDLIST item2) override;
    HRESULT EnumObjects(HWND owner, DWORD flags, IEnumIDList** enumerator) override;
    HRESULT GetAttributesOf(UINT count, LPCITEMIDLIST* items, SFGAOF* attributes) override;
    HRESULT GetUIObjectOf(HWND owner, UINT count, LPCITEMIDLIST* items, REFIID iid, UINT* reserved,
                          void** object) override;
    HRESULT GetDisplayNameOf(LPCITEMIDLIST item, DWORD flags, STRRET* name) override;

    // The parts of the interface that work on one well-formed entry.
    SFGAOF EntryAttributes(const ShellItem& entry, SFGAOF asked);
    std::string EntryPath(const ShellItem& entry) const;

private:
    ~FileSystemFolder() override = default;

    std::string m_path;
    // Made on the first question about sub-folders: it reads the mount table.
    std::unique_ptr<SubFolderProbe> m_probe;
};
