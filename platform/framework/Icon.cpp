#include "Icon.h"

#include "WidgetHandle.h"

#include <QApplication>
#include <QStyle>

HICON LoadIcon(HINSTANCE module, LPCSTR name) {
    if (module || name != IDI_APPLICATION) {
        return nullptr;
    }
    // A shared system icon lives as long as the process: it is never destroyed, not even after
    // the windowing system has closed.
    static QIcon* application =
        new QIcon(QIcon::fromTheme(QStringLiteral("application-x-executable"),
                                   QApplication::style()->standardIcon(QStyle::SP_DesktopIcon)));
    return HandleFromIcon(application);
}
