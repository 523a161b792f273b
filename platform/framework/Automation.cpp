#include "Automation.h"

#include "DialogWindow.h"
#include "WidgetHandle.h"
#include "Wnd.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>

namespace {
AutomationListener* g_listener = nullptr;

QWidget* ControlOf(CWnd& dialog, int id) {
    CWnd* item = dialog.GetDlgItem(id);
    return item ? WidgetFromHandle(item->GetSafeHwnd()) : nullptr;
}
} // namespace

void AfxSetAutomationListener(AutomationListener* listener) {
    g_listener = listener;
}

AutomationListener* AfxGetAutomationListener() {
    return g_listener;
}

void Automation::Click(CWnd& dialog, int controlId) {
    if (auto* button = qobject_cast<QAbstractButton*>(ControlOf(dialog, controlId))) {
        if (DialogWindow::FromWidget(button->window())->AcceptsInput()) {
            button->click();
        }
    }
}

void Automation::TypeText(CWnd& dialog, int controlId, const char* text) {
    if (auto* edit = qobject_cast<QLineEdit*>(ControlOf(dialog, controlId))) {
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
        edit->insert(ToQString(text));
    }
}

void Automation::PressKey(CWnd& window, Key key) {
    QWidget* widget = WidgetFromHandle(window.GetSafeHwnd());
    QWidget* target = widget->focusWidget() ? widget->focusWidget() : widget;
    int code = key == Key::Enter ? Qt::Key_Return : Qt::Key_Escape;
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

void Automation::CloseBox(CWnd& window) {
    QCloseEvent event;
    QApplication::sendEvent(WidgetFromHandle(window.GetSafeHwnd()), &event);
}

void Automation::RightClickBackground(CWnd& dialog) {
    QWidget* widget = WidgetFromHandle(dialog.GetSafeHwnd());
    QPoint local(2, 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, local, widget->mapToGlobal(local));
    QApplication::sendEvent(widget, &event);
}

int Automation::FocusedControlId(CWnd& dialog) {
    QWidget* focus = WidgetFromHandle(dialog.GetSafeHwnd())->focusWidget();
    return focus ? ControlIdOf(focus) : 0;
}

bool Automation::SaveScreenshot(HWND window, const std::string& path) {
    AfxRunPendingViewUpdates();
    QWidget* widget = WidgetFromHandle(window);
    return widget && widget->grab().save(QString::fromStdString(path));
}

void Automation::Later(int milliseconds, std::function<void()> action) {
    QTimer::singleShot(milliseconds, qApp, std::move(action));
}
