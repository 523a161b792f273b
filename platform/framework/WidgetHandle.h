#pragma once

// Platform-internal: what stands behind the framework's handles. Qt appears here, so only
// platform sources and tests include this header, never the installer's code.

#include "WinTypes.h"

#include <QIcon>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

class CWnd;

inline QWidget* WidgetFromHandle(HWND window) {
    return reinterpret_cast<QWidget*>(window);
}
inline HWND HandleFromWidget(QWidget* widget) {
    return reinterpret_cast<HWND>(widget);
}
inline QIcon* IconFromHandle(HICON icon) {
    return reinterpret_cast<QIcon*>(icon);
}
inline HICON HandleFromIcon(QIcon* icon) {
    return reinterpret_cast<HICON>(icon);
}

// Text crosses into Qt as UTF-8; bytes that are not valid UTF-8 are read as Windows-1252, the
// code page in which releases are usually written.
QString ToQString(const char* text);
std::string FromQString(const QString& text);

// Every control widget carries its template id and window class.
int ControlIdOf(const QWidget* widget);
const char* ControlClassOf(const QWidget* widget);
void SetControlIdentity(QWidget* widget, int id, const char* className);

// Controls whose model must announce its end do so here, while the dialog object still lives.
class ControlTeardown {
public:
    virtual ~ControlTeardown() = default;
    virtual void WindowDestroying() = 0;
};

// Sends a notification or command from a control to the dialog that holds it.
LRESULT AfxSendToParent(QWidget* control, UINT message, WPARAM wParam, LPARAM lParam);

// Lets the windows paint, and the desktop see the program alive, while a handler runs; user
// input and close requests wait until the handler returns. Called at a bounded rate.
void AfxPumpPaintMessages();
// Runs the update before the windows next paint (a pump within a handler, or the event loop),
// unless context is gone by then: for views that follow their model lazily.
void AfxBeforeNextPaint(QObject* context, std::function<void()> update);
// Runs the updates that wait for the next paint now, so that a picture of a window is current.
void AfxRunPendingViewUpdates();

// A control whose own messages (progress bar, tree view) reach its model.
class ControlMessageTarget {
public:
    virtual ~ControlMessageTarget() = default;
    virtual LRESULT HandleControlMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

struct HIMAGELIST__;
QIcon ImageListIcon(HIMAGELIST__* list, int index);
