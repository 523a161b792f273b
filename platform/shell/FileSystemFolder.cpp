#include "FileSystemFolder.h"

#include "DisplayName.h"
#include "FolderContextMenu.h"
#include "FolderEnumerator.h"
#include "ItemOrder.h"

#include <new>
#include <sys/stat.h>

FileSystemFolder::FileSystemFolder(std::string path) : m_path(std::move(path)) {}

HRESULT FileSystemFolder::BindDirectory(const std::string& path, LPCITEMIDLIST rest, REFIID iid,
                                        void** object) {
    if (!object) {
        return E_POINTER;
    }
    *object = nullptr;
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        return E_FAIL;
    }
    auto* folder = new (std::nothrow) FileSystemFolder(path);
    if (!folder) {
        return E_OUTOFMEMORY;
    }
    const HRESULT result = ShellItem::IsEnd(rest)
                               ? folder->QueryInterface(iid, object)
                               : folder->BindToObject(rest, nullptr, iid, object);
    folder->Release();
    return result;
}

HRESULT FileSystemFolder::BindToObject(LPCITEMIDLIST item, IBindCtx* /*context*/, REFIID iid,
                                       void** object) {
    if (!object) {
        return E_POINTER;
    }
    *object = nullptr;
    const auto entry = ShellItem::Read(item);
    if (!entry || !entry->IsFileSystemEntry()) {
        return E_INVALIDARG;
    }
    return BindDirectory(EntryPath(*entry), ShellItem::Next(item), iid, object);
}

HRESULT FileSystemFolder::CompareIDs(LPARAM /*column*/, LPCITEMIDLIST item1, LPCITEMIDLIST item2) {
    return ItemOrder::CompareLists(item1, item2);
}

HRESULT FileSystemFolder::EnumObjects(HWND /*owner*/, DWORD flags, IEnumIDList** enumerator) {
    if (!enumerator) {
        return E_POINTER;
    }
    *enumerator = new (std::nothrow) FolderEnumerator({}, m_path, flags);
    return *enumerator ? S_OK : E_OUTOFMEMORY;
}

HRESULT FileSystemFolder::GetAttributesOf(UINT count, LPCITEMIDLIST* items, SFGAOF* attributes) {
    if (count == 0 || !items || !attributes) {
        return E_INVALIDARG;
    }
    SFGAOF common = *attributes;
    for (UINT i = 0; i < count; ++i) {
        const auto entry = ShellItem::ReadSingle(items[i]);
        if (!entry || !entry->IsFileSystemEntry()) {
            return E_INVALIDARG;
        }
        common = EntryAttributes(*entry, common);
    }
    *attributes = common;
    return S_OK;
}

HRESULT FileSystemFolder::GetUIObjectOf(HWND /*owner*/, UINT count, LPCITEMIDLIST* items,
                                        REFIID iid, UINT* /*reserved*/, void** object) {
    if (!object) {
        return E_POINTER;
    }
    *object = nullptr;
    const auto entry = count == 1 && items ? ShellItem::ReadSingle(items[0]) : std::nullopt;
    if (!entry || !entry->IsFileSystemEntry()) {
        return E_INVALIDARG;
    }
    const std::string path = EntryPath(*entry);
    return FolderContextMenu::Create(path, path, iid, object);
}

HRESULT FileSystemFolder::GetDisplayNameOf(LPCITEMIDLIST item, DWORD /*flags*/, STRRET* name) {
    const auto entry = ShellItem::ReadSingle(item);
    if (!name || !entry || !entry->IsFileSystemEntry()) {
        return E_INVALIDARG;
    }
    // The name is the item's own text, so it can be read from the list in place.
    return DisplayName::SetOffset(ShellItem::TextOffset, name);
}

SFGAOF FileSystemFolder::EntryAttributes(const ShellItem& entry, SFGAOF asked) {
    SFGAOF has = SFGAO_FILESYSTEM;
    if (entry.Kind() == ItemKind::Folder) {
        has |= SFGAO_FOLDER;
        if (asked & SFGAO_HASSUBFOLDER) {
            if (!m_probe) {
                m_probe = std::make_unique<SubFolderProbe>(m_path);
            }
            if (m_probe->ChildHasSubFolder(entry.Text())) {
                has |= SFGAO_HASSUBFOLDER;
            }
        }
    }
    return asked & has;
}

std::string FileSystemFolder::EntryPath(const ShellItem& entry) const {
    std::string path = m_path;
    if (path.back() != '/') {
        path += '/';
    }
    path += entry.Text();
    return path;
}
