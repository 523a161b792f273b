#include "DialogWindow.h"

#include "ControlFactory.h"
#include "Dialog.h"
#include "DialogUnits.h"
#include "Styles.h"
#include "WidgetHandle.h"
#include "WinApp.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

namespace {
QFont DialogFont(const DialogTemplate& dialogTemplate) {
    // The classic dialog font is not on this system; the desktop's own font at the template's
    // size takes its place, and the dialog units follow whatever font that is.
    QFont font = QGuiApplication::font();
    font.setPointSize(dialogTemplate.pointSize > 0 ? dialogTemplate.pointSize : 8);
    return font;
}

Qt::WindowFlags DialogFlags(const DialogTemplate& dialogTemplate) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (dialogTemplate.style & WS_SYSMENU) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    return flags;
}
} // namespace

DialogWindow::DialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate, QWidget* owner)
    : QWidget(owner, DialogFlags(dialogTemplate)), m_dialog(dialog) {
    setFont(DialogFont(dialogTemplate));
    setWindowTitle(ToQString(dialogTemplate.caption));
    DialogUnits units(font());
    QRect client = units.ToPixels(0, 0, dialogTemplate.cx, dialogTemplate.cy);
    setFixedSize(client.size());

    QWidget* previousTabStop = nullptr;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        QWidget* widget = AfxCreateControl(control, units, this);
        if (widget && control.id != -1) {
            m_controls.emplace(control.id, widget);
        }
        if (widget && (control.style & WS_TABSTOP)) {
            if (previousTabStop) {
                setTabOrder(previousTabStop, widget);
            }
            previousTabStop = widget;
        }
    }

    QWidget* anchor = owner ? owner->window() : nullptr;
    QRect area =
        anchor ? anchor->frameGeometry() : QGuiApplication::primaryScreen()->availableGeometry();
    move(area.center() - rect().center());
}

DialogWindow::~DialogWindow() = default;

DialogWindow* DialogWindow::FromWidget(QWidget* widget) {
    return dynamic_cast<DialogWindow*>(widget);
}

QWidget* DialogWindow::Control(int id) const {
    auto found = m_controls.find(id);
    return found == m_controls.end() ? nullptr : found->second;
}

CWnd* DialogWindow::Wrapper(QWidget* control) {
    std::unique_ptr<CWnd>& wrapper = m_wrappers[control];
    if (!wrapper) {
        wrapper = m_dialog.CreateControlObject(ControlIdOf(control), ControlClassOf(control));
        wrapper->m_hWnd = HandleFromWidget(control);
    }
    return wrapper.get();
}

CMenu* DialogWindow::SystemMenu(bool revert) {
    if (revert || !m_systemMenu) {
        m_systemMenu = std::make_unique<CMenu>();
        m_systemMenu->CreatePopupMenu();
        m_systemMenu->AppendMenu(MF_STRING, SC_CLOSE, "&Close\tAlt+F4");
    }
    return revert ? nullptr : m_systemMenu.get();
}

void DialogWindow::ShowSystemMenu(QPoint globalPos) {
    if (!(windowFlags() & Qt::WindowSystemMenuHint)) {
        return;
    }
    UINT command = static_cast<UINT>(SystemMenu(false)->TrackPopupMenu(
        TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, globalPos.x(), globalPos.y(), &m_dialog));
    if (command != 0) {
        m_dialog.SendMessage(
            WM_SYSCOMMAND, command,
            MAKELPARAM(static_cast<WORD>(globalPos.x()), static_cast<WORD>(globalPos.y())));
    }
}

void DialogWindow::FocusFirstTabStop() {
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->focusPolicy() == Qt::StrongFocus && child->isVisibleTo(this) &&
            child->isEnabled()) {
            child->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void DialogWindow::RunModalLoop() {
    if (!m_dialog.IsRunning()) {
        return;
    }
    QEventLoop loop;
    m_loop = &loop;
    loop.exec(QEventLoop::DialogExec);
    m_loop = nullptr;
}

void DialogWindow::QuitModalLoop() {
    if (m_loop) {
        m_loop->exit();
    }
}

void DialogWindow::Teardown() {
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (auto* teardown = dynamic_cast<ControlTeardown*>(child)) {
            teardown->WindowDestroying();
        }
        if (CWnd* attached = CWnd::FromHandlePermanent(HandleFromWidget(child))) {
            attached->Detach();
        }
    }
    m_wrappers.clear();
}

bool DialogWindow::AcceptsInput() const {
    return m_disabled == 0 && !m_dialog.IsHandlerRunning();
}

int DialogWindow::DefaultCommandId() const {
    // A focused push button is the default; otherwise the template's default button, else IDOK.
    if (auto* focused = qobject_cast<QPushButton*>(focusWidget())) {
        return ControlIdOf(focused);
    }
    for (auto* button : findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
        if (button->isDefault() && button->isEnabled()) {
            return ControlIdOf(button);
        }
    }
    return IDOK;
}

void DialogWindow::SendCommand(int id, UINT code) {
    QWidget* control = Control(id);
    m_dialog.SendMessage(WM_COMMAND, MAKELPARAM(static_cast<WORD>(id), static_cast<WORD>(code)),
                         reinterpret_cast<LPARAM>(control ? HandleFromWidget(control) : nullptr));
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        SendCommand(DefaultCommandId(), BN_CLICKED);
        return;
    case Qt::Key_Escape:
        SendCommand(IDCANCEL, BN_CLICKED);
        return;
    case Qt::Key_Space:
        if (event->modifiers() & Qt::AltModifier) {
            ShowSystemMenu(mapToGlobal(QPoint(0, 0)));
            return;
        }
        break;
    case Qt::Key_F1:
        if (CWinApp* app = AfxGetApp()) {
            app->OnCmdMsg(WM_COMMAND, BN_CLICKED, ID_HELP, 0, 0, nullptr);
        }
        return;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void DialogWindow::contextMenuEvent(QContextMenuEvent* event) {
    ShowSystemMenu(event->globalPos());
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    // The close box is a system command; whether the dialog ends is the dialog's decision.
    event->ignore();
    if (AcceptsInput()) {
        m_dialog.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    }
}

void DialogWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    m_dialog.SendMessage(WM_PAINT);
}
