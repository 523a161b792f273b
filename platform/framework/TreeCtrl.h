#pragma once

// The tree-view control: items with text, images from an image list, an application value, a
// state and a children flag, driven by messages and reporting to its dialog by notifications.

#include "ImageList.h"
#include "MessageMap.h"
#include "Wnd.h"

struct _TREEITEM;
using HTREEITEM = _TREEITEM*;

inline HTREEITEM const TVI_ROOT = reinterpret_cast<HTREEITEM>(static_cast<INT_PTR>(-0x10000));
inline HTREEITEM const TVI_FIRST = reinterpret_cast<HTREEITEM>(static_cast<INT_PTR>(-0x0FFFF));
inline HTREEITEM const TVI_LAST = reinterpret_cast<HTREEITEM>(static_cast<INT_PTR>(-0x0FFFE));

// Messages.
constexpr UINT TVM_INSERTITEM = 0x1100;
constexpr UINT TVM_DELETEITEM = 0x1101;
constexpr UINT TVM_EXPAND = 0x1102;
constexpr UINT TVM_GETCOUNT = 0x1105;
constexpr UINT TVM_SETIMAGELIST = 0x1109;
constexpr UINT TVM_GETNEXTITEM = 0x110A;
constexpr UINT TVM_SELECTITEM = 0x110B;
constexpr UINT TVM_GETITEM = 0x110C;
constexpr UINT TVM_SETITEM = 0x110D;
constexpr UINT TVM_HITTEST = 0x1111;
constexpr UINT TVM_SORTCHILDRENCB = 0x1115;

// Notifications, in their ANSI form.
constexpr int NM_RCLICK = -5;
constexpr int TVN_SELCHANGED = -402;
constexpr int TVN_ITEMEXPANDING = -405;
constexpr int TVN_DELETEITEM = -409;

// Item fields named by a mask.
constexpr UINT TVIF_TEXT = 0x0001;
constexpr UINT TVIF_IMAGE = 0x0002;
constexpr UINT TVIF_PARAM = 0x0004;
constexpr UINT TVIF_STATE = 0x0008;
constexpr UINT TVIF_HANDLE = 0x0010;
constexpr UINT TVIF_SELECTEDIMAGE = 0x0020;
constexpr UINT TVIF_CHILDREN = 0x0040;

// Item states.
constexpr UINT TVIS_SELECTED = 0x0002;
constexpr UINT TVIS_EXPANDED = 0x0020;
constexpr UINT TVIS_EXPANDEDONCE = 0x0040;

// Expansion actions.
constexpr UINT TVE_COLLAPSE = 0x0001;
constexpr UINT TVE_EXPAND = 0x0002;
constexpr UINT TVE_TOGGLE = 0x0003;

// Item relations for TVM_GETNEXTITEM; TVGN_CARET also selects with TVM_SELECTITEM.
constexpr UINT TVGN_ROOT = 0x0000;
constexpr UINT TVGN_NEXT = 0x0001;
constexpr UINT TVGN_CHILD = 0x0004;
constexpr UINT TVGN_CARET = 0x0009;

// How a selection changed.
constexpr UINT TVC_UNKNOWN = 0x0000;
constexpr UINT TVC_BYMOUSE = 0x0001;
constexpr UINT TVC_BYKEYBOARD = 0x0002;

// Where a point falls.
constexpr UINT TVHT_NOWHERE = 0x0001;
constexpr UINT TVHT_ONITEMICON = 0x0002;
constexpr UINT TVHT_ONITEMLABEL = 0x0004;
constexpr UINT TVHT_ONITEMINDENT = 0x0008;
constexpr UINT TVHT_ONITEMBUTTON = 0x0010;
constexpr UINT TVHT_ONITEMRIGHT = 0x0020;
constexpr UINT TVHT_ONITEM = TVHT_ONITEMICON | TVHT_ONITEMLABEL;
constexpr UINT TVHT_ABOVE = 0x0100;
constexpr UINT TVHT_BELOW = 0x0200;
constexpr UINT TVHT_TORIGHT = 0x0400;
constexpr UINT TVHT_TOLEFT = 0x0800;

constexpr int TVSIL_NORMAL = 0;

struct TV_ITEM {
    UINT mask;
    HTREEITEM hItem;
    UINT state;
    UINT stateMask;
    LPSTR pszText;
    int cchTextMax;
    int iImage;
    int iSelectedImage;
    int cChildren;
    LPARAM lParam;
};
using TVITEM = TV_ITEM;

struct TVINSERTSTRUCT {
    HTREEITEM hParent;
    HTREEITEM hInsertAfter;
    TV_ITEM item;
};

struct NM_TREEVIEW {
    NMHDR hdr;
    UINT action;
    TV_ITEM itemOld;
    TV_ITEM itemNew;
    POINT ptDrag;
};
using NMTREEVIEW = NM_TREEVIEW;

// Client coordinates in; where they fell and the item there out.
struct TVHITTESTINFO {
    POINT pt;
    UINT flags;
    HTREEITEM hItem;
};

// Negative, 0 or positive as the first item sorts before, with or after the second.
using PFNTVCOMPARE = int (*)(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

struct TVSORTCB {
    HTREEITEM hParent;
    PFNTVCOMPARE lpfnCompare;
    LPARAM lParam;
};

class CTreeCtrl : public CWnd {
public:
    HIMAGELIST SetImageList(HIMAGELIST list, int kind);
    // Null when the control refuses the item.
    HTREEITEM InsertItem(const TVINSERTSTRUCT* insert);
    HTREEITEM InsertItem(LPCSTR text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST);
    BOOL DeleteItem(HTREEITEM item);
    BOOL Expand(HTREEITEM item, UINT action);
    BOOL SelectItem(HTREEITEM item);
    HTREEITEM GetNextItem(HTREEITEM item, UINT relation) const;
    HTREEITEM GetRootItem() const;
    HTREEITEM GetSelectedItem() const;
    HTREEITEM GetChildItem(HTREEITEM item) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const;
    UINT GetCount() const;
    BOOL SortChildrenCB(const TVSORTCB* sort, BOOL recurse = FALSE);
    HTREEITEM HitTest(TVHITTESTINFO* info) const;
    BOOL GetItem(TV_ITEM* item) const;
    LPARAM GetItemData(HTREEITEM item) const;
    CString GetItemText(HTREEITEM item) const;
    UINT GetItemState(HTREEITEM item, UINT stateMask) const;

private:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return const_cast<CTreeCtrl*>(this)->SendMessage(message, wParam, lParam);
    }
};
