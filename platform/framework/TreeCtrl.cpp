#include "TreeCtrl.h"

#include <array>

HIMAGELIST CTreeCtrl::SetImageList(HIMAGELIST list, int kind) {
    return reinterpret_cast<HIMAGELIST>(
        SendMessage(TVM_SETIMAGELIST, static_cast<WPARAM>(kind), reinterpret_cast<LPARAM>(list)));
}

HTREEITEM CTreeCtrl::InsertItem(const TVINSERTSTRUCT* insert) {
    return reinterpret_cast<HTREEITEM>(
        SendMessage(TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(insert)));
}

HTREEITEM CTreeCtrl::InsertItem(LPCSTR text, HTREEITEM parent, HTREEITEM after) {
    TVINSERTSTRUCT insert{};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<LPSTR>(text);
    return InsertItem(&insert);
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM item) {
    return static_cast<BOOL>(SendMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item)));
}

BOOL CTreeCtrl::Expand(HTREEITEM item, UINT action) {
    return static_cast<BOOL>(SendMessage(TVM_EXPAND, action, reinterpret_cast<LPARAM>(item)));
}

BOOL CTreeCtrl::SelectItem(HTREEITEM item) {
    return static_cast<BOOL>(
        SendMessage(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)));
}

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM item, UINT relation) const {
    return reinterpret_cast<HTREEITEM>(
        Send(TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

HTREEITEM CTreeCtrl::GetRootItem() const {
    return GetNextItem(nullptr, TVGN_ROOT);
}

HTREEITEM CTreeCtrl::GetSelectedItem() const {
    return GetNextItem(nullptr, TVGN_CARET);
}

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM item) const {
    return GetNextItem(item, TVGN_CHILD);
}

HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM item) const {
    return GetNextItem(item, TVGN_NEXT);
}

UINT CTreeCtrl::GetCount() const {
    return static_cast<UINT>(Send(TVM_GETCOUNT));
}

BOOL CTreeCtrl::SortChildrenCB(const TVSORTCB* sort, BOOL recurse) {
    return static_cast<BOOL>(SendMessage(TVM_SORTCHILDRENCB, static_cast<WPARAM>(recurse),
                                         reinterpret_cast<LPARAM>(sort)));
}

HTREEITEM CTreeCtrl::HitTest(TVHITTESTINFO* info) const {
    return reinterpret_cast<HTREEITEM>(Send(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(info)));
}

BOOL CTreeCtrl::GetItem(TV_ITEM* item) const {
    return static_cast<BOOL>(Send(TVM_GETITEM, 0, reinterpret_cast<LPARAM>(item)));
}

LPARAM CTreeCtrl::GetItemData(HTREEITEM item) const {
    TV_ITEM query{};
    query.mask = TVIF_HANDLE | TVIF_PARAM;
    query.hItem = item;
    return GetItem(&query) ? query.lParam : 0;
}

CString CTreeCtrl::GetItemText(HTREEITEM item) const {
    // Display names fit a path buffer.
    std::array<char, 260> text{};
    TV_ITEM query{};
    query.mask = TVIF_HANDLE | TVIF_TEXT;
    query.hItem = item;
    query.pszText = text.data();
    query.cchTextMax = static_cast<int>(text.size());
    return GetItem(&query) ? CString(text.data()) : CString();
}

UINT CTreeCtrl::GetItemState(HTREEITEM item, UINT stateMask) const {
    TV_ITEM query{};
    query.mask = TVIF_HANDLE | TVIF_STATE;
    query.hItem = item;
    query.stateMask = stateMask;
    return GetItem(&query) ? query.state : 0;
}
