#include "FolderReader.h"

#include <algorithm>
#include <cstring>

void FreeShellMemory(void* block) {
    IMalloc* allocator = nullptr;
    SHGetMalloc(&allocator);
    allocator->Free(block);
    allocator->Release();
}

Folder FolderReader::Desktop() {
    IShellFolder* desktop = nullptr;
    SHGetDesktopFolder(&desktop);
    return Folder(desktop);
}

std::vector<ItemList> FolderReader::Items(IShellFolder* folder, DWORD flags) {
    std::vector<ItemList> items;
    IEnumIDList* enumerator = nullptr;
    if (FAILED(folder->EnumObjects(nullptr, flags, &enumerator))) {
        return items;
    }
    LPITEMIDLIST item = nullptr;
    while (enumerator->Next(1, &item, nullptr) == S_OK) {
        items.emplace_back(item);
    }
    enumerator->Release();
    std::sort(items.begin(), items.end(), [&](const ItemList& left, const ItemList& right) {
        return static_cast<short>(HRESULT_CODE(folder->CompareIDs(0, left.get(), right.get()))) < 0;
    });
    return items;
}

std::vector<std::string> FolderReader::Names(IShellFolder* folder, DWORD flags) {
    std::vector<std::string> names;
    for (const ItemList& item : Items(folder, flags)) {
        names.push_back(NameOf(folder, item.get()));
    }
    return names;
}

std::string FolderReader::NameOf(IShellFolder* folder, LPCITEMIDLIST item) {
    STRRET name{};
    if (folder->GetDisplayNameOf(item, SHGDN_NORMAL, &name) != S_OK) {
        return {};
    }
    switch (name.uType) {
    case STRRET_WSTR: {
        char text[MAX_PATH];
        WideCharToMultiByte(CP_ACP, 0, name.pOleStr, -1, text, MAX_PATH, nullptr, nullptr);
        FreeShellMemory(name.pOleStr);
        return text;
    }
    case STRRET_OFFSET:
        return reinterpret_cast<const char*>(item) + name.uOffset;
    case STRRET_CSTR:
        return name.cStr;
    }
    return {};
}

ItemList FolderReader::Find(IShellFolder* folder, const std::string& name, DWORD flags) {
    for (ItemList& item : Items(folder, flags)) {
        if (NameOf(folder, item.get()) == name) {
            return std::move(item);
        }
    }
    return nullptr;
}

Folder FolderReader::Bind(IShellFolder* folder, const std::string& name) {
    const ItemList item = Find(folder, name);
    IShellFolder* child = nullptr;
    if (!item || FAILED(folder->BindToObject(item.get(), nullptr, IID_IShellFolder,
                                             reinterpret_cast<void**>(&child)))) {
        return nullptr;
    }
    return Folder(child);
}

ItemList FolderReader::Join(LPCITEMIDLIST first, LPCITEMIDLIST second) {
    auto size = [](LPCITEMIDLIST list) {
        std::size_t bytes = 0;
        while (reinterpret_cast<const SHITEMID*>(reinterpret_cast<const BYTE*>(list) + bytes)->cb) {
            bytes +=
                reinterpret_cast<const SHITEMID*>(reinterpret_cast<const BYTE*>(list) + bytes)->cb;
        }
        return bytes;
    };
    const std::size_t firstSize = first ? size(first) : 0;
    const std::size_t secondSize = size(second) + 2;
    IMalloc* allocator = nullptr;
    SHGetMalloc(&allocator);
    auto* joined = static_cast<BYTE*>(allocator->Alloc(firstSize + secondSize));
    allocator->Release();
    if (first) {
        std::memcpy(joined, first, firstSize);
    }
    std::memcpy(joined + firstSize, second, secondSize);
    return ItemList(reinterpret_cast<ITEMIDLIST*>(joined));
}
