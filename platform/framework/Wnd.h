#pragma once

// A window: a dialog or one of its controls. The object wraps the window behind m_hWnd; messages
// sent to it go through its message map, then to the default processing.

#include "CString.h"
#include "CmdTarget.h"
#include "Menu.h"

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    // The permanent object attached to the window, or null.
    static CWnd* FromHandlePermanent(HWND window);
    // Attaches this object to an existing window, so that lookups of that window find it.
    BOOL Attach(HWND window);
    HWND Detach();

    // The object for a child control: the attached one, or a wrapper that the dialog owns for
    // as long as the control exists.
    CWnd* GetDlgItem(int id) const;
    CWnd* GetParent() const;

    void SetWindowText(LPCTSTR text);
    CString GetWindowText() const;
    void SetDlgItemText(int id, LPCTSTR text);
    CString GetDlgItemText(int id) const;

    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL IsWindowVisible() const;
    BOOL IsIconic() const;
    void GetClientRect(RECT* rect) const;
    void ClientToScreen(POINT* point) const;
    void ScreenToClient(POINT* point) const;

    // A modal box owned by this window; a null caption takes the application's name.
    int MessageBox(LPCTSTR text, LPCTSTR caption = nullptr, UINT type = MB_OK);

    // The window menu; with revert TRUE it is restored to its original items and null returned.
    CMenu* GetSystemMenu(BOOL revert);

    // Delivers the message at once: the message map first, then the default processing.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // The default processing of the messages that message maps route to these handlers.
    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
};
