#include "DesktopFolder.h"

#include "ComputerFolder.h"
#include "DisplayName.h"
#include "FolderContextMenu.h"
#include "FolderEnumerator.h"
#include "ItemOrder.h"
#include "SubFolderProbe.h"
#include "UserDirectories.h"

#include <new>

DesktopFolder::DesktopFolder() {
    if (auto desktop = UserDirectories::Desktop()) {
        m_desktopPath = std::move(*desktop);
        m_desktopDirectory = new (std::nothrow) FileSystemFolder(m_desktopPath);
    }
}

DesktopFolder::~DesktopFolder() {
    if (m_desktopDirectory) {
        m_desktopDirectory->Release();
    }
}

HRESULT DesktopFolder::BindToObject(LPCITEMIDLIST item, IBindCtx* context, REFIID iid,
                                    void** object) {
    if (!object) {
        return E_POINTER;
    }
    *object = nullptr;
    const auto first = ShellItem::Read(item);
    if (!first) {
        return E_INVALIDARG;
    }
    const LPCITEMIDLIST rest = ShellItem::Next(item);
    switch (first->Kind()) {
    case ItemKind::Home:
        return FileSystemFolder::BindDirectory(UserDirectories::Home(), rest, iid, object);
    case ItemKind::Computer: {
        auto* computer = new (std::nothrow) ComputerFolder();
        if (!computer) {
            return E_OUTOFMEMORY;
        }
        const HRESULT result = ShellItem::IsEnd(rest)
                                   ? computer->QueryInterface(iid, object)
                                   : computer->BindToObject(rest, context, iid, object);
        computer->Release();
        return result;
    }
    case ItemKind::Folder:
    case ItemKind::File:
        return m_desktopDirectory ? m_desktopDirectory->BindToObject(item, context, iid, object)
                                  : E_FAIL;
    case ItemKind::Volume:
        break;
    }
    return E_INVALIDARG;
}

HRESULT DesktopFolder::CompareIDs(LPARAM /*column*/, LPCITEMIDLIST item1, LPCITEMIDLIST item2) {
    return ItemOrder::CompareLists(item1, item2);
}

HRESULT DesktopFolder::EnumObjects(HWND /*owner*/, DWORD flags, IEnumIDList** enumerator) {
    if (!enumerator) {
        return E_POINTER;
    }
    *enumerator = new (std::nothrow)
        FolderEnumerator({{ItemKind::Home, ""}, {ItemKind::Computer, ""}}, m_desktopPath, flags);
    return *enumerator ? S_OK : E_OUTOFMEMORY;
}

HRESULT DesktopFolder::GetAttributesOf(UINT count, LPCITEMIDLIST* items, SFGAOF* attributes) {
    if (count == 0 || !items || !attributes) {
        return E_INVALIDARG;
    }
    SFGAOF common = *attributes;
    for (UINT i = 0; i < count; ++i) {
        const auto item = ShellItem::ReadSingle(items[i]);
        if (!item || item->Kind() == ItemKind::Volume) {
            return E_INVALIDARG;
        }
        SFGAOF has = 0;
        if (item->Kind() == ItemKind::Home) {
            has = SFGAO_FOLDER | SFGAO_FILESYSTEM;
            if ((common & SFGAO_HASSUBFOLDER) &&
                SubFolderProbe(UserDirectories::Home()).FolderHasSubFolder()) {
                has |= SFGAO_HASSUBFOLDER;
            }
        } else if (item->Kind() == ItemKind::Computer) {
            // The root file system is always there.
            has = SFGAO_FOLDER | SFGAO_HASSUBFOLDER;
        } else if (m_desktopDirectory) {
            has = m_desktopDirectory->EntryAttributes(*item, common);
        } else {
            return E_FAIL;
        }
        common &= has;
    }
    *attributes = common;
    return S_OK;
}

HRESULT DesktopFolder::GetUIObjectOf(HWND owner, UINT count, LPCITEMIDLIST* items, REFIID iid,
                                     UINT* reserved, void** object) {
    if (!object) {
        return E_POINTER;
    }
    *object = nullptr;
    const auto item = count == 1 && items ? ShellItem::ReadSingle(items[0]) : std::nullopt;
    if (!item || item->Kind() == ItemKind::Volume) {
        return E_INVALIDARG;
    }
    switch (item->Kind()) {
    case ItemKind::Home: {
        const std::string home = UserDirectories::Home();
        return FolderContextMenu::Create(home, home, iid, object);
    }
    case ItemKind::Computer:
        // Computer has no path of its own; the file manager shows it from the root.
        return FolderContextMenu::Create("/", "", iid, object);
    default:
        return m_desktopDirectory
                   ? m_desktopDirectory->GetUIObjectOf(owner, count, items, iid, reserved, object)
                   : E_FAIL;
    }
}

HRESULT DesktopFolder::GetDisplayNameOf(LPCITEMIDLIST item, DWORD flags, STRRET* name) {
    const auto desktopItem = ShellItem::ReadSingle(item);
    if (!name || !desktopItem || desktopItem->Kind() == ItemKind::Volume) {
        return E_INVALIDARG;
    }
    switch (desktopItem->Kind()) {
    case ItemKind::Home:
        return DisplayName::SetWide(u"Home", name);
    case ItemKind::Computer:
        return DisplayName::SetWide(u"Computer", name);
    default:
        return m_desktopDirectory ? m_desktopDirectory->GetDisplayNameOf(item, flags, name)
                                  : E_FAIL;
    }
}
