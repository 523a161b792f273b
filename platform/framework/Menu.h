#pragma once

// Menus as the installer's code uses them: the dialog's window menu and popup context menus.
// A menu is a list of items (command id, flags, text) behind an HMENU handle; it becomes a
// widget only while it is tracked.

#include "CString.h"
#include "WinTypes.h"

class CWnd;

HMENU CreatePopupMenu();
BOOL DestroyMenu(HMENU menu);
BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR id, LPCSTR text);
BOOL InsertMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR id, LPCSTR text);
int GetMenuItemCount(HMENU menu);
UINT GetMenuItemID(HMENU menu, int position);
CString GetMenuString(HMENU menu, UINT position, UINT flags);
// Shows the menu at the screen point and waits until it closes. With TPM_RETURNCMD the chosen
// command id is returned (0 when the menu was dismissed); otherwise the command is sent to the
// owner as WM_COMMAND and the result is nonzero when one was chosen.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner,
                    const RECT* rect);

class CMenu {
public:
    CMenu() = default;
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    BOOL CreatePopupMenu();
    BOOL DestroyMenu();
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, LPCTSTR text = nullptr);
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, const RECT* rect = nullptr);

    HMENU m_hMenu = nullptr;
};
