#pragma once

// The desktop namespace as a tree of folders. Children are fetched when a folder is first
// expanded or selected, sorted as their folder orders them and drawn with the system's small
// icons. The tree keeps no state of its own: everything lives in the control and its items'
// records, so a dialog can use the control's own object as this class. The dialog routes the
// control's notifications to the Handle... operations.

#include "FolderNodeData.h"
#include "IdListUtil.h"
#include "TreeCtrl.h"

class CFolderTreeCtrl : public CTreeCtrl {
public:
    void SetSystemImageList();
    // Clears the tree, then shows the desktop's folders sorted, the first expanded and selected.
    void FillFromDesktop();
    // Inserts the folder's sub-folders under `parent`, unsorted. `parentAbsolute` is the
    // folder's absolute list, null for the desktop.
    void AddChildren(IShellFolder* folder, LPCITEMIDLIST parentAbsolute, HTREEITEM parent);
    void SetItemIcons(LPCITEMIDLIST absolute, TV_ITEM* item);
    static int CompareNodes(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

    void HandleItemExpanding(NMHDR* notification, LRESULT* result);
    // Stores the selection's file-system path in `path` when it has one.
    void HandleSelChanged(NMHDR* notification, LRESULT* result, CString* path);
    void HandleDeleteItem(NMHDR* notification, LRESULT* result);
    void HandleRightClick(NMHDR* notification, LRESULT* result);

private:
    HWND OwnerWindow() const;
    void SortChildren(HTREEITEM parent);
    // The folder that the record's item is; null when it cannot be bound.
    static IShellFolder* BindFolder(const FolderNodeData* record);
    static void ReleaseRecord(IMalloc* allocator, FolderNodeData* record);

    CIdListUtil m_idLists;
};
