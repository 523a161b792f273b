#include "ComputerFolder.h"

#include "DisplayName.h"
#include "FileSystemFolder.h"
#include "FolderContextMenu.h"
#include "FolderEnumerator.h"
#include "ItemOrder.h"
#include "MountTable.h"
#include "SubFolderProbe.h"

#include <new>

namespace {

std::optional<ShellItem> ReadVolume(LPCITEMIDLIST list, bool single) {
    auto item = single ? ShellItem::ReadSingle(list) : ShellItem::Read(list);
    if (item && item->Kind() != ItemKind::Volume) {
        return std::nullopt;
    }
    return item;
}

} // namespace

std::string ComputerFolder::VolumeName(std::string_view mountPoint) {
    while (mountPoint.size() > 1 && mountPoint.back() == '/') {
        mountPoint.remove_suffix(1);
    }
    if (mountPoint == "/") {
        return "File System";
    }
    return std::string(mountPoint.substr(mountPoint.rfind('/') + 1));
}

HRESULT ComputerFolder::BindToObject(LPCITEMIDLIST item, IBindCtx* /*context*/, REFIID iid,
                                     void** object) {
    if (!object) {
        return E_POINTER;
    }
    *object = nullptr;
    const auto volume = ReadVolume(item, false);
    if (!volume) {
        return E_INVALIDARG;
    }
    return FileSystemFolder::BindDirectory(std::string(volume->Text()), ShellItem::Next(item), iid,
                                           object);
}

HRESULT ComputerFolder::CompareIDs(LPARAM /*column*/, LPCITEMIDLIST item1, LPCITEMIDLIST item2) {
    return ItemOrder::CompareLists(item1, item2);
}

HRESULT ComputerFolder::EnumObjects(HWND /*owner*/, DWORD flags, IEnumIDList** enumerator) {
    if (!enumerator) {
        return E_POINTER;
    }
    std::vector<FixedItem> volumes;
    for (MountEntry& volume : MountTable::Read().Volumes()) {
        volumes.push_back({ItemKind::Volume, std::move(volume.directory)});
    }
    *enumerator = new (std::nothrow) FolderEnumerator(std::move(volumes), {}, flags);
    return *enumerator ? S_OK : E_OUTOFMEMORY;
}

HRESULT ComputerFolder::GetAttributesOf(UINT count, LPCITEMIDLIST* items, SFGAOF* attributes) {
    if (count == 0 || !items || !attributes) {
        return E_INVALIDARG;
    }
    SFGAOF common = *attributes;
    for (UINT i = 0; i < count; ++i) {
        const auto volume = ReadVolume(items[i], true);
        if (!volume) {
            return E_INVALIDARG;
        }
        SFGAOF has = SFGAO_FOLDER | SFGAO_FILESYSTEM;
        if ((common & SFGAO_HASSUBFOLDER) &&
            SubFolderProbe(std::string(volume->Text())).FolderHasSubFolder()) {
            has |= SFGAO_HASSUBFOLDER;
        }
        common &= has;
    }
    *attributes = common;
    return S_OK;
}

HRESULT ComputerFolder::GetUIObjectOf(HWND /*owner*/, UINT count, LPCITEMIDLIST* items, REFIID iid,
                                      UINT* /*reserved*/, void** object) {
    if (!object) {
        return E_POINTER;
    }
    *object = nullptr;
    const auto volume = count == 1 && items ? ReadVolume(items[0], true) : std::nullopt;
    if (!volume) {
        return E_INVALIDARG;
    }
    const std::string path(volume->Text());
    return FolderContextMenu::Create(path, path, iid, object);
}

HRESULT ComputerFolder::GetDisplayNameOf(LPCITEMIDLIST item, DWORD /*flags*/, STRRET* name) {
    const auto volume = ReadVolume(item, true);
    if (!name || !volume) {
        return E_INVALIDARG;
    }
    // The item holds the mount point, not the name, so the name travels inline.
    return DisplayName::SetInline(VolumeName(volume->Text()), name);
}
