#include "FolderEnumerator.h"

#include "ShellAllocator.h"

#include <sys/stat.h>

FolderEnumerator::FolderEnumerator(std::vector<FixedItem> fixedItems, std::string directory,
                                   DWORD flags)
    : m_fixedItems(std::move(fixedItems)), m_flags(flags) {
    // Fixed items are all folders.
    if (!(flags & SHCONTF_FOLDERS)) {
        m_fixedItems.clear();
    }
    if (!directory.empty()) {
        m_directory = opendir(directory.c_str());
    }
}

FolderEnumerator::~FolderEnumerator() {
    if (m_directory) {
        closedir(m_directory);
    }
}

HRESULT FolderEnumerator::Next(ULONG count, LPITEMIDLIST* items, ULONG* fetched) {
    if (!items || (count != 1 && !fetched)) {
        return E_INVALIDARG;
    }
    ULONG done = 0;
    HRESULT result = S_OK;
    while (done < count) {
        result = NextItem(&items[done]);
        if (result != S_OK) {
            break;
        }
        ++done;
    }
    if (fetched) {
        *fetched = done;
    }
    if (FAILED(result) && done == 0) {
        return result;
    }
    return done == count ? S_OK : S_FALSE;
}

HRESULT FolderEnumerator::Skip(ULONG count) {
    for (ULONG skipped = 0; skipped < count; ++skipped) {
        LPITEMIDLIST item = nullptr;
        const HRESULT result = NextItem(&item);
        if (result != S_OK) {
            return FAILED(result) ? result : S_FALSE;
        }
        ShellAllocator::Instance().Free(item);
    }
    return S_OK;
}

HRESULT FolderEnumerator::Reset() {
    m_nextFixedItem = 0;
    if (m_directory) {
        rewinddir(m_directory);
    }
    return S_OK;
}

HRESULT FolderEnumerator::NextItem(LPITEMIDLIST* item) {
    if (m_nextFixedItem < m_fixedItems.size()) {
        const FixedItem& fixed = m_fixedItems[m_nextFixedItem];
        *item = ShellItem::Create(fixed.kind, fixed.text);
        if (!*item) {
            return E_OUTOFMEMORY;
        }
        ++m_nextFixedItem;
        return S_OK;
    }
    return m_directory ? NextDirectoryItem(item) : S_FALSE;
}

HRESULT FolderEnumerator::NextDirectoryItem(LPITEMIDLIST* item) {
    const bool wantFolders = m_flags & SHCONTF_FOLDERS;
    const bool wantOthers = m_flags & SHCONTF_NONFOLDERS;
    const bool wantHidden = m_flags & SHCONTF_INCLUDEHIDDEN;
    while (const dirent* entry = readdir(m_directory)) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == ".." || (name.front() == '.' && !wantHidden)) {
            continue;
        }
        bool isFolder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat target {};
            isFolder = fstatat(dirfd(m_directory), entry->d_name, &target, 0) == 0 &&
                       S_ISDIR(target.st_mode);
        }
        if (isFolder ? !wantFolders : !wantOthers) {
            continue;
        }
        *item = ShellItem::Create(isFolder ? ItemKind::Folder : ItemKind::File, name);
        return *item ? S_OK : E_OUTOFMEMORY;
    }
    return S_FALSE;
}
