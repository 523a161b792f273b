#include "ControlFactory.h"

#include "DialogUnits.h"
#include "ProgressBar.h"
#include "ProgressCtrl.h"
#include "StaticLabel.h"
#include "Styles.h"
#include "TreeCtrl.h"
#include "TreeView.h"
#include "WidgetHandle.h"

#include <QAbstractScrollArea>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <cstring>
#include <strings.h>

namespace {
// Frames and group boxes are drawn behind the controls they surround and let clicks through.
void SendToBack(QWidget* widget) {
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    widget->lower();
}

QWidget* CreateButton(const ControlTemplate& control, QWidget* parent) {
    if ((control.style & BS_TYPEMASK) == BS_GROUPBOX) {
        auto* box = new QGroupBox(ToQString(control.text), parent);
        SendToBack(box);
        return box;
    }
    auto* button = new QPushButton(ToQString(control.text), parent);
    button->setAutoDefault(false);
    button->setDefault((control.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
    QObject::connect(button, &QPushButton::clicked, button, [button] {
        AfxSendToParent(button, WM_COMMAND, MAKELPARAM(ControlIdOf(button), BN_CLICKED),
                        reinterpret_cast<LPARAM>(HandleFromWidget(button)));
    });
    return button;
}

QWidget* CreateEdit(const ControlTemplate& control, QWidget* parent) {
    auto* edit = new QLineEdit(ToQString(control.text), parent);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] {
        AfxSendToParent(edit, WM_COMMAND, MAKELPARAM(ControlIdOf(edit), EN_CHANGE),
                        reinterpret_cast<LPARAM>(HandleFromWidget(edit)));
    });
    return edit;
}

QWidget* CreateStatic(const ControlTemplate& control, QWidget* parent) {
    if ((control.style & SS_TYPEMASK) == SS_ETCHEDFRAME) {
        auto* frame = new QFrame(parent);
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        SendToBack(frame);
        return frame;
    }
    auto* label = new StaticLabel(control.style, parent);
    label->SetControlText(control.text);
    return label;
}

QWidget* CreateProgress(const ControlTemplate&, QWidget* parent) {
    return new ProgressBar(parent);
}

QWidget* CreateTree(const ControlTemplate& control, QWidget* parent) {
    return new TreeView(control.style, parent);
}

template <class Wrapper> std::unique_ptr<CWnd> CreateWrapper() {
    return std::make_unique<Wrapper>();
}

struct ControlClass {
    const char* name;
    QWidget* (*create)(const ControlTemplate&, QWidget*);
    std::unique_ptr<CWnd> (*wrapper)();
};

constexpr ControlClass kControlClasses[] = {
    {"button", CreateButton, CreateWrapper<CWnd>},
    {"edit", CreateEdit, CreateWrapper<CWnd>},
    {"static", CreateStatic, CreateWrapper<CWnd>},
    {"msctls_progress32", CreateProgress, CreateWrapper<CProgressCtrl>},
    {"SysTreeView32", CreateTree, CreateWrapper<CTreeCtrl>},
};
} // namespace

std::unique_ptr<CWnd> AfxCreateControlWrapper(const char* className) {
    for (const ControlClass& cls : kControlClasses) {
        if (strcasecmp(cls.name, className) == 0) {
            return cls.wrapper();
        }
    }
    return std::make_unique<CWnd>();
}

QWidget* AfxCreateControl(const ControlTemplate& control, const DialogUnits& units,
                          QWidget* parent) {
    for (const ControlClass& cls : kControlClasses) {
        if (strcasecmp(cls.name, control.className) != 0) {
            continue;
        }
        QWidget* widget = cls.create(control, parent);
        SetControlIdentity(widget, control.id, cls.name);
        widget->setGeometry(units.ToPixels(control.x, control.y, control.cx, control.cy));
        widget->setFocusPolicy((control.style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
        // A scrolling view is a frame too, but one that takes the focus.
        if (qobject_cast<QLabel*>(widget) ||
            (qobject_cast<QFrame*>(widget) && !qobject_cast<QAbstractScrollArea*>(widget)) ||
            qobject_cast<QGroupBox*>(widget)) {
            widget->setFocusPolicy(Qt::NoFocus);
        }
        widget->setVisible(control.style & WS_VISIBLE);
        widget->setEnabled(!(control.style & WS_DISABLED));
        return widget;
    }
    return nullptr;
}

void AfxSetWidgetText(QWidget* widget, const char* text) {
    if (auto* label = dynamic_cast<StaticLabel*>(widget)) {
        label->SetControlText(text);
        return;
    }
    QString shown = ToQString(text);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(shown);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(shown);
    } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        box->setTitle(shown);
    } else if (widget->isWindow()) {
        widget->setWindowTitle(shown);
    }
}

std::string AfxGetWidgetText(QWidget* widget) {
    if (auto* label = dynamic_cast<StaticLabel*>(widget)) {
        return label->ControlText();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return FromQString(edit->text());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return FromQString(button->text());
    }
    if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        return FromQString(box->title());
    }
    return FromQString(widget->windowTitle());
}
