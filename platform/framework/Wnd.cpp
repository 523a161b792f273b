#include "Wnd.h"

#include "ControlFactory.h"
#include "DialogWindow.h"
#include "MessageBox.h"
#include "WidgetHandle.h"

#include <QGuiApplication>
#include <unordered_map>

namespace {
std::unordered_map<HWND, CWnd*>& PermanentObjects() {
    static std::unordered_map<HWND, CWnd*> objects;
    return objects;
}

} // namespace

CWnd::~CWnd() {
    Detach();
}

CWnd* CWnd::FromHandlePermanent(HWND window) {
    auto found = PermanentObjects().find(window);
    return found == PermanentObjects().end() ? nullptr : found->second;
}

BOOL CWnd::Attach(HWND window) {
    if (!window || m_hWnd) {
        return FALSE;
    }
    m_hWnd = window;
    PermanentObjects()[window] = this;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND window = m_hWnd;
    if (window) {
        auto found = PermanentObjects().find(window);
        if (found != PermanentObjects().end() && found->second == this) {
            PermanentObjects().erase(found);
        }
    }
    m_hWnd = nullptr;
    return window;
}

CWnd* CWnd::GetDlgItem(int id) const {
    DialogWindow* window = DialogWindow::FromWidget(WidgetFromHandle(m_hWnd));
    QWidget* control = window ? window->Control(id) : nullptr;
    if (!control) {
        return nullptr;
    }
    if (CWnd* attached = FromHandlePermanent(HandleFromWidget(control))) {
        return attached;
    }
    return window->Wrapper(control);
}

CWnd* CWnd::GetParent() const {
    QWidget* widget = WidgetFromHandle(m_hWnd);
    QWidget* parent = widget ? widget->parentWidget() : nullptr;
    return parent ? FromHandlePermanent(HandleFromWidget(parent)) : nullptr;
}

void CWnd::SetWindowText(LPCTSTR text) {
    if (m_hWnd) {
        AfxSetWidgetText(WidgetFromHandle(m_hWnd), text);
        AfxPumpPaintMessages();
    }
}

CString CWnd::GetWindowText() const {
    return m_hWnd ? CString(AfxGetWidgetText(WidgetFromHandle(m_hWnd))) : CString();
}

void CWnd::SetDlgItemText(int id, LPCTSTR text) {
    if (CWnd* item = GetDlgItem(id)) {
        item->SetWindowText(text);
    }
}

CString CWnd::GetDlgItemText(int id) const {
    CWnd* item = GetDlgItem(id);
    return item ? item->GetWindowText() : CString();
}

BOOL CWnd::EnableWindow(BOOL enable) {
    QWidget* widget = WidgetFromHandle(m_hWnd);
    if (!widget) {
        return FALSE;
    }
    BOOL wasDisabled = !IsWindowEnabled();
    if (DialogWindow* window = DialogWindow::FromWidget(widget)) {
        // A disabled dialog refuses input but keeps its controls' colours, as an owner does while
        // a dialog of its own runs.
        enable ? window->Enable() : window->Disable();
    } else {
        widget->setEnabled(enable);
    }
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const {
    QWidget* widget = WidgetFromHandle(m_hWnd);
    if (DialogWindow* window = DialogWindow::FromWidget(widget)) {
        return !window->IsDisabled();
    }
    return widget && widget->isEnabled();
}

BOOL CWnd::IsWindowVisible() const {
    QWidget* widget = WidgetFromHandle(m_hWnd);
    return widget && widget->isVisible();
}

BOOL CWnd::IsIconic() const {
    QWidget* widget = WidgetFromHandle(m_hWnd);
    return widget && widget->isMinimized();
}

void CWnd::GetClientRect(RECT* rect) const {
    QWidget* widget = WidgetFromHandle(m_hWnd);
    QSize size = widget ? widget->size() : QSize();
    *rect = RECT{0, 0, size.width(), size.height()};
}

void CWnd::ClientToScreen(POINT* point) const {
    if (QWidget* widget = WidgetFromHandle(m_hWnd)) {
        QPoint global = widget->mapToGlobal(QPoint(point->x, point->y));
        *point = POINT{global.x(), global.y()};
    }
}

void CWnd::ScreenToClient(POINT* point) const {
    if (QWidget* widget = WidgetFromHandle(m_hWnd)) {
        QPoint local = widget->mapFromGlobal(QPoint(point->x, point->y));
        *point = POINT{local.x(), local.y()};
    }
}

int CWnd::MessageBox(LPCTSTR text, LPCTSTR caption, UINT type) {
    return MessageBoxA(m_hWnd, text, caption, type);
}

CMenu* CWnd::GetSystemMenu(BOOL revert) {
    DialogWindow* window = DialogWindow::FromWidget(WidgetFromHandle(m_hWnd));
    return window ? window->SystemMenu(revert) : nullptr;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return WindowProc(message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    int code = 0;
    UINT id = 0;
    if (message == WM_COMMAND) {
        id = LOWORD(wParam);
        code = HIWORD(wParam);
    } else if (message == WM_NOTIFY) {
        id = static_cast<UINT>(wParam);
        code = reinterpret_cast<const NMHDR*>(lParam)->code;
    }
    LRESULT result = 0;
    if (OnCmdMsg(message, code, id, wParam, lParam, &result)) {
        return result;
    }
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    QWidget* widget = WidgetFromHandle(m_hWnd);
    if (!widget) {
        return 0;
    }
    switch (message) {
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            return SendMessage(WM_COMMAND, IDCANCEL, 0);
        }
        return 0;
    case WM_SETICON: {
        if (QIcon* icon = IconFromHandle(reinterpret_cast<HICON>(lParam))) {
            widget->setWindowIcon(*icon);
        }
        return 0;
    }
    default:
        if (auto* target = dynamic_cast<ControlMessageTarget*>(widget)) {
            return target->HandleControlMessage(message, wParam, lParam);
        }
        return 0;
    }
}

void CWnd::OnSysCommand(UINT id, LPARAM lParam) {
    DefWindowProc(WM_SYSCOMMAND, id, lParam);
}

void CWnd::OnPaint() {
    DefWindowProc(WM_PAINT, 0, 0);
}

LRESULT AfxSendToParent(QWidget* control, UINT message, WPARAM wParam, LPARAM lParam) {
    QWidget* parent = control->parentWidget();
    CWnd* dialog = parent ? CWnd::FromHandlePermanent(HandleFromWidget(parent)) : nullptr;
    return dialog ? dialog->SendMessage(message, wParam, lParam) : 0;
}
