#include "TreeAutomation.h"

#include "TreeView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {
TreeView* TreeOf(CWnd& dialog, int controlId) {
    CWnd* item = dialog.GetDlgItem(controlId);
    return item ? dynamic_cast<TreeView*>(WidgetFromHandle(item->GetSafeHwnd())) : nullptr;
}

void SendMouse(TreeView* tree, QEvent::Type type, Qt::MouseButton button, QPoint client) {
    QWidget* viewport = tree->viewport();
    const QPointF local = viewport->mapFrom(tree, client);
    const QPointF global = tree->mapToGlobal(client);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, local, global, button, held, Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
}

void Click(CWnd& dialog, int controlId, POINT client, Qt::MouseButton button, bool twice) {
    TreeView* tree = TreeOf(dialog, controlId);
    if (!tree) {
        return;
    }
    const QPoint point(client.x, client.y);
    SendMouse(tree, QEvent::MouseButtonPress, button, point);
    SendMouse(tree, QEvent::MouseButtonRelease, button, point);
    if (twice) {
        SendMouse(tree, QEvent::MouseButtonDblClick, button, point);
        SendMouse(tree, QEvent::MouseButtonRelease, button, point);
    }
}
} // namespace

std::optional<POINT> Automation::TreeItemPoint(CWnd& dialog, int controlId, HTREEITEM item,
                                               UINT part) {
    TreeView* tree = TreeOf(dialog, controlId);
    std::optional<QPoint> point = tree ? tree->PointOn(item, part) : std::nullopt;
    if (!point) {
        return std::nullopt;
    }
    return POINT{point->x(), point->y()};
}

void Automation::ClickTree(CWnd& dialog, int controlId, POINT client) {
    Click(dialog, controlId, client, Qt::LeftButton, false);
}

void Automation::DoubleClickTree(CWnd& dialog, int controlId, POINT client) {
    Click(dialog, controlId, client, Qt::LeftButton, true);
}

void Automation::RightClickTree(CWnd& dialog, int controlId, POINT client) {
    Click(dialog, controlId, client, Qt::RightButton, false);
}

void Automation::PressTreeKey(CWnd& dialog, int controlId, TreeKey key) {
    TreeView* tree = TreeOf(dialog, controlId);
    if (!tree) {
        return;
    }
    static constexpr int kCodes[] = {Qt::Key_Up,    Qt::Key_Down, Qt::Key_Home, Qt::Key_Left,
                                     Qt::Key_Right, Qt::Key_Plus, Qt::Key_Minus};
    const int code = kCodes[static_cast<int>(key)];
    tree->setFocus(Qt::OtherFocusReason);
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier);
    QApplication::sendEvent(tree, &press);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier);
    QApplication::sendEvent(tree, &release);
}
