#include "FolderTreeCtrl.h"

#include "Cursor.h"
#include "ShellApi.h"

void CFolderTreeCtrl::SetSystemImageList() {
    SHFILEINFOA info{};
    // The root folder stands for the system drive.
    auto list = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA("/", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    if (list) {
        SendMessage(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(list));
    }
}

void CFolderTreeCtrl::FillFromDesktop() {
    IShellFolder* desktop = nullptr;
    if (SUCCEEDED(SHGetDesktopFolder(&desktop)) && desktop) {
        SendMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
        AddChildren(desktop, nullptr, TVI_ROOT);
        desktop->Release();
    }
    SortChildren(TVI_ROOT);
    Expand(GetNextItem(nullptr, TVGN_ROOT), TVE_EXPAND);
    SelectItem(GetNextItem(nullptr, TVGN_ROOT));
}

void CFolderTreeCtrl::AddChildren(IShellFolder* folder, LPCITEMIDLIST parentAbsolute,
                                  HTREEITEM parent) {
    const HWND owner = OwnerWindow();
    IMalloc* allocator = nullptr;
    if (FAILED(SHGetMalloc(&allocator))) {
        return;
    }
    IEnumIDList* enumerator = nullptr;
    LPITEMIDLIST id = nullptr;
    LPITEMIDLIST temporaryAbsolute = nullptr;
    if (SUCCEEDED(folder->EnumObjects(owner, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, &enumerator)) &&
        enumerator) {
        HTREEITEM previous = nullptr;
        ULONG fetched = 0;
        while (enumerator->Next(1, &id, &fetched) == S_OK) {
            SFGAOF attributes = SFGAO_FOLDER | SFGAO_HASSUBFOLDER;
            LPCITEMIDLIST items[] = {id};
            folder->GetAttributesOf(1, items, &attributes);
            if (attributes & SFGAO_FOLDER) {
                TVINSERTSTRUCT insert{};
                insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_PARAM | TVIF_SELECTEDIMAGE;
                if (attributes & SFGAO_HASSUBFOLDER) {
                    insert.item.mask |= TVIF_CHILDREN;
                    insert.item.cChildren = 1;
                }
                auto* record =
                    static_cast<FolderNodeData*>(allocator->Alloc(sizeof(FolderNodeData)));
                if (!record) {
                    break;
                }
                char text[MAX_PATH];
                if (!m_idLists.GetDisplayText(folder, id, SHGDN_NORMAL, text)) {
                    allocator->Free(record);
                    break;
                }
                insert.item.pszText = text;
                insert.item.cchTextMax = MAX_PATH;
                temporaryAbsolute = m_idLists.JoinLists(parentAbsolute, id);
                record->pidlRelative = m_idLists.CopyFirstItem(allocator, id);
                record->pidlAbsolute = m_idLists.JoinLists(parentAbsolute, id);
                record->pParentFolder = folder;
                folder->AddRef();
                // An item without its lists could be neither opened nor named later.
                if (!temporaryAbsolute || !record->pidlRelative || !record->pidlAbsolute) {
                    ReleaseRecord(allocator, record);
                    break;
                }
                SetItemIcons(temporaryAbsolute, &insert.item);
                insert.item.lParam = reinterpret_cast<LPARAM>(record);
                insert.hParent = parent;
                insert.hInsertAfter = previous;
                previous = InsertItem(&insert);
                if (!previous) {
                    // Refused: no item owns the record.
                    ReleaseRecord(allocator, record);
                }
                allocator->Free(temporaryAbsolute);
                temporaryAbsolute = nullptr;
            }
            allocator->Free(id);
            id = nullptr;
        }
    }
    if (enumerator) {
        enumerator->Release();
    }
    allocator->Free(id);
    allocator->Free(temporaryAbsolute);
    allocator->Release();
}

void CFolderTreeCtrl::SetItemIcons(LPCITEMIDLIST absolute, TV_ITEM* item) {
    item->iImage =
        m_idLists.GetIconIndex(absolute, SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
    item->iSelectedImage = m_idLists.GetIconIndex(absolute, SHGFI_PIDL | SHGFI_SYSICONINDEX |
                                                                SHGFI_SMALLICON | SHGFI_OPENICON);
}

int CFolderTreeCtrl::CompareNodes(LPARAM lParam1, LPARAM lParam2, LPARAM) {
    const auto* first = reinterpret_cast<const FolderNodeData*>(lParam1);
    const auto* second = reinterpret_cast<const FolderNodeData*>(lParam2);
    if (!first || !second) {
        return 0;
    }
    const HRESULT result =
        first->pParentFolder->CompareIDs(0, first->pidlRelative, second->pidlRelative);
    if (FAILED(result)) {
        return 0;
    }
    return static_cast<short>(HRESULT_CODE(result));
}

void CFolderTreeCtrl::HandleItemExpanding(NMHDR* notification, LRESULT* result) {
    *result = 0;
    const auto* treeNotification = reinterpret_cast<const NM_TREEVIEW*>(notification);
    if (treeNotification->itemNew.state & TVIS_EXPANDEDONCE) {
        return;
    }
    const auto* record = reinterpret_cast<const FolderNodeData*>(treeNotification->itemNew.lParam);
    if (!record) {
        return;
    }
    const HTREEITEM item = treeNotification->itemNew.hItem;
    if (IShellFolder* folder = BindFolder(record)) {
        AddChildren(folder, record->pidlAbsolute, item);
        folder->Release();
    }
    SortChildren(item);
}

void CFolderTreeCtrl::HandleSelChanged(NMHDR* notification, LRESULT* result, CString* path) {
    *result = 0;
    const HTREEITEM selected = GetNextItem(nullptr, TVGN_CARET);
    if (!selected) {
        return;
    }
    const auto* record = reinterpret_cast<const FolderNodeData*>(GetItemData(selected));
    if (!record || !record->pParentFolder || !record->pidlRelative) {
        return;
    }
    IShellFolder* folder = BindFolder(record);
    if (!folder) {
        return;
    }
    SFGAOF attributes = SFGAO_FILESYSTEM;
    LPCITEMIDLIST items[] = {record->pidlRelative};
    record->pParentFolder->GetAttributesOf(1, items, &attributes);
    char buffer[MAX_PATH];
    if ((attributes & SFGAO_FILESYSTEM) && SHGetPathFromIDListA(record->pidlAbsolute, buffer) &&
        path) {
        *path = buffer;
    }
    auto* treeNotification = reinterpret_cast<NM_TREEVIEW*>(notification);
    TV_ITEM& item = treeNotification->itemNew;
    if (item.cChildren == 1 && !(item.state & TVIS_EXPANDEDONCE)) {
        AddChildren(folder, record->pidlAbsolute, item.hItem);
        SortChildren(item.hItem);
        // Filled now: a later expansion must not fill it again.
        item.mask |= TVIF_STATE;
        item.state |= TVIS_EXPANDEDONCE;
        item.stateMask |= TVIS_EXPANDEDONCE;
        SendMessage(TVM_SETITEM, 0, reinterpret_cast<LPARAM>(&item));
    }
    folder->Release();
}

void CFolderTreeCtrl::HandleDeleteItem(NMHDR* notification, LRESULT* result) {
    *result = 0;
    auto* record = reinterpret_cast<FolderNodeData*>(
        reinterpret_cast<const NM_TREEVIEW*>(notification)->itemOld.lParam);
    if (!record) {
        return;
    }
    IMalloc* allocator = nullptr;
    if (FAILED(SHGetMalloc(&allocator))) {
        // The folder reference at least goes; the blocks need the allocator.
        record->pParentFolder->Release();
        return;
    }
    ReleaseRecord(allocator, record);
    allocator->Release();
}

void CFolderTreeCtrl::HandleRightClick(NMHDR*, LRESULT* result) {
    *result = 0;
    POINT point{};
    GetCursorPos(&point);
    ScreenToClient(&point);
    TVHITTESTINFO hit{};
    hit.pt = point;
    HitTest(&hit);
    SelectItem(hit.hItem);
    if (!(hit.flags & (TVHT_ONITEMICON | TVHT_ONITEMLABEL))) {
        return;
    }
    ClientToScreen(&point);
    TV_ITEM item{};
    item.mask = TVIF_PARAM;
    item.hItem = hit.hItem;
    if (!GetItem(&item)) {
        return;
    }
    const auto* record = reinterpret_cast<const FolderNodeData*>(item.lParam);
    if (record) {
        m_idLists.ShowItemMenu(OwnerWindow(), record->pParentFolder, record->pidlRelative, &point);
    }
}

HWND CFolderTreeCtrl::OwnerWindow() const {
    CWnd* parent = GetParent();
    return parent ? parent->GetSafeHwnd() : nullptr;
}

void CFolderTreeCtrl::SortChildren(HTREEITEM parent) {
    TVSORTCB sort{parent, &CFolderTreeCtrl::CompareNodes, 0};
    SortChildrenCB(&sort, FALSE);
}

IShellFolder* CFolderTreeCtrl::BindFolder(const FolderNodeData* record) {
    IShellFolder* folder = nullptr;
    if (FAILED(record->pParentFolder->BindToObject(record->pidlRelative, nullptr, IID_IShellFolder,
                                                   reinterpret_cast<void**>(&folder)))) {
        return nullptr;
    }
    return folder;
}

void CFolderTreeCtrl::ReleaseRecord(IMalloc* allocator, FolderNodeData* record) {
    record->pParentFolder->Release();
    allocator->Free(record->pidlRelative);
    allocator->Free(record->pidlAbsolute);
    allocator->Free(record);
}
