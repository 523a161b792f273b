#include "Cursor.h"

#include "PointerPosition.h"

#include <QCursor>
#include <QGuiApplication>

namespace {
QPoint g_lastPointer;

// A platform without a pointer of its own (offscreen) reports none; the last mouse event that
// a control received tells where the pointer is.
bool HasOwnPointer() {
    return QGuiApplication::platformName() != QLatin1String("offscreen");
}
} // namespace

void AfxNotePointerPosition(QPoint global) {
    g_lastPointer = global;
}

BOOL GetCursorPos(POINT* point) {
    if (!point) {
        return FALSE;
    }
    const QPoint position = HasOwnPointer() ? QCursor::pos() : g_lastPointer;
    *point = POINT{position.x(), position.y()};
    return TRUE;
}
