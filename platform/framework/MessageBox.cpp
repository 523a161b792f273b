#include "MessageBox.h"

#include "Automation.h"
#include "WidgetHandle.h"
#include "WinApp.h"
#include "Wnd.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

namespace {
QMessageBox::Icon IconOf(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONERROR:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONWARNING:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

struct ButtonId {
    QMessageBox::StandardButton button;
    int id;
};

constexpr ButtonId kButtonIds[] = {{QMessageBox::Ok, IDOK},
                                   {QMessageBox::Cancel, IDCANCEL},
                                   {QMessageBox::Yes, IDYES},
                                   {QMessageBox::No, IDNO}};

QMessageBox::StandardButtons ButtonsOf(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_YESNO:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

int IdOf(int standardButton) {
    for (const ButtonId& entry : kButtonIds) {
        if (entry.button == standardButton) {
            return entry.id;
        }
    }
    return IDCANCEL;
}

QMessageBox::StandardButton ButtonOf(int id) {
    for (const ButtonId& entry : kButtonIds) {
        if (entry.id == id) {
            return entry.button;
        }
    }
    return QMessageBox::NoButton;
}
} // namespace

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    CWnd* ownerWindow = CWnd::FromHandlePermanent(owner);
    QMessageBox box(IconOf(type), ToQString(caption ? caption : AfxGetAppName()), ToQString(text),
                    ButtonsOf(type), WidgetFromHandle(owner));
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);

    if (AutomationListener* listener = AfxGetAutomationListener()) {
        MessageBoxRecord record{owner, caption ? caption : AfxGetAppName(), text ? text : "", type};
        QTimer::singleShot(0, &box, [&box, listener, record] {
            int answer = listener->MessageBoxShown(record, HandleFromWidget(&box));
            QAbstractButton* button = box.button(ButtonOf(answer));
            if (!button) {
                button = box.buttons().value(0);
            }
            button->click();
        });
    }

    BOOL ownerWasEnabled = ownerWindow && !ownerWindow->EnableWindow(FALSE);
    int result = IdOf(box.exec());
    if (ownerWasEnabled) {
        ownerWindow->EnableWindow(TRUE);
    }
    return result;
}

int AfxMessageBox(LPCSTR text, UINT type, UINT) {
    if ((type & MB_ICONMASK) == 0) {
        type |= MB_ICONEXCLAMATION;
    }
    CWnd* owner = AfxGetActiveWindow();
    return MessageBoxA(owner ? owner->GetSafeHwnd() : nullptr, text, nullptr, type);
}
