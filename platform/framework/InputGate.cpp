#include "InputGate.h"

#include "DialogWindow.h"

#include <QEvent>
#include <QWidget>

namespace {
bool IsUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}
} // namespace

bool InputGate::eventFilter(QObject* watched, QEvent* event) {
    if (!IsUserInput(event->type()) || !watched->isWidgetType()) {
        return false;
    }
    DialogWindow* window = DialogWindow::FromWidget(static_cast<QWidget*>(watched)->window());
    return window && !window->AcceptsInput();
}
